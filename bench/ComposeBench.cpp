#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "gui/framework/Application.h"
#include "gui/framework/CustomControl.h"
#include "gui/framework/Form.h"
#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Canvas.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/platform/sdl/SdlPlatform.h"

namespace {

// A full-screen picture beneath everything, as the screens' backgrounds are.
class TBackground : public TGraphicControl {
public:
    explicit TBackground(TForm* form) : TGraphicControl(form), m_picture(1024, 768) {
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                m_picture.ScanLine(y)[x] = 0xFF000000u | static_cast<unsigned>(x * y);
        SetBounds(0, 0, 1024, 768);
        SetParent(form);
    }
    void Paint(TCanvas& canvas) override { canvas.Draw(0, 0, m_picture); }

private:
    TBitmap m_picture;
};

class TCaption : public TGraphicControl {
public:
    TCaption(TForm* form, int index) : TGraphicControl(form) {
        SetBounds(20 + (index % 5) * 200, 20 + (index / 5) * 40, 120, 16);
        SetParent(form);
    }
    void Paint(TCanvas& canvas) override {
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut(Left(), Top(), "НАПРЯЖЕНИЕ");
    }
};

class TInstrument : public TCustomControl {
public:
    TInstrument(TForm* form, int index) : TCustomControl(form) {
        SetBounds(20 + (index % 5) * 200, 200 + (index / 5) * 130, 150, 120);
        SetParent(form);
    }

protected:
    void Paint() override {
        TBitmap frame(Width(), Height());
        TCanvas& canvas = frame.Canvas();
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(ClientRect());
        canvas.Ellipse(10, 10, 110, 110);
        canvas.MoveTo(60, 60);
        canvas.LineTo(60 + m_step % 40, 20);
        Canvas().Draw(0, 0, frame);
        ++m_step;
    }

private:
    int m_step = 0;
};

// A 1024 x 768 screen with 40 controls: a background, 19 captions and 20 instruments.
std::vector<TInstrument*> BuildScreen(TApplication& application) {
    TForm* form = application.CreateForm<TForm>();
    form->SetWindowState(wsMaximized);
    new TBackground(form);
    for (int i = 0; i < 19; ++i)
        new TCaption(form, i);
    std::vector<TInstrument*> instruments;
    for (int i = 0; i < 20; ++i)
        instruments.push_back(new TInstrument(form, i));
    form->Show();
    application.PaintDirtyForms();
    return instruments;
}

// One frame in which one instrument asked for a repaint: its paint, the compose of its area and
// the presentation.
void RunFrames(benchmark::State& state, std::unique_ptr<TPlatform> platform) {
    TApplication application(std::move(platform));
    std::vector<TInstrument*> instruments = BuildScreen(application);
    for (auto _ : state) {
        instruments[7]->Invalidate();
        application.PaintDirtyForms();
    }
}

void BM_ComposeOneDirtyControl(benchmark::State& state) {
    RunFrames(state, std::make_unique<THeadlessPlatform>());
}
BENCHMARK(BM_ComposeOneDirtyControl)->Unit(benchmark::kMicrosecond);

// The same frame shown in a real window, on whatever video driver SDL picks (dummy unless one
// was chosen).
void BM_ComposeAndPresentOneDirtyControl(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    RunFrames(state, std::make_unique<TSdlPlatform>());
}
BENCHMARK(BM_ComposeAndPresentOneDirtyControl)->Unit(benchmark::kMicrosecond);

} // namespace
