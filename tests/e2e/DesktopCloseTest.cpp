#include "ProgramFixture.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Screens.h"
#include "stand/Form2.h"

// The desktop's close (Alt+F4, a window manager's button, the task bar) on each screen, against
// the program's own closes, which must stay as they were.
class DesktopClose : public ProgramFixture {
protected:
    void StartAtTheMenu() {
        Start();
        FinishSplash();
    }
    bool FullScreensEnabled() { return Form2->Enabled() && Form3->Enabled() && Form4->Enabled(); }
    void ShowDialogOverTheTheory() {
        Click(*Form3, "Image3");
        Remove("ico");
        Press(*Form4, "Image4");
        Desktop().MouseUp({1, 1});
        ASSERT_TRUE(Form5->Visible());
        ASSERT_FALSE(FullScreensEnabled());
    }
};

class DesktopCloseOnAFullScreen : public DesktopClose, public ::testing::WithParamInterface<int> {
protected:
    TForm& Screen() {
        TForm* screens[] = {Form2, Form3, Form4};
        return *screens[GetParam() - 2];
    }
};

TEST_P(DesktopCloseOnAFullScreen, EndsTheProgram) {
    StartAtTheMenu();
    Screen().Show();
    Desktop().DesktopClose(Screen());
    EXPECT_TRUE(App().Terminated());
}

INSTANTIATE_TEST_SUITE_P(Screens, DesktopCloseOnAFullScreen, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return "TForm" + std::to_string(info.param); });

TEST_F(DesktopClose, OnTheSplashEndsTheProgram) {
    Start();
    ASSERT_TRUE(Form1->Visible());
    Desktop().DesktopClose(*Form1);
    EXPECT_TRUE(App().Terminated());
}

TEST_F(DesktopClose, OnTheDialogGoesBackAsNetDoes) {
    StartAtTheMenu();
    ShowDialogOverTheTheory();
    Desktop().DesktopClose(*Form5);
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(FullScreensEnabled());
    EXPECT_TRUE(Front(*Form4)) << "back to the screen that was in front";
    EXPECT_FALSE(App().Terminated());
}

TEST_F(DesktopClose, OnAFullScreenBeneathTheDialogIsIgnoredLikeItsClicks) {
    StartAtTheMenu();
    ShowDialogOverTheTheory();
    Desktop().DesktopClose(*Form4);
    EXPECT_FALSE(App().Terminated());
    EXPECT_TRUE(Form5->Visible());
    EXPECT_TRUE(Form4->Visible());
}

TEST_F(DesktopClose, TheProgramsOwnClosesAreUnchanged) {
    // Closing a screen from the program only hides it, as "НЕТ" closes the dialog.
    StartAtTheMenu();
    Click(*Form3, "Image2");
    Form2->Close();
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(App().Terminated());

    ShowDialogOverTheTheory();
    Click(*Form5, "SpeedButton2");
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(FullScreensEnabled());
    EXPECT_FALSE(App().Terminated());
}
