#include <benchmark/benchmark.h>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/ImageList.h"

namespace {

// One frame of an image-sequence display: a 222 x 149 masked picture out of 49 drawn centred on
// a fresh widget bitmap.
void BM_ImageListDrawFrame(benchmark::State& state) {
    TImageList list(222, 149);
    TBitmap picture(222, 149);
    for (int i = 0; i < 49; ++i) {
        picture.Fill(clBlack);
        picture.Canvas().Pen().SetColor(clRed);
        picture.Canvas().MoveTo(0, 148);
        picture.Canvas().LineTo(4 * i, 148 - 3 * i);
        list.AddMasked(picture, clBlack);
    }
    int index = 0;
    for (auto _ : state) {
        TBitmap frame(177, 113);
        frame.Canvas().Brush().SetColor(clBlack);
        frame.Canvas().FillRect(Rect(0, 0, 177, 113));
        list.Draw(frame.Canvas(), -23, -18, index);
        benchmark::DoNotOptimize(frame.ScanLine(50));
        index = (index + 1) % 49;
    }
}
BENCHMARK(BM_ImageListDrawFrame)->Unit(benchmark::kMicrosecond);

} // namespace
