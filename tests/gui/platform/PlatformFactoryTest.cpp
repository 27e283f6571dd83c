#include <gtest/gtest.h>

#include "SdlFixture.h"
#include "gui/platform/PlatformFactory.h"
#include "gui/platform/headless/HeadlessPlatform.h"

namespace {

class PlatformFactoryTest : public ::testing::Test {
protected:
    TScopedEnv m_display{"DISPLAY", nullptr};
    TScopedEnv m_wayland{"WAYLAND_DISPLAY", nullptr};
};

TEST_F(PlatformFactoryTest, WithoutADisplayTheDesktopIsHeadless) {
    TScopedEnv driver("SDL_VIDEODRIVER", nullptr);
    const auto platform = CreatePlatform();
    EXPECT_NE(dynamic_cast<THeadlessPlatform*>(platform.get()), nullptr);
}

TEST_F(PlatformFactoryTest, ANamedVideoDriverGivesRealWindows) {
    TScopedEnv driver("SDL_VIDEODRIVER", "dummy");
    const auto platform = CreatePlatform();
    EXPECT_NE(dynamic_cast<TSdlPlatform*>(platform.get()), nullptr);
}

TEST_F(PlatformFactoryTest, ADisplayThatCannotBeOpenedFallsBackToHeadless) {
    TScopedEnv display("DISPLAY", ":9999");
    TScopedEnv driver("SDL_VIDEODRIVER", "x11");
    const auto platform = CreatePlatform();
    EXPECT_NE(dynamic_cast<THeadlessPlatform*>(platform.get()), nullptr);
}

} // namespace
