#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"

namespace {

// From nothing to the whole program ready for its loop: the application, all five screens read
// from their layouts (pictures decoded, the first theory page loaded) and the splash composed.
// Fonts and files are warm after the first iteration, as on a second start.
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

// Notes when the desktop is first given a frame to show.
class TFirstFrameClock : public THeadlessPlatform {
public:
    void Present(TForm& form, const std::vector<TRect>& areas) override {
        if (!firstFrame)
            firstFrame = std::chrono::steady_clock::now();
        THeadlessPlatform::Present(form, areas);
    }

    std::optional<std::chrono::steady_clock::time_point> firstFrame;
};

// From nothing to the moment the splash's first frame goes to the desktop, which is what a
// student waits for; the other screens are built after it.
void BM_StartUpUntilTheSplashIsShown(benchmark::State& state) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(STEND_RUN_DIR);
    std::unique_ptr<TProgram> program;
    for (auto _ : state) {
        program.reset();
        auto platform = std::make_unique<TFirstFrameClock>();
        const TFirstFrameClock& clock = *platform;
        const auto start = std::chrono::steady_clock::now();
        program = std::make_unique<TProgram>(std::move(platform));
        if (!clock.firstFrame) {
            state.SkipWithError("the splash was never shown");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*clock.firstFrame - start).count());
    }
    program.reset();
    std::filesystem::current_path(previous);
}

} // namespace

BENCHMARK(BM_StartUpToTheFirstSplashFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpUntilTheSplashIsShown)->UseManualTime()->Unit(benchmark::kMillisecond);
