#include "app/Form1.h"

#include "app/Form3.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/controls/Image.h"
#include "gui/framework/Timer.h"
#include "gui/streaming/HandlerTable.h"

namespace {

// The blocks' names from left to right, as the layout has always called them.
constexpr std::array<const char*, TForm1::BlockCount> BlockNames{
    "Image19", "Image14", "Image15", "Image16", "Image17", "Image18",
    "Image10", "Image11", "Image12", "Image13", "Image2",  "Image3",
    "Image4",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9"};

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    Form1 = this;
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("Timer1Timer", [this](TObject*) { Timer1Timer(); });
    ReadScreenLayout(*this, "TForm1", "layouts/Form1.txt", handlers);
    for (int i = 0; i < BlockCount; ++i)
        m_blocks[i] = &LayoutPart<TImage>(*this, BlockNames[i]);
    m_timer1 = &LayoutPart<TTimer>(*this, "Timer1");
}

TForm1::~TForm1() {
    Form1 = nullptr;
}

// The visible blocks are the splash's only state. Once the last one shows, the menu takes over;
// testing the pairs from the right end leftwards lets each tick reveal exactly one more block.
void TForm1::Timer1Timer() {
    if (m_blocks.back()->Visible()) {
        m_timer1->SetEnabled(false);
        Hide();
        Form3->Show();
    }
    for (int i = BlockCount - 2; i >= 0; --i)
        if (m_blocks[i]->Visible())
            m_blocks[i + 1]->Show();
}
