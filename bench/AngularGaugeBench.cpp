#include <benchmark/benchmark.h>

#include "BenchForm.h"
#include "tests/widgets/scale/BenchGauges.h"
#include "widgets/scale/iAngularGauge.h"

namespace {

// The next reading of the generator ammeter (0 .. 200): every step moves the needle.
double NextReading(double value) {
    return value > 190 ? 0 : value + 7;
}

// Ticks, labels, sections and text drawn anew into the cached background, then the needle: one
// frame after a change that invalidates the background.
void BM_AmmeterPaintWithNewBackground(benchmark::State& state) {
    TBenchForm bench(BenchGaugesLayout());
    auto& ammeter = bench.Find<TiAngularGauge>("iAngularGauge2");
    double value = 0;
    for (auto _ : state) {
        ammeter.RefreshBackGround();
        ammeter.SetPosition(value = NextReading(value));
        bench.Frame();
    }
}
BENCHMARK(BM_AmmeterPaintWithNewBackground)->Unit(benchmark::kMicrosecond);

// Only the needle moves, the cached background valid: the whole frame after a new reading, or
// only the widget's own paint into its surface.
void NeedleMoves(benchmark::State& state, TBenchForm::TMeasure measure) {
    TBenchForm bench(BenchGaugesLayout());
    auto& ammeter = bench.Find<TiAngularGauge>("iAngularGauge2");
    double value = 0;
    bench.Time(state, measure, ammeter, [&] { ammeter.SetPosition(value = NextReading(value)); });
}

void BM_AmmeterPositionChange(benchmark::State& state) {
    NeedleMoves(state, TBenchForm::bmFrame);
}
BENCHMARK(BM_AmmeterPositionChange)->Unit(benchmark::kMicrosecond);

void BM_AmmeterPositionChangePaintOnly(benchmark::State& state) {
    NeedleMoves(state, TBenchForm::bmPaintOnly);
}
BENCHMARK(BM_AmmeterPositionChangePaintOnly)->Unit(benchmark::kMicrosecond);

// A thousand readings written between two frames cost one paint; anything else is an error.
void BM_Ammeter1000PositionsPerFrame(benchmark::State& state) {
    TBenchForm bench(BenchGaugesLayout());
    auto& ammeter = bench.Find<TiAngularGauge>("iAngularGauge2");
    const int paintsBefore = ammeter.PaintCount();
    long frames = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            ammeter.SetPosition(i % 200 + 0.5);
        bench.Frame();
        ++frames;
    }
    const double paintsPerFrame =
        static_cast<double>(ammeter.PaintCount() - paintsBefore) / static_cast<double>(frames);
    state.counters["paints_per_frame"] = paintsPerFrame;
    if (paintsPerFrame != 1)
        state.SkipWithError("a frame painted the ammeter more or less than once");
}
BENCHMARK(BM_Ammeter1000PositionsPerFrame)->Unit(benchmark::kMicrosecond);

} // namespace
