#include <gtest/gtest.h>

#include <vector>

#include "FrameworkFixture.h"
#include "TestControls.h"
#include "gui/framework/Form.h"
#include "gui/framework/Timer.h"

namespace {

class TimerTest : public FrameworkFixture {
protected:
    int CountTicks(int interval, std::int64_t ms) {
        TTimer timer(nullptr);
        timer.SetInterval(interval);
        int ticks = 0;
        timer.OnTimer = [&](TObject*) { ++ticks; };
        Platform().AdvanceBy(ms);
        return ticks;
    }
};

TEST_F(TimerTest, FiresOncePerIntervalOfVirtualTime) {
    EXPECT_EQ(CountTicks(3, 663), 221);
    EXPECT_EQ(CountTicks(130, 2340), 18);
    EXPECT_EQ(CountTicks(130, 2339), 17);
}

TEST_F(TimerTest, DueTimersFireInTimeOrderAcrossOneAdvance) {
    std::vector<std::string> order;
    TTimer slow(nullptr);
    slow.SetInterval(50);
    slow.OnTimer = [&](TObject*) { order.push_back("slow@" + std::to_string(App().TickCount())); };
    TTimer fast(nullptr);
    fast.SetInterval(20);
    fast.OnTimer = [&](TObject*) { order.push_back("fast@" + std::to_string(App().TickCount())); };
    Platform().AdvanceBy(100);
    EXPECT_EQ(order, (std::vector<std::string>{"fast@20", "fast@40", "slow@50", "fast@60",
                                               "fast@80", "slow@100", "fast@100"}));
}

TEST_F(TimerTest, DisablingStopsAndReenablingRestartsFromNow) {
    TTimer timer(nullptr);
    timer.SetInterval(100);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 2)
            timer.SetEnabled(false);
    };
    Platform().AdvanceBy(1000);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    Platform().AdvanceBy(99);
    EXPECT_EQ(ticks, 2);
    Platform().AdvanceBy(1);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, LateTimerFiresOnceNotInABurst) {
    TTimerQueue queue;
    int ticks = 0;
    queue.Start(0, 10, 10, [&] { ++ticks; });
    queue.FireDue(95);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(queue.NextDue(), 105);
}

TEST_F(TimerTest, InitialDelayThenPeriod) {
    std::vector<std::int64_t> at;
    App().StartTimer(500, 100, [&] { at.push_back(App().TickCount()); });
    Platform().AdvanceBy(750);
    EXPECT_EQ(at, (std::vector<std::int64_t>{500, 600, 700}));
}

TEST_F(TimerTest, ClosingTheMainFormFromATimerEndsTheLoop) {
    TForm* main = App().CreateForm<TForm>();
    TForm* other = App().CreateForm<TForm>();
    TTimer timer(nullptr);
    timer.SetInterval(130);
    timer.OnTimer = [&](TObject*) {
        if (App().TickCount() >= 390)
            main->Close();
    };
    App().Run();
    EXPECT_EQ(App().TickCount(), 390);
    EXPECT_TRUE(App().Terminated());
    EXPECT_FALSE(Platform().IdleForever());
    EXPECT_TRUE(main->Visible());
    EXPECT_FALSE(other->Visible());
}

TEST_F(TimerTest, TheLoopPaintsAtMostOncePerDisplayFrame) {
    TForm* main = App().CreateForm<TForm>();
    main->SetBounds(0, 0, 100, 100);
    auto* window = new TFilledWindow(main, Bounds(0, 0, 50, 50), clRed);
    TTimer busy(nullptr);
    busy.SetInterval(3);
    busy.OnTimer = [&](TObject*) {
        window->Invalidate();
        if (App().TickCount() >= 480)
            main->Close();
    };
    App().Run();
    // 480 ms hold 30 frames of 16 ms; the timer asked 160 times.
    EXPECT_GE(window->Paints(), 29);
    EXPECT_LE(window->Paints(), 31);
}

} // namespace
