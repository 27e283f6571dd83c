#include <benchmark/benchmark.h>

#include <memory>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "widgets/display/iSevenSegmentInteger.h"

namespace {

// The readout's own paint pipeline, reachable without the form around it.
class TBenchReadout : public TiSevenSegmentInteger {
public:
    using TiSevenSegmentInteger::Paint;
    using TiSevenSegmentInteger::TiSevenSegmentInteger;
};

TBenchReadout* BenchReadout(TForm* form) {
    auto* readout = new TBenchReadout(form);
    readout->SetParent(form);
    readout->SetShowSign(false);
    readout->SetBounds(20, 20, 68, 33);
    readout->SetSegmentColor(clYellow);
    readout->SetBorderStyle(ibsLowered);
    return readout;
}

// One of the bench's readouts (68 x 33, four digit cells, no sign, lowered border), powered on
// and stepping through three-digit values: each step is the value's write, the readout's paint
// and the compose of its area, as the loop runs them.
void BM_SevenSegmentIntegerValueChange(benchmark::State& state) {
    TApplication application(std::make_unique<THeadlessPlatform>());
    TForm* form = application.CreateForm<TForm>();
    form->SetBounds(0, 0, 200, 100);
    TBenchReadout* readout = BenchReadout(form);
    form->Show();
    application.PaintDirtyForms();
    int value = 100;
    for (auto _ : state) {
        readout->SetValue(value);
        application.PaintDirtyForms();
        value = value == 999 ? 100 : value + 1;
    }
}
BENCHMARK(BM_SevenSegmentIntegerValueChange)->Unit(benchmark::kMicrosecond);

// The same step without the compose: the value's write and the readout's own paint into its
// surface.
void BM_SevenSegmentIntegerValueChangePaintOnly(benchmark::State& state) {
    TApplication application(std::make_unique<THeadlessPlatform>());
    TForm* form = application.CreateForm<TForm>();
    form->SetBounds(0, 0, 200, 100);
    TBenchReadout* readout = BenchReadout(form);
    form->Show();
    application.PaintDirtyForms();
    int value = 100;
    for (auto _ : state) {
        readout->SetValue(value);
        readout->Paint();
        value = value == 999 ? 100 : value + 1;
    }
}
BENCHMARK(BM_SevenSegmentIntegerValueChangePaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace
