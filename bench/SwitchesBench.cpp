#include <benchmark/benchmark.h>

#include "BenchForm.h"
#include "widgets/controls/iLedSpiral.h"
#include "widgets/controls/iSlider.h"
#include "widgets/controls/iSwitchLed.h"

namespace {

// The bench's mains switch, rheostat and motor spiral with the properties its screen stores.
const char* const SwitchesLayout = R"(object Form2: TForm
  Width = 1024
  Height = 768
  Color = clBlack
  object iSwitchLed1: TiSwitchLed
    Left = 8
    Top = 32
    Width = 41
    Height = 33
    Cursor = crHandPoint
    ActiveColor = clRed
    Caption = 'ВЫКЛ'
    CaptionFont.Height = -11
    CaptionFont.Name = 'Arial'
    CaptionFont.Style = [fsBold]
    CaptionFont.Color = clWindowText
    CaptionMargin = 2
    CaptionAlignment = islcaOppisiteSide
    IndicatorHeight = 5
    IndicatorMargin = 4
    ShowFocusRect = False
    BorderSize = 2
    BorderHighlightColor = clBtnHighlight
    BorderShadowColor = clBtnShadow
    BackGroundColor = clBtnHighlight
  end
  object iLedSpiral1: TiLedSpiral
    Left = 16
    Top = 504
    Width = 169
    Height = 161
    PositionMax = 33
    CurrentMax = 33
    SegmentCount = 33
    SegmentSize = 2
    SegmentWidth = 15
    OuterRadius = 70
    OuterMargin = 10
    Style = ilssPointer
    SectionColor1 = clYellow
    SectionEnd1 = 50
    SectionEnd2 = 75
    Transparent = True
  end
  object iSlider1: TiSlider
    Left = 296
    Top = 632
    Width = 433
    Height = 137
    Cursor = crHandPoint
    PositionMax = 15
    CurrentMax = 15
    KeyArrowStepSize = 1
    KeyPageStepSize = 10
    MouseWheelStepSize = 1
    Orientation = ioHorizontal
    PointerHeight = 30
    PointerWidth = 80
    TrackStyle = istsBevelRasied
    TickLabelMargin = 7
    TickLabelFont.Height = -13
    TickLabelFont.Name = 'MS Sans Serif'
    ShowFocusRect = False
    Transparent = True
  end
end
)";

// A widget of the layout stepped through its positions, one position per iteration.
template <class W>
void Step(benchmark::State& state, const char* name, int positions, TBenchForm::TMeasure measure) {
    TBenchForm bench(SwitchesLayout);
    auto& widget = bench.Find<W>(name);
    int step = 0;
    bench.Time(state, measure, widget, [&] { widget.SetPosition(++step % positions); });
}

// The rheostat steps: one frame with the pointer drawn anew over the cached track and scale.
void SliderPositionChange(benchmark::State& state) {
    Step<TiSlider>(state, "iSlider1", 16, TBenchForm::bmFrame);
}
BENCHMARK(SliderPositionChange)->Unit(benchmark::kMicrosecond);

// The same step without the compose: the widget's own paint into its surface.
void SliderPositionChangePaintOnly(benchmark::State& state) {
    Step<TiSlider>(state, "iSlider1", 16, TBenchForm::bmPaintOnly);
}
BENCHMARK(SliderPositionChangePaintOnly)->Unit(benchmark::kMicrosecond);

// The motor spiral stepping one bar, one frame each.
void SpiralStep(benchmark::State& state) {
    Step<TiLedSpiral>(state, "iLedSpiral1", 34, TBenchForm::bmFrame);
}
BENCHMARK(SpiralStep)->Unit(benchmark::kMicrosecond);

void SpiralStepPaintOnly(benchmark::State& state) {
    Step<TiLedSpiral>(state, "iLedSpiral1", 34, TBenchForm::bmPaintOnly);
}
BENCHMARK(SpiralStepPaintOnly)->Unit(benchmark::kMicrosecond);

// The mains switch turned on and off, one frame each.
void SwitchLedToggle(benchmark::State& state) {
    TBenchForm bench(SwitchesLayout);
    auto& mains = bench.Find<TiSwitchLed>("iSwitchLed1");
    bench.Time(state, TBenchForm::bmFrame, mains, [&] { mains.SetActive(!mains.Active()); });
}
BENCHMARK(SwitchLedToggle)->Unit(benchmark::kMicrosecond);

} // namespace
