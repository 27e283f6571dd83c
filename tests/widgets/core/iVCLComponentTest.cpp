#include <gtest/gtest.h>

#include "../../gui/framework/TestControls.h"
#include "WidgetFixture.h"
#include "gui/graphics/Exception.h"

using Transparency = WidgetFixture;

TEST_F(Transparency, ShowsWhatLiesBeneathOnceAllFourTestPointsAreVisible) {
    auto* cover = new TFilledWindow(form, Bounds(100, 60, 40, 40), clGreen);
    auto* below = new TFilledPicture(form, Bounds(20, 20, 30, 30), clYellow);
    widget->SetNeedleColor(clBlack);
    widget->SetBackGroundColor(clAqua);
    widget->SetTransparent(true);
    Platform().AdvanceBy(20);
    // (Width - 5, Height - 5) lies under the later window: the widget's own colour stands in.
    EXPECT_EQ(At(25, 25), clAqua);

    // The capture is tried again at the next paint, whatever asked for it.
    cover->SetVisible(false);
    widget->SetCount(1);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(25, 25), clYellow);
    EXPECT_EQ(At(60, 25), clWhite);
    (void)below;
}

TEST_F(Transparency, TurningItOffBringsBackTheColourAndBorder) {
    widget->SetTransparent(true);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(30, 30), clWhite);
    widget->SetTransparent(false);
    widget->SetBorderStyle(ibsRaised);
    Platform().AdvanceBy(20);
    EXPECT_EQ(At(30, 30), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(20, 20), ColorToRGB(cl3DLight));
}

using InternalTimer = WidgetFixture;

TEST_F(InternalTimer, FirstShotAfterTheDelayThenEveryInterval) {
    std::vector<std::int64_t> ticks;
    const std::int64_t start = App().TickCount();
    widget->OnInternalTimer = [&](TObject*) { ticks.push_back(App().TickCount() - start); };

    widget->TimerStart(0, 0);
    EXPECT_FALSE(widget->TimerActive());

    widget->TimerStart(500, 100);
    widget->TimerStart(50, 10);
    Platform().AdvanceBy(820);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{500, 600, 700, 800}));

    widget->TimerStop();
    EXPECT_FALSE(widget->TimerActive());
    Platform().AdvanceBy(300);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(InternalTimer, DestroyingTheWidgetStopsItsTimer) {
    int ticks = 0;
    widget->OnInternalTimer = [&](TObject*) { ++ticks; };
    widget->TimerStart(0, 50);
    delete widget;
    Platform().AdvanceBy(200);
    EXPECT_EQ(ticks, 0);
}

using InputRouting = WidgetFixture;

TEST_F(InputRouting, HooksRunBeforeTheEventsAndFailuresInThemAreDropped) {
    std::vector<std::string> order;
    widget->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        order.push_back("OnMouseDown after " + widget->Hooks.back());
        throw Exception("Handler failed");
    };
    widget->OnClick = [&](TObject*) { order.push_back("OnClick"); };
    Platform().Click({30, 40});
    EXPECT_EQ(order, (std::vector<std::string>{"OnMouseDown after down 10,20", "OnClick"}));
    EXPECT_EQ(widget->Hooks.back(), "up 0 0 10,20");
    EXPECT_TRUE(Platform().ErrorMessages().empty());
}

TEST_F(InputRouting, TheReleaseHookRunsBeforeTheClickSoHandlersSeeItsEffect) {
    std::string lastHookAtClick;
    widget->OnClick = [&](TObject*) { lastHookAtClick = widget->Hooks.back(); };
    Platform().Click({30, 40});
    EXPECT_EQ(lastHookAtClick, "up 0 0 10,20");
}

TEST_F(InputRouting, KeyReleasesReachTheHookTwiceUnlessTheWidgetClaimedTheKey) {
    widget->SetTabStop(true);
    widget->SetFocus();
    widget->Hooks.clear();
    Platform().KeyUp('A', ssShift);
    Platform().KeyUp(VK_LEFT, ssShift);
    EXPECT_EQ(widget->Hooks, (std::vector<std::string>{"keyup 65 0", "keyup 65 1", "keyup 37 0"}));
}

TEST_F(InputRouting, LosingTheFocusEndsADragWithTheLeftButtonAtTheOrigin) {
    auto* other = new TFilledWindow(form, Bounds(200, 20, 30, 30), clGreen);
    widget->SetTabStop(true);
    widget->SetFocus();
    ASSERT_TRUE(widget->HasFocus());
    Platform().MouseDown({30, 30});
    widget->Hooks.clear();
    other->SetFocus();
    EXPECT_FALSE(widget->HasFocus());
    EXPECT_EQ(widget->Hooks, (std::vector<std::string>{"up 0 0 0,0"}));
}
