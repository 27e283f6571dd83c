#include <benchmark/benchmark.h>

#include "BenchForm.h"
#include "gui/graphics/Canvas.h"
#include "widgets/display/iImageDisplay.h"

namespace {

// The bench's characteristic display as its screen stores it; its 49 frames follow in code.
const char* const CharacteristicLayout = R"(object Form2: TForm
  Width = 1024
  Height = 768
  Color = clBlack
  object iImageDisplay4: TiImageDisplay
    Left = 813
    Top = 184
    Width = 177
    Height = 113
    ImageIndex = 16
    TimerInterval = 180
    TimerAutoRepeat = False
    BorderMargin = 0
    BackGroundColor = clBlack
  end
end
)";

// 49 masked frames of 222 x 149, each a line on black as the characteristic is drawn.
void AddFrames(TiImageDisplay& display) {
    display.ImageList().SetSize(222, 149);
    TBitmap picture(222, 149);
    for (int i = 0; i < 49; ++i) {
        picture.Fill(clBlack);
        picture.Canvas().Pen().SetColor(clRed);
        picture.Canvas().MoveTo(0, 148);
        picture.Canvas().LineTo(4 * i, 148 - 3 * i);
        display.ImageList().AddMasked(picture, clBlack);
    }
}

// The display showing its next picture, one per iteration.
void NextPicture(benchmark::State& state, TBenchForm::TMeasure measure) {
    TBenchForm bench(CharacteristicLayout);
    auto& display = bench.Find<TiImageDisplay>("iImageDisplay4");
    AddFrames(display);
    bench.Frame();
    int index = 16;
    bench.Time(state, measure, display, [&] { display.SetImageIndex(index = (index + 1) % 49); });
}

// The next frame: the new index and the frame it causes.
void BM_ImageDisplayNextFrame(benchmark::State& state) {
    NextPicture(state, TBenchForm::bmFrame);
}
BENCHMARK(BM_ImageDisplayNextFrame)->Unit(benchmark::kMicrosecond);

// The same step without the compose: the widget's own paint into its surface.
void BM_ImageDisplayNextFramePaintOnly(benchmark::State& state) {
    NextPicture(state, TBenchForm::bmPaintOnly);
}
BENCHMARK(BM_ImageDisplayNextFramePaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace
