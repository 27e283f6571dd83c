#include <benchmark/benchmark.h>

#include <memory>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "widgets/display/iSevenSegmentInteger.h"

namespace {

// One of the bench's readouts (68 x 33, four digit cells, no sign, lowered border), powered on
// and stepping through three-digit values: each step is the value's write, the readout's paint
// and the compose of its area, as the loop runs them.
void BM_SevenSegmentIntegerValueChange(benchmark::State& state) {
    TApplication application(std::make_unique<THeadlessPlatform>());
    TForm* form = application.CreateForm<TForm>();
    form->SetBounds(0, 0, 200, 100);
    auto* readout = new TiSevenSegmentInteger(form);
    readout->SetParent(form);
    readout->SetShowSign(false);
    readout->SetBounds(20, 20, 68, 33);
    readout->SetSegmentColor(clYellow);
    readout->SetBorderStyle(ibsLowered);
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

} // namespace
