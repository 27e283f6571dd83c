#include <benchmark/benchmark.h>

#include <memory>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Canvas.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "widgets/display/iImageDisplay.h"

namespace {

// The characteristic display of the bench: 177 x 113 without a border, showing the middle of
// 49 masked frames of 222 x 149. One iteration is the next frame: the new index and the
// widget's repaint.
void BM_ImageDisplayNextFrame(benchmark::State& state) {
    TApplication application(std::make_unique<THeadlessPlatform>());
    TForm* form = application.CreateForm<TForm>();
    auto* display = new TiImageDisplay(form);
    display->SetParent(form);
    display->SetBounds(813, 184, 177, 113);
    display->SetBackGroundColor(clBlack);
    display->ImageList().SetSize(222, 149);
    TBitmap picture(222, 149);
    for (int i = 0; i < 49; ++i) {
        picture.Fill(clBlack);
        picture.Canvas().Pen().SetColor(clRed);
        picture.Canvas().MoveTo(0, 148);
        picture.Canvas().LineTo(4 * i, 148 - 3 * i);
        display->ImageList().AddMasked(picture, clBlack);
    }
    form->Show();
    application.PaintDirtyForms();
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % 49;
        display->SetImageIndex(index);
        display->PaintWindow();
        benchmark::DoNotOptimize(display->Surface().ScanLine(56));
    }
}
BENCHMARK(BM_ImageDisplayNextFrame)->Unit(benchmark::kMicrosecond);

} // namespace
