#include <gtest/gtest.h>

#include "SdlFixture.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/PlatformFactory.h"

namespace {

class PlatformFactoryTest : public ::testing::Test {
protected:
    // The one line the program prints when it cannot show its windows.
    static std::string Refusal() {
        try {
            CreatePlatform();
        } catch (const Exception& error) {
            return error.what();
        }
        ADD_FAILURE() << "a platform was made";
        return {};
    }

    TScopedEnv m_display{"DISPLAY", nullptr};
    TScopedEnv m_wayland{"WAYLAND_DISPLAY", nullptr};
};

TEST_F(PlatformFactoryTest, WithoutADisplayTheProgramIsToldHowToRunAndGetsNoHeadlessDesktop) {
    TScopedEnv driver("SDL_VIDEODRIVER", nullptr);
    const std::string refusal = Refusal();
    EXPECT_NE(refusal.find("DISPLAY"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("xvfb-run"), std::string::npos) << refusal;
    EXPECT_EQ(refusal.find('\n'), std::string::npos) << refusal;
}

TEST_F(PlatformFactoryTest, ANamedVideoDriverGivesRealWindows) {
    TScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    const auto platform = CreatePlatform();
    EXPECT_NE(dynamic_cast<TSdlPlatform*>(platform.get()), nullptr);
}

TEST_F(PlatformFactoryTest, ADisplayThatCannotBeOpenedIsNamedWithTheReason) {
    TScopedEnv display("DISPLAY", ":9999");
    TScopedEnv driver("SDL_VIDEODRIVER", "x11");
    const std::string refusal = Refusal();
    EXPECT_NE(refusal.find(":9999"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("xvfb-run"), std::string::npos) << refusal;
}

TEST_F(PlatformFactoryTest, WindowPixelsNeedNoGlDriverUnlessTheUserAsksForOne) {
    TScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    {
        TScopedEnv unset("SDL_FRAMEBUFFER_ACCELERATION", nullptr);
        const auto platform = CreatePlatform();
        EXPECT_STREQ(SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION), "0");
    }
    TScopedEnv asked("SDL_FRAMEBUFFER_ACCELERATION", "opengl");
    const auto platform = CreatePlatform();
    EXPECT_STREQ(SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION), "opengl");
}

} // namespace
