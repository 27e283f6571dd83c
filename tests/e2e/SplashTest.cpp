#include "ProgramFixture.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Screens.h"
#include "gui/controls/Image.h"
#include "gui/framework/Timer.h"

namespace {

// Tells which form the desktop was first given to show, and how many screens existed then.
class TFirstPresentWatch : public THeadlessPlatform {
public:
    void Present(TForm& form, const std::vector<TRect>& areas) override {
        if (!firstForm) {
            firstForm = &form;
            screensThen = Application->FormCount();
        }
        THeadlessPlatform::Present(form, areas);
    }

    TForm* firstForm = nullptr;
    int screensThen = 0;
};

// The pictures a screen shows: how many hold their pixels, how many only their files.
struct TPictures {
    int Decoded = 0;
    int Pending = 0;
};

TPictures PicturesOf(const TForm& form) {
    TPictures pictures;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* image = dynamic_cast<const TImage*>(form.Components(i))) {
            pictures.Pending += image->PixelsPending();
            // Asking a pending picture would decode it.
            pictures.Decoded += !image->PixelsPending() && !image->Picture().Empty();
        }
    return pictures;
}

int VisibleBlocks() {
    int count = 0;
    for (int i = 0; i < TForm1::BlockCount; ++i)
        if (Form1->Block(i).Visible()) {
            EXPECT_EQ(i, count) << "blocks must fill up from the left without gaps";
            ++count;
        }
    return count;
}

} // namespace

using Splash = ProgramFixture;

TEST_F(Splash, StartsAsTheOnlyVisibleScreenWithTheFirstBlockAndTheTitle) {
    Start();
    EXPECT_EQ(App().Title(), "Стенд");
    EXPECT_EQ(App().MainForm(), Form1);
    ASSERT_EQ(App().FormCount(), 5);
    for (int i = 1; i < App().FormCount(); ++i)
        EXPECT_FALSE(App().Forms(i)->Visible()) << i;
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->ClientWidth(), 451);
    EXPECT_EQ(Form1->ClientHeight(), 353);
    EXPECT_EQ(VisibleBlocks(), 1);
    for (int i = 0; i < TForm1::BlockCount; ++i)
        EXPECT_EQ(Form1->Block(i).Left(), 16 + 24 * i) << i;
}

TEST_F(Splash, IsOnScreenWhileTheOtherScreensAreBuilt) {
    auto platform = std::make_unique<TFirstPresentWatch>();
    const TFirstPresentWatch& watch = *platform;
    TProgram program(std::move(platform));
    EXPECT_EQ(watch.firstForm, Form1);
    EXPECT_EQ(watch.screensThen, 1);
    EXPECT_TRUE(Form1->Visible());
    ASSERT_EQ(program.App().FormCount(), 5);
    for (int i = 1; i < program.App().FormCount(); ++i)
        EXPECT_FALSE(program.App().Forms(i)->Visible()) << i;
    EXPECT_EQ(program.App().ActiveForm(), Form1);
}

// The splash is drawn from the pixels read with its layout; the other screens hold only their
// pictures' files until they are shown.
TEST_F(Splash, OnlyShownScreensHoldTheirPicturesPixels) {
    Start();
    EXPECT_GT(PicturesOf(*Form1).Decoded, 0);
    EXPECT_EQ(PicturesOf(*Form1).Pending, 0);
    int pending = 0;
    for (int i = 1; i < App().FormCount(); ++i) {
        pending += PicturesOf(*App().Forms(i)).Pending;
        EXPECT_EQ(PicturesOf(*App().Forms(i)).Decoded, 0) << App().Forms(i)->Name();
    }
    EXPECT_GT(pending, 0);
    FinishSplash();
    ASSERT_TRUE(Form3->Visible());
    EXPECT_GT(PicturesOf(*Form3).Decoded, 0);
    EXPECT_EQ(PicturesOf(*Form3).Pending, 0);
}

TEST_F(Splash, EachTickRevealsOneBlockAndTheEighteenthHandsOverToTheMenu) {
    Start();
    for (int tick = 1; tick <= 17; ++tick) {
        Advance(130);
        ASSERT_EQ(VisibleBlocks(), tick + 1) << "tick " << tick;
        ASSERT_TRUE(Form1->Visible()) << "tick " << tick;
    }
    Advance(129);
    EXPECT_TRUE(Form1->Visible()) << "not before 18 x 130 ms";
    Advance(1);
    EXPECT_FALSE(Form1->Visible());
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Front(*Form3));
    EXPECT_FALSE(dynamic_cast<TTimer&>(*Form1->FindComponent("Timer1")).Enabled());
    EXPECT_EQ(VisibleBlocks(), TForm1::BlockCount);
    EXPECT_FALSE(App().Terminated()) << "hiding the main window must not end the program";
}
