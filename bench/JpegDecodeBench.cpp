#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "gui/graphics/AreaShrink.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "tests/support/JpegEncoder.h"

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;

std::uint8_t Clamp(double value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Smooth sky and ground gradients, a few soft shapes and fine grain: the mix of flat and busy
// blocks that a photograph gives the decoder.
std::vector<std::uint8_t> PhotoLikeSamples() {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(Width) * Height * 3);
    std::uint32_t seed = 20240601;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const double grain = static_cast<double>(seed >> 24) / 255.0 * 24.0 - 12.0;
            const double horizon = y < Height / 2 ? 1.0 : 0.0;
            const double ripple = 20.0 * std::sin(x * 0.05) * std::cos(y * 0.07);
            const double dx = x - 700.0;
            const double dy = y - 250.0;
            const double sun = std::exp(-(dx * dx + dy * dy) / 8000.0) * 120.0;
            std::uint8_t* p = samples.data() + (static_cast<std::size_t>(y) * Width + x) * 3;
            p[0] = Clamp(horizon * (80 + y * 0.2) + (1 - horizon) * (60 + ripple) + sun + grain);
            p[1] = Clamp(horizon * (130 + y * 0.15) + (1 - horizon) * (110 + ripple) + sun + grain);
            p[2] = Clamp(horizon * (220 - y * 0.1) + (1 - horizon) * (40 + x * 0.05) + grain);
        }
    }
    return samples;
}

void DecodeJpeg1024x768(benchmark::State& state) {
    const auto file = JpegEncoder(Width, Height, JCS_RGB, 3).Quality(90).Encode(PhotoLikeSamples());
    TBitmap bitmap;
    for (auto _ : state) {
        bitmap.LoadFromBytes(file);
        benchmark::DoNotOptimize(bitmap.Surface());
    }
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024.0;
}

BENCHMARK(DecodeJpeg1024x768)->Unit(benchmark::kMillisecond);

// The splash's picture shrunk to its window (1000 x 750 to 451 x 353), as it is drawn at
// start-up: averaged (Arg 0) or through the canvas's smooth filter (Arg 1).
void ShrinkSplashPicture(benchmark::State& state) {
    const auto file = JpegEncoder(Width, Height, JCS_RGB, 3).Quality(90).Encode(PhotoLikeSamples());
    TBitmap photo;
    photo.LoadFromBytes(file);
    TBitmap picture(1000, 750);
    picture.Canvas().Draw(0, 0, photo);
    TBitmap shrunk(451, 353);
    for (auto _ : state) {
        if (state.range(0) == 0)
            ShrinkByArea(picture, shrunk);
        else
            shrunk.Canvas().StretchDraw(Rect(0, 0, 451, 353), picture);
        benchmark::DoNotOptimize(shrunk.Surface());
    }
}

BENCHMARK(ShrinkSplashPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
