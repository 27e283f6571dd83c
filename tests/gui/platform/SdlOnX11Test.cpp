#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>

#include "SdlFixture.h"
#include "XDisplayClient.h"
#include "gui/framework/Timer.h"

namespace {

// The SDL desktop on a real X display, where the loop sleeps on the display's connection. CTest
// runs these on a virtual display (the SdlOnXvfb test); by hand:
//   xvfb-run -a stend_tests --gtest_filter='SdlOnX11.*'
// Without a display they are skipped.
class SdlOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display: run under xvfb-run";
        m_driver.emplace("SDL_VIDEODRIVER", "x11");
        auto platform = std::make_unique<TSdlPlatform>();
        m_platform = platform.get();
        m_application = std::make_unique<TApplication>(std::move(platform));
    }

    TSdlPlatform& Platform() { return *m_platform; }
    // Ends SDL, so that a test may start it again.
    void EndApplication() { m_application.reset(); }
    TApplication& App() { return *m_application; }

    // A form at (40, 30) with a control at (50, 20) of it, 30 x 30.
    TForm* NewForm() {
        TForm* form = App().CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(40, 30, 200, 100);
        control = new TFilledControl(form, Bounds(50, 20, 30, 30), clRed);
        return form;
    }

    TFilledControl* control = nullptr;

private:
    std::optional<TScopedEnv> m_driver;
    TSdlPlatform* m_platform = nullptr;
    std::unique_ptr<TApplication> m_application;
};

// The compose table is skipped only while SDL starts, and never against the user's own choice.
TEST_F(SdlOnX11, StartingLeavesTheComposeSettingAsItFoundIt) {
    EndApplication();
    for (const char* setting : {static_cast<const char*>(nullptr), "/tmp/own-compose"}) {
        TScopedEnv compose("XCOMPOSEFILE", setting);
        {
            TSdlPlatform platform;
        }
        const char* after = std::getenv("XCOMPOSEFILE");
        if (setting)
            EXPECT_STREQ(after, setting);
        else
            EXPECT_EQ(after, nullptr);
    }
}

TEST_F(SdlOnX11, AnAnimatedFormWakesTheLoopOncePerTimerTick) {
    TForm* form = NewForm();
    int ticks = 0;
    TTimer animation(form);
    animation.SetInterval(10);
    animation.OnTimer = [&](TObject*) {
        control->SetColor(++ticks % 2 ? clBlue : clRed);
        if (ticks == 40)
            form->Close();
    };
    App().Run();
    EXPECT_EQ(ticks, 40);
    // Besides the ticks, the loop wakes only for the new window's own events.
    EXPECT_LE(Platform().WakeUps(), ticks + 10);
    // 400 ms of animation hold 25 display frames.
    EXPECT_LE(Platform().Presents(), 25 + 2);
}

TEST_F(SdlOnX11, InputArrivingWhileTheLoopSleepsIsHandledAtOnce) {
    TForm* form = NewForm();
    form->Show();
    App().PaintDirtyForms();
    bool moved = false;
    control->OnMouseMove = [&](TObject*, TShiftState, int, int) { moved = true; };
    std::thread user([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        MovePointerOnDisplay(40 + 60, 30 + 30);
    });
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const std::int64_t wakeUps = Platform().WakeUps();
    // Nothing else is due for three seconds.
    while (!moved && elapsed() < 3000)
        Platform().WaitAndDispatch(App().TickCount() + 3000);
    user.join();
    EXPECT_TRUE(moved);
    EXPECT_LT(elapsed(), 1500);
    // It slept meanwhile: a few wake-ups for the window's own events, no spinning.
    EXPECT_LE(Platform().WakeUps() - wakeUps, 10);
}

} // namespace
