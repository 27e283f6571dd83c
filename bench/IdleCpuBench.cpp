#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <memory>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/Timer.h"
#include "gui/platform/sdl/SdlPlatform.h"

namespace {

constexpr int IdleMs = 10000;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// A shown form and nothing to do for ten seconds but wait for the timer that closes it: the
// processor time this takes is what the program costs while a student reads the screen.
void BM_IdleSdlApplication(benchmark::State& state) {
    // The dummy driver unless one was chosen, so that the figure can also be taken on a display.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    for (auto _ : state) {
        auto owned = std::make_unique<TSdlPlatform>();
        TSdlPlatform& platform = *owned;
        TApplication application(std::move(owned));
        TForm* form = application.CreateForm<TForm>();
        form->SetBounds(0, 0, 640, 480);
        // Making the window and the renderer's first frame are start-up work, not idling.
        form->Show();
        application.PaintDirtyForms();
        TTimer closer(form);
        closer.SetInterval(IdleMs);
        closer.OnTimer = [form](TObject*) { form->Close(); };
        const double start = CpuMs();
        application.Run();
        state.counters["cpu_ms"] = CpuMs() - start;
        state.counters["wake_ups"] = static_cast<double>(platform.WakeUps());
    }
}
BENCHMARK(BM_IdleSdlApplication)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
