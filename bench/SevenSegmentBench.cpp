#include <benchmark/benchmark.h>

#include "BenchForm.h"
#include "widgets/display/iSevenSegmentInteger.h"

namespace {

// One of the bench's readouts as its screen stores it (68 x 33, no sign, lowered border).
const char* const ReadoutLayout = R"(object Form2: TForm
  Width = 1024
  Height = 768
  Color = clBlack
  object iSevenSegmentInteger1: TiSevenSegmentInteger
    Left = 704
    Top = 152
    Width = 68
    Height = 33
    SegmentColor = clYellow
    PowerOff = True
    BorderStyle = ibsLowered
    ShowSign = False
  end
end
)";

// The readout, powered as the mains switch leaves it, stepping through three-digit values.
class TReadoutBench {
public:
    TReadoutBench() : m_readout(m_bench.Find<TiSevenSegmentInteger>("iSevenSegmentInteger1")) {
        m_readout.SetPowerOff(false);
        m_bench.Frame();
    }
    void Step() {
        m_value = m_value == 999 ? 100 : m_value + 1;
        m_readout.SetValue(m_value);
    }
    TBenchForm& Bench() { return m_bench; }
    TiSevenSegmentInteger& Readout() { return m_readout; }

private:
    TBenchForm m_bench{ReadoutLayout};
    TiSevenSegmentInteger& m_readout;
    int m_value = 100;
};

// The value's write, the readout's paint and the compose of its area, as the loop runs them.
void BM_SevenSegmentIntegerValueChange(benchmark::State& state) {
    TReadoutBench bench;
    for (auto _ : state) {
        bench.Step();
        bench.Bench().Frame();
    }
}
BENCHMARK(BM_SevenSegmentIntegerValueChange)->Unit(benchmark::kMicrosecond);

// The same step without the compose: the readout's own paint into its surface.
void BM_SevenSegmentIntegerValueChangePaintOnly(benchmark::State& state) {
    TReadoutBench bench;
    for (auto _ : state) {
        bench.Step();
        bench.Readout().PaintWindow();
    }
}
BENCHMARK(BM_SevenSegmentIntegerValueChangePaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace
