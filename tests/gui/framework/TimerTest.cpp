#include <gtest/gtest.h>

#include <vector>

#include "FrameworkFixture.h"
#include "TestControls.h"
#include "gui/framework/Form.h"
#include "gui/framework/Timer.h"

namespace {

// A window that notes the clock at each of its paints.
class TTimedWindow : public TFilledWindow {
public:
    using TFilledWindow::TFilledWindow;
    const std::vector<std::int64_t>& PaintTimes() const { return m_times; }

protected:
    void Paint() override {
        m_times.push_back(Application->TickCount());
        TFilledWindow::Paint();
    }

private:
    std::vector<std::int64_t> m_times;
};

class TimerTest : public FrameworkFixture {
protected:
    TTimedWindow* ShowTimedWindow() {
        TForm* main = App().CreateForm<TForm>();
        main->SetBounds(0, 0, 100, 100);
        return new TTimedWindow(main, Bounds(0, 0, 50, 50), clRed);
    }

    // Runs the loop with a timer that asks the window to repaint on every tick until the
    // program ends at the given time; returns when the window painted.
    std::vector<std::int64_t> RunAnimation(int interval, std::int64_t until) {
        TTimedWindow* window = ShowTimedWindow();
        TTimer busy(nullptr);
        busy.SetInterval(interval);
        busy.OnTimer = [&](TObject*) {
            window->Invalidate();
            if (App().TickCount() >= until)
                App().MainForm()->Close();
        };
        App().Run();
        return window->PaintTimes();
    }

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
    // The timer asks 160 times in 480 ms.
    const std::vector<std::int64_t> paints = RunAnimation(3, 480);
    ASSERT_GE(paints.size(), 25u);
    for (std::size_t i = 1; i < paints.size(); ++i) {
        EXPECT_GE(paints[i] - paints[i - 1], 16) << "paint " << i;
        // Painted at the first tick after the frame's time, which wakes the loop anyway.
        EXPECT_LE(paints[i] - paints[i - 1], 16 + 3) << "paint " << i;
    }
}

TEST_F(TimerTest, AnAnimationFasterThanTheDisplayWakesTheLoopOnlyForItsTicks) {
    const std::vector<std::int64_t> paints = RunAnimation(10, 500);
    // Fifty ticks, the last of which ends the program, and no wake-up for a frame alone.
    EXPECT_EQ(Platform().WakeUps(), 50);
    std::vector<std::int64_t> every20;
    for (std::int64_t t = 0; t < 500; t += 20)
        every20.push_back(t);
    EXPECT_EQ(paints, every20);
}

TEST_F(TimerTest, AFrameWaitsForATimerDueShortlyAfterItsTimeButNoLonger) {
    TTimedWindow* window = ShowTimedWindow();
    // Dirty at 5: the frame is due at 16 and a timer at 22 shows its change in the same frame.
    App().StartTimer(5, 1000, [&] { window->Invalidate(); });
    App().StartTimer(22, 1000, [&] { window->SetColor(clBlue); });
    // Dirty at 25: the frame is due at 38 and the next timer, at 60, is too far off.
    App().StartTimer(25, 1000, [&] { window->Invalidate(); });
    App().StartTimer(60, 1000, [&] { App().MainForm()->Close(); });
    App().Run();
    EXPECT_EQ(window->PaintTimes(), (std::vector<std::int64_t>{0, 22, 38}));
}

} // namespace
