#include <gtest/gtest.h>

#include "StackedFormFixture.h"

namespace {

using Log = std::vector<std::string>;

using InputRouterTest = StackedFormFixture;

TEST_F(InputRouterTest, ThePressGoesToTheTopMostControlUnderThePointer) {
    Platform().Click({120, 120});
    EXPECT_EQ(upper->Log(), (Log{"focus", "down 20,20", "click", "up 20,20"}));
    EXPECT_EQ(lower->Log(), Log{"blur"});

    Platform().AdvanceBy(1000);
    Platform().Click({60, 60});
    EXPECT_EQ(lower->Log().end()[-2], "click");
    EXPECT_EQ(picture->Clicks(), 0);

    Platform().AdvanceBy(1000);
    Platform().Click({20, 20});
    EXPECT_EQ(picture->Clicks(), 1);
    Platform().AdvanceBy(1000);
    Platform().Click({300, 250});
    EXPECT_EQ(formClicks, 1);
}

TEST_F(InputRouterTest, WhileAButtonIsHeldEverythingGoesToThePressedControl) {
    std::vector<TPoint> moves;
    lower->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    Platform().MouseDown({60, 60});
    Platform().MouseMove({170, 170});
    Platform().MouseUp({170, 170});
    EXPECT_EQ(moves, (std::vector<TPoint>{{120, 120}}));
    EXPECT_EQ(lower->Log(), (Log{"down 10,10", "up 120,120"}));
    EXPECT_TRUE(upper->Log().empty());

    // Released, the pointer belongs to whatever lies beneath it again.
    Platform().MouseMove({171, 171});
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(InputRouterTest, AClickNeedsThePressAndTheReleaseOnTheSameControl) {
    Platform().MouseDown({60, 60});
    Platform().MouseMove({300, 250});
    Platform().MouseMove({70, 70});
    Platform().MouseUp({70, 70});
    EXPECT_EQ(lower->Log(), (Log{"down 10,10", "click", "up 20,20"}));

    Platform().AdvanceBy(1000);
    lower->Log().clear();
    Platform().MouseDown({60, 60});
    Platform().MouseUp({300, 250});
    EXPECT_EQ(lower->Log(), (Log{"down 10,10", "up 250,200"}));
    EXPECT_EQ(formClicks, 0);
}

TEST_F(InputRouterTest, ASecondPressSoonOnTheSameSpotIsADoubleClick) {
    Platform().DoubleClick({60, 60});
    EXPECT_EQ(lower->Log(),
              (Log{"down 10,10", "click", "up 10,10", "dblclick", "double 10,10", "up 10,10"}));

    lower->Log().clear();
    Platform().AdvanceBy(501);
    Platform().Click({60, 60});
    Platform().AdvanceBy(501);
    Platform().Click({60, 60});
    EXPECT_EQ(lower->Log(),
              (Log{"down 10,10", "click", "up 10,10", "down 10,10", "click", "up 10,10"}));
}

TEST_F(InputRouterTest, ADisabledFormOrControlIgnoresEveryInput) {
    form->SetEnabled(false);
    Platform().Click({60, 60});
    Platform().MouseWheel({60, 60}, 120);
    Platform().PressKey('A', 0, U'a');
    // Disabling the form took the focus away; nothing else reached the control.
    EXPECT_EQ(lower->Log(), Log{"blur"});
    EXPECT_EQ(formClicks, 0);

    form->SetEnabled(true);
    lower->SetEnabled(false);
    Platform().Click({60, 60});
    EXPECT_EQ(lower->Log(), Log{"blur"});
    EXPECT_EQ(formClicks, 0);
    Platform().AdvanceBy(1000);
    lower->SetEnabled(true);
    Platform().Click({60, 60});
    EXPECT_EQ(lower->Log().end()[-2], "click");
}

TEST_F(InputRouterTest, KeysGoToTheFocusedControlAndTheWheelToThePointedOne) {
    upper->SetFocus();
    Platform().PressKey('A', 0, U'a');
    EXPECT_EQ(upper->Log(), (Log{"focus", "key 65", "char 97"}));
    Platform().MouseWheel({60, 60}, -120);
    EXPECT_EQ(lower->Log().back(), "wheel -120");
}

TEST_F(InputRouterTest, AltWithTheMarkedCharacterReachesTheAcceleratedControl) {
    upper->SetText("&Пуск");
    lower->SetText("&Stop");
    Platform().PressKey('S', ssAlt);
    EXPECT_EQ(lower->Log(), (Log{"key 83", "accel"}));
    EXPECT_TRUE(upper->Log().empty());
}

TEST_F(InputRouterTest, TheLayoutCharacterPicksACyrillicAccelerator) {
    upper->SetText("&Выход");
    // The key under "В" on a Russian layout is the one marked D.
    Platform().PressKey('D', ssAlt, U'в');
    EXPECT_EQ(upper->Log(), (Log{"accel"}));
}

TEST_F(InputRouterTest, ThePointerTakesTheShapeOfTheControlBeneathIt) {
    upper->SetCursor(crHandPoint);
    Platform().MouseMove({150, 150});
    EXPECT_EQ(Platform().Cursor(), crHandPoint);
    upper->SetCursor(crIBeam);
    EXPECT_EQ(Platform().Cursor(), crIBeam);
    lower->SetCursor(crCross);
    EXPECT_EQ(Platform().Cursor(), crIBeam);
    Platform().MouseMove({300, 250});
    EXPECT_EQ(Platform().Cursor(), crDefault);
}

class FocusOrderTest : public FrameworkFixture {
protected:
    FocusOrderTest() {
        form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 400, 300);
        for (int i = 0; i < 4; ++i)
            windows.push_back(new TFilledWindow(form, Bounds(10 + 60 * i, 10, 50, 50), clGray));
        windows[0]->SetTabOrder(2);
        windows[1]->SetTabOrder(0);
        windows[2]->SetTabStop(false);
        windows[3]->SetTabOrder(1);
    }

    TWinControl* Focused() { return App().Input().Focused(); }

    TForm* form = nullptr;
    std::vector<TFilledWindow*> windows;
};

TEST_F(FocusOrderTest, TabWalksTheTabStopsInTabOrderAndShiftTabWalksBack) {
    form->Show();
    EXPECT_EQ(Focused(), windows[1]);
    Platform().PressKey(VK_TAB);
    EXPECT_EQ(Focused(), windows[3]);
    Platform().PressKey(VK_TAB);
    EXPECT_EQ(Focused(), windows[0]);
    Platform().PressKey(VK_TAB);
    EXPECT_EQ(Focused(), windows[1]);
    Platform().PressKey(VK_TAB, ssShift);
    EXPECT_EQ(Focused(), windows[0]);
    // Tab moved the focus instead of reaching the control.
    EXPECT_EQ(std::count(windows[0]->Log().begin(), windows[0]->Log().end(), "key 9"), 0);
}

TEST_F(FocusOrderTest, AClickFocusesAndTheOldControlHearsFirst) {
    form->Show();
    std::vector<std::string> order;
    windows[1]->OnExit = [&](TObject*) { order.push_back("exit 1"); };
    windows[2]->OnEnter = [&](TObject*) { order.push_back("enter 2"); };
    Platform().Click({10 + 120 + 5, 15});
    EXPECT_EQ(Focused(), windows[2]);
    EXPECT_EQ(windows[1]->Log(), (Log{"focus", "blur"}));
    EXPECT_EQ(windows[2]->Log().front(), "focus");
    EXPECT_EQ(order, (std::vector<std::string>{"exit 1", "enter 2"}));
}

TEST_F(FocusOrderTest, HidingTheFocusedControlTakesTheFocusAway) {
    form->Show();
    windows[1]->Hide();
    EXPECT_EQ(Focused(), nullptr);
    EXPECT_EQ(windows[1]->Log(), (Log{"focus", "blur"}));
}

} // namespace
