#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "widgets/WidgetClasses.h"
#include "widgets/scale/iAngularGauge.h"

namespace {

// The bench's generator ammeter, 177 x 177, as its screen stores it.
const char* const AmmeterLayout = R"(object Form1: TForm
  Width = 400
  Height = 300
  object iAngularGauge2: TiAngularGauge
    Left = 20
    Top = 20
    Width = 177
    Height = 177
    BorderStyle = ibsLowered
    TickLabelFont.Height = -11
    TickLabelFont.Name = 'MS Sans Serif'
    PositionMax = 200
    SectionEnd1 = 50
    SectionEnd2 = 75
    ArcRadius = 120
    ShowInnerArcRadius = True
    ShowLabel2 = True
    ShowLabel1 = True
    Label2OffsetY = -15
    Label2OffsetX = -40
    Label2Text = 'mA'
    Label1Text = 'A'
    Label1Font.Height = -29
    Label1Font.Name = 'Sylfaen'
    Label1Font.Style = [fsBold]
    Label2Font.Height = -13
    Label2Font.Name = 'MS Sans Serif'
    Label2Font.Style = [fsBold]
    PanelFaceStyle = ipfsNone
    PanelFaceSize = 15
    PositionMax_2 = 200
    Pointers = <
      item
        Size = 10
        Margin = 0
        Color = clBlack
        Style = 3
      end>
  end
end
)";

// Paints a widget as the loop does, without composing the form around it.
struct TPaintAccess : TiAngularGauge {
    static void PaintNow(TiAngularGauge& gauge) { (gauge.*(&TPaintAccess::Paint))(); }
};

struct TAmmeter {
    TAmmeter() : App(std::make_unique<THeadlessPlatform>(TSize{1024, 768})) {
        TWidgetClasses::RegisterAll();
        form = App.CreateForm<TForm>();
        TLayoutReader::Read(AmmeterLayout, *form, THandlerTable());
        gauge = dynamic_cast<TiAngularGauge*>(form->FindComponent("iAngularGauge2"));
        form->Show();
        App.PaintDirtyForms();
        gauge->OnPaint = [this](TObject*, TCanvas&) { ++paints; };
    }

    TApplication App;
    TForm* form = nullptr;
    TiAngularGauge* gauge = nullptr;
    long paints = 0;
};

// Ticks, labels, sections and text drawn anew, then the needle.
void BM_AmmeterPaintWithNewBackground(benchmark::State& state) {
    TAmmeter ammeter;
    double value = 0;
    for (auto _ : state) {
        ammeter.gauge->RefreshBackGround();
        ammeter.gauge->SetPosition(value);
        TPaintAccess::PaintNow(*ammeter.gauge);
        value = value > 190 ? 0 : value + 7;
    }
}
BENCHMARK(BM_AmmeterPaintWithNewBackground)->Unit(benchmark::kMicrosecond);

// Only the needle moves: the cached picture is copied and the needle and hub drawn over it.
void BM_AmmeterPositionChange(benchmark::State& state) {
    TAmmeter ammeter;
    double value = 0;
    for (auto _ : state) {
        ammeter.gauge->SetPosition(value);
        TPaintAccess::PaintNow(*ammeter.gauge);
        value = value > 190 ? 0 : value + 7;
    }
}
BENCHMARK(BM_AmmeterPositionChange)->Unit(benchmark::kMicrosecond);

// A thousand values written between two frames: the loop paints the ammeter once per frame.
void BM_Ammeter1000PositionsPerFrame(benchmark::State& state) {
    TAmmeter ammeter;
    long frames = 0;
    const long paintsBefore = ammeter.paints;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            ammeter.gauge->SetPosition(i % 200 + 0.5);
        ammeter.App.PaintDirtyForms();
        ++frames;
    }
    state.counters["paints_per_frame"] =
        static_cast<double>(ammeter.paints - paintsBefore) / static_cast<double>(frames);
}
BENCHMARK(BM_Ammeter1000PositionsPerFrame)->Unit(benchmark::kMicrosecond);

} // namespace
