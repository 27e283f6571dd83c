#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SdlFixture.h"
#include "gui/framework/FormCompositor.h"
#include "gui/graphics/Bitmap.h"

namespace {

// Shows a maximized form on a real X server, captures the screen with imagemagick and compares
// it with the form's back buffer, which is what the headless backend would show. Run under
//   STEND_XVFB_CHECK=<folder> xvfb-run -a -s "-screen 0 1024x768x24" stend_tests
// and both pictures are left in the folder as xvfb.png and headless.png.
class SdlXvfbCheck : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("STEND_XVFB_CHECK");
        if (!folder)
            GTEST_SKIP() << "set STEND_XVFB_CHECK to a folder and run under xvfb-run";
        m_folder = folder;
    }

    // Serves the window's first events (map, expose) for a moment, as the loop would.
    static void Settle(TSdlPlatform& platform, TApplication& application) {
        const std::int64_t end = application.TickCount() + 300;
        while (application.TickCount() < end) {
            if (application.HasDirtyForms())
                application.PaintDirtyForms();
            platform.WaitAndDispatch(end);
        }
    }

    std::string m_folder;
};

TEST_F(SdlXvfbCheck, ScreenShowsExactlyTheBackBuffer) {
    TScopedEnv driver("SDL_VIDEODRIVER", "x11");
    auto owned = std::make_unique<TSdlPlatform>();
    TSdlPlatform& platform = *owned;
    TApplication application(std::move(owned));
    TForm* form = application.CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetWindowState(wsMaximized);
    new TFilledControl(form, Bounds(100, 100, 200, 150), clRed);
    new TFilledControl(form, Bounds(350, 120, 150, 250), clLime);
    new TFilledControl(form, Bounds(560, 300, 300, 200), clBlue);
    new TFilledControl(form, Bounds(250, 200, 200, 200), clYellow);
    new TFilledControl(form, Bounds(0, 700, 1024, 68), clBlack);
    form->Show();
    application.PaintDirtyForms();
    Settle(platform, application);

    const std::string captured = m_folder + "/xvfb.png";
    const std::string composed = m_folder + "/headless.png";
    ASSERT_EQ(std::system(("import -window root " + captured).c_str()), 0);
    const TBitmap& backBuffer = form->Compositor().BackBuffer();
    backBuffer.SaveToPngFile(composed);

    const TRect window = form->ScreenRect();
    ASSERT_TRUE(form->Viewport().Identity()) << "the comparison needs a 1024 x 768 screen";
    TBitmap screen;
    screen.LoadFromFile(captured);
    int differing = 0;
    for (int y = 0; y < backBuffer.Height(); ++y)
        for (int x = 0; x < backBuffer.Width(); ++x)
            differing += screen.Pixel(window.Left + x, window.Top + y) != backBuffer.Pixel(x, y);
    EXPECT_EQ(differing, 0);
}

} // namespace
