#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/ControlClasses.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/LayoutReader.h"
#include "tests/support/JpegEncoder.h"

namespace {

constexpr int PictureCount = 60;

std::uint8_t Clamp(double value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Shaded shapes with fine grain, as the artwork's pictures of machines and lamps have, in the
// sizes the bench screen uses (from 70 x 70 lamps to the 222 x 149 characteristic frames).
std::vector<std::uint8_t> Picture(int index, int width, int height) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(width) * height * 3);
    std::uint32_t seed = 7919u * static_cast<std::uint32_t>(index + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const double grain = static_cast<double>(seed >> 24) / 255.0 * 16.0 - 8.0;
            const double dx = x - width / 2.0;
            const double dy = y - height / 2.0;
            const double shade = 90.0 * std::cos(std::sqrt(dx * dx + dy * dy) * 0.08 + index);
            std::uint8_t* p = samples.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            p[0] = Clamp(120 + shade + grain);
            p[1] = Clamp(100 + shade * 0.6 + x * 0.3 + grain);
            p[2] = Clamp(80 - shade * 0.4 + y * 0.3 + grain);
        }
    }
    return JpegEncoder(width, height, JCS_RGB, 3).Quality(90).Encode(samples);
}

void AppendHex(std::string& text, const std::vector<std::uint8_t>& bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            text += "\n      ";
        text += Digits[bytes[i] >> 4];
        text += Digits[bytes[i] & 0xF];
    }
}

// A screen of 60 pictures with the properties the bench's own pictures carry.
std::string ScreenLayout() {
    const int sizes[][2] = {{70, 70}, {133, 137}, {193, 209}, {222, 149}, {105, 105}};
    std::string text = "object Form: TForm\n  Caption = 'Стенд'\n  Color = clBlack\n";
    for (int i = 0; i < PictureCount; ++i) {
        const auto [width, height] = sizes[i % 5];
        text += "  object Image" + std::to_string(i + 1) + ": TImage\n" +
                "    Left = " + std::to_string(i % 8 * 120) +
                "\n    Top = " + std::to_string(i / 8 * 90) +
                "\n    Width = " + std::to_string(width) +
                "\n    Height = " + std::to_string(height) +
                "\n    Cursor = crHandPoint\n    Transparent = True\n    Picture.Data = {";
        AppendHex(text, Picture(i, width, height));
        text += "}\n  end\n";
    }
    return text + "end\n";
}

void BM_LoadScreenOf60Pictures(benchmark::State& state) {
    TApplication application(std::make_unique<THeadlessPlatform>(TSize{1024, 768}));
    TControlClasses::RegisterAll();
    const std::string layout = ScreenLayout();
    for (auto _ : state) {
        std::unique_ptr<TForm> form(application.CreateForm<TForm>());
        TLayoutReader::Read(layout, *form, {});
        benchmark::DoNotOptimize(form->ComponentCount());
    }
    state.counters["layout_bytes"] = static_cast<double>(layout.size());
}
BENCHMARK(BM_LoadScreenOf60Pictures)->Unit(benchmark::kMillisecond);

} // namespace
