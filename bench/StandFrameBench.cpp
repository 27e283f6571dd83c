#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Program.h"
#include "app/Screens.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/InputRouter.h"
#include "gui/framework/Timer.h"
#include "gui/platform/sdl/SdlPlatform.h"
#include "stand/Form2.h"
#include "widgets/controls/iSlider.h"

namespace {

// The mode switch's mark of the independent scheme, relative to the switch.
constexpr TPoint IndependentMark{14, 50};
constexpr double RheostatStep = 5.0;
// The splash hands over to the menu after 2.34 s.
constexpr int MenuShownMs = 2500;
// The mains run-up takes 221 ticks of 3 ms.
constexpr int RunUpMs = 1000;
constexpr int MeasuredMs = 10000;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

template <class T> T& Part(TForm& form, const std::string& name) {
    return dynamic_cast<T&>(*form.FindComponent(name));
}

// A student's click: the pointer comes over the point, the button goes down and up.
void ClickAt(TForm& form, const std::string& name, TPoint point) {
    const auto& control = Part<TControl>(form, name);
    const TPoint client{control.Left() + point.X, control.Top() + point.Y};
    TInputRouter& input = Application->Input();
    input.MouseMove(form, client, 0);
    input.MouseDown(form, client, mbLeft, 0);
    input.MouseUp(form, client, mbLeft, 0);
}

void Click(TForm& form, const std::string& name) {
    const auto& control = Part<TControl>(form, name);
    ClickAt(form, name, {control.Width() / 2, control.Height() / 2});
}

// The real program in the run-time folder on SDL's dummy display (unless a driver was chosen),
// so that nothing but the program's own work is measured.
class TRealProgram {
public:
    TRealProgram() : m_previousDir(std::filesystem::current_path()) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        std::filesystem::current_path(STEND_RUN_DIR);
        auto platform = std::make_unique<TSdlPlatform>();
        m_platform = platform.get();
        m_program = std::make_unique<TProgram>(std::move(platform));
    }
    ~TRealProgram() {
        m_program.reset();
        std::filesystem::current_path(m_previousDir);
    }
    TRealProgram(const TRealProgram&) = delete;
    TRealProgram& operator=(const TRealProgram&) = delete;

    TApplication& App() { return m_program->App(); }
    TSdlPlatform& Platform() { return *m_platform; }

private:
    std::filesystem::path m_previousDir;
    TSdlPlatform* m_platform = nullptr;
    std::unique_ptr<TProgram> m_program;
};

// The mains on in the independent scheme at rheostat step 5, so that the dials, readouts, lamp
// and LED all show something.
void SwitchOnIndependentScheme() {
    Click(*Form2, "iSwitchLed1");
    ClickAt(*Form2, "iSwitchSlider1", IndependentMark);
    Part<TiSlider>(*Form2, "iSlider1").SetPosition(RheostatStep);
}

// What the timers change between two frames, given by the timers' names; each enabled one
// ticks once. The mains run-up is finished first, so the mains voltmeter moves with the noise.
void BenchFrame(benchmark::State& state, const std::vector<std::string>& timers) {
    TRealProgram program;
    Form2->Show();
    SwitchOnIndependentScheme();
    auto& runUp = Part<TTimer>(*Form2, "Timer1");
    while (runUp.Enabled())
        runUp.OnTimer(&runUp);
    program.App().PaintDirtyForms();
    std::vector<TTimer*> ticking;
    for (const std::string& name : timers)
        ticking.push_back(&Part<TTimer>(*Form2, name));
    const std::int64_t presentsBefore = program.Platform().Presents();
    for (auto _ : state) {
        for (TTimer* timer : ticking)
            if (timer->Enabled())
                timer->OnTimer(timer);
        program.App().PaintDirtyForms();
    }
    state.counters["presents"] =
        benchmark::Counter(static_cast<double>(program.Platform().Presents() - presentsBefore),
                           benchmark::Counter::kAvgIterations);
}

// The worst frame: the motor spiral steps, the pulley turns a phase and the mains voltmeter
// moves, all between two frames.
void BM_BenchFrameEverythingAnimating(benchmark::State& state) {
    BenchFrame(state, {"Timer4", "Timer3", "Timer2"});
}
BENCHMARK(BM_BenchFrameEverythingAnimating)->Unit(benchmark::kMicrosecond);

// Most frames: only the motor spiral has stepped.
void BM_BenchFrameMotorOnly(benchmark::State& state) {
    BenchFrame(state, {"Timer4"});
}
BENCHMARK(BM_BenchFrameMotorOnly)->Unit(benchmark::kMicrosecond);

// Ten seconds of real time on the bench with the mains on, through the program's own loop from
// its start: the processor time it takes and how many frames it presents. A display frame is
// 16.7 ms at 60 Hz, so the loop must present no more than 60 frames a second.
void BM_BenchTenSecondsMainsOn(benchmark::State& state) {
    for (auto _ : state) {
        TRealProgram program;
        TTimer toBench(nullptr);
        TTimer measureFrom(nullptr);
        TTimer measureTo(nullptr);
        toBench.SetInterval(MenuShownMs);
        measureFrom.SetInterval(MenuShownMs + RunUpMs);
        measureTo.SetInterval(MenuShownMs + RunUpMs + MeasuredMs);
        toBench.OnTimer = [&](TObject*) {
            toBench.SetEnabled(false);
            Click(*Form3, "Image2");
            SwitchOnIndependentScheme();
        };
        double cpu = 0.0;
        std::int64_t presents = 0;
        std::int64_t wakeUps = 0;
        measureFrom.OnTimer = [&](TObject*) {
            measureFrom.SetEnabled(false);
            cpu = CpuMs();
            presents = program.Platform().Presents();
            wakeUps = program.Platform().WakeUps();
        };
        measureTo.OnTimer = [&](TObject*) {
            const double seconds = MeasuredMs / 1000.0;
            state.counters["cpu_percent"] = (CpuMs() - cpu) / MeasuredMs * 100.0;
            state.counters["presents_per_s"] =
                static_cast<double>(program.Platform().Presents() - presents) / seconds;
            state.counters["wake_ups_per_s"] =
                static_cast<double>(program.Platform().WakeUps() - wakeUps) / seconds;
            Form1->Close();
        };
        program.App().Run();
    }
}
BENCHMARK(BM_BenchTenSecondsMainsOn)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
