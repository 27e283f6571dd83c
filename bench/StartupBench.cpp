#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"

namespace {

// From nothing to the splash's first frame on screen: the application, all five screens read
// from their layouts (pictures decoded, the first theory page loaded), then the splash shown
// and composed. Fonts and files are warm after the first iteration, as on a second start.
void BM_StartUpToTheFirstSplashFrame(benchmark::State& state) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(STEND_RUN_DIR);
    std::unique_ptr<TProgram> program;
    for (auto _ : state) {
        // Only one application may exist at a time; ending the last one is not start-up.
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
        auto platform = std::make_unique<THeadlessPlatform>();
        THeadlessPlatform& desktop = *platform;
        program = std::make_unique<TProgram>(std::move(platform));
        program->App().MainForm()->Show();
        benchmark::DoNotOptimize(desktop.Render(*program->App().MainForm()).Pixel(0, 0));
    }
    program.reset();
    std::filesystem::current_path(previous);
}

} // namespace

BENCHMARK(BM_StartUpToTheFirstSplashFrame)->Unit(benchmark::kMillisecond);
