#include <benchmark/benchmark.h>

#include <memory>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/controls/iSlider.h"
#include "widgets/controls/iSwitchLed.h"

namespace {

// One headless form holding the widget under test, painted once so that its cached background
// and transparency snapshot exist before the timing starts.
template <class W> class TBench {
public:
    TBench(int width, int height)
        : m_application(std::make_unique<THeadlessPlatform>(TSize{1024, 768})) {
        m_form = m_application.CreateForm<TForm>();
        m_form->SetBounds(0, 0, 800, 600);
        m_widget = new W(m_form);
        m_widget->SetParent(m_form);
        m_widget->SetBounds(10, 10, width, height);
        m_form->Show();
        Paint();
    }

    W& Widget() { return *m_widget; }
    void Paint() { m_widget->PaintWindow(); }

private:
    TApplication m_application;
    TForm* m_form = nullptr;
    W* m_widget = nullptr;
};

// The bench's rheostat: its value moves and only the pointer is drawn anew.
void SliderPositionChange(benchmark::State& state) {
    TBench<TiSlider> bench(137, 433);
    TiSlider& slider = bench.Widget();
    slider.SetOrientation(ioHorizontal);
    slider.SetPositionMax(15);
    slider.SetPointerHeight(30);
    slider.SetPointerWidth(80);
    slider.SetTrackStyle(istsBevelRasied);
    slider.SetTickLabelMargin(7);
    slider.SetShowFocusRect(false);
    slider.SetTransparent(true);
    bench.Paint();
    int step = 0;
    for (auto _ : state) {
        slider.SetPosition(step++ % 16);
        bench.Paint();
    }
}
BENCHMARK(SliderPositionChange)->Unit(benchmark::kMicrosecond);

// The bench's motor spiral stepping one bar.
void SpiralStep(benchmark::State& state) {
    TBench<TiLedSpiral> bench(169, 161);
    TiLedSpiral& spiral = bench.Widget();
    spiral.SetPositionMax(33);
    spiral.SetSegmentCount(33);
    spiral.SetSegmentSize(2);
    spiral.SetSegmentWidth(15);
    spiral.SetOuterMargin(10);
    spiral.SetStyle(ilssPointer);
    spiral.SetTransparent(true);
    bench.Paint();
    int step = 0;
    for (auto _ : state) {
        spiral.SetPosition(step++ % 34);
        bench.Paint();
    }
}
BENCHMARK(SpiralStep)->Unit(benchmark::kMicrosecond);

// The mains switch turned on and off.
void SwitchLedToggle(benchmark::State& state) {
    TBench<TiSwitchLed> bench(41, 33);
    TiSwitchLed& mains = bench.Widget();
    mains.SetActiveColor(clRed);
    mains.SetCaption("ВЫКЛ");
    mains.CaptionFont().SetName("Arial");
    mains.CaptionFont().SetHeight(-11);
    mains.SetCaptionAlignment(islcaOppisiteSide);
    mains.SetIndicatorHeight(5);
    mains.SetIndicatorMargin(4);
    mains.SetShowFocusRect(false);
    bench.Paint();
    for (auto _ : state) {
        mains.SetActive(!mains.Active());
        bench.Paint();
    }
}
BENCHMARK(SwitchLedToggle)->Unit(benchmark::kMicrosecond);

} // namespace
