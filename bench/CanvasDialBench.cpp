#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"

namespace {

TPoint Polar(TPoint centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {centre.X + static_cast<int>(std::lround(radius * std::cos(radians))),
            centre.Y - static_cast<int>(std::lround(radius * std::sin(radians)))};
}

// What a round instrument draws on every frame: background, a coloured ring sector built from
// 400 steps per arc, 15 ticks, 8 labels, a needle and its hub.
void DrawDial(TCanvas& canvas, double value) {
    const TPoint centre{88, 100};
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, 177, 177));

    std::vector<TPoint> band;
    for (int i = 0; i <= 400; ++i) {
        band.push_back(Polar(centre, 60, 180 - i * 90.0 / 400));
    }
    for (int i = 400; i >= 0; --i) {
        band.push_back(Polar(centre, 67, 180 - i * 90.0 / 400));
    }
    canvas.Brush().SetColor(clRed);
    canvas.Pen().SetColor(clRed);
    canvas.Polygon(band);

    canvas.Pen().SetColor(clBlack);
    for (int i = 0; i < 15; ++i) {
        const double angle = 180 - i * 90.0 / 14;
        const TPoint inner = Polar(centre, 60, angle);
        const TPoint outer = Polar(centre, 67, angle);
        canvas.MoveTo(outer.X, outer.Y);
        canvas.LineTo(inner.X, inner.Y);
    }

    canvas.Brush().SetStyle(bsClear);
    for (int i = 0; i < 8; ++i) {
        const TPoint at = Polar(centre, 80, 180 - i * 90.0 / 7);
        TRect cell = Rect(at.X - 12, at.Y - 7, at.X + 12, at.Y + 7);
        canvas.DrawText(std::to_string(i * 30), cell,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    }

    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBlue);
    canvas.Pen().SetColor(clBlue);
    const double angle = 180 - value * 90;
    const TPoint tip = Polar(centre, 60, angle);
    const TPoint needle[] = {Polar(centre, 5, angle + 90), Polar(centre, 5, angle - 90), tip};
    canvas.MoveTo(centre.X, centre.Y);
    canvas.LineTo(tip.X, tip.Y);
    canvas.Polygon(needle);
    canvas.Ellipse(centre.X - 7, centre.Y - 7, centre.X + 7, centre.Y + 7);
}

void BM_DialFrame(benchmark::State& state) {
    double value = 0;
    for (auto _ : state) {
        TBitmap frame(177, 177);
        DrawDial(frame.Canvas(), value);
        benchmark::DoNotOptimize(frame.ScanLine(88));
        value = value >= 1 ? 0 : value + 0.01;
    }
}
BENCHMARK(BM_DialFrame)->Unit(benchmark::kMicrosecond);

} // namespace
