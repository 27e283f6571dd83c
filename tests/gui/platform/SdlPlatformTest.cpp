#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <vector>

#include "SdlFixture.h"
#include "gui/framework/Timer.h"

namespace {

constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t Lime = 0x00FF00;
constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Black = 0x000000;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Days from 30 December 1899 to a civil date, by the proleptic Gregorian calendar.
long DaysSince1899(int year, int month, int day) {
    const auto civil = [](int y, int m, int d) {
        y -= m <= 2;
        const long era = (y >= 0 ? y : y - 399) / 400;
        const long yoe = y - era * 400;
        const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    };
    return civil(year, month, day) - civil(1899, 12, 30);
}

void Push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

SDL_Event WindowEvent(SDL_Window* window, SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(window);
    event.window.event = id;
    return event;
}

SDL_Event ButtonEvent(SDL_Window* window, Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(window);
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event MotionEvent(SDL_Window* window, int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(window);
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event KeyEvent(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event TextEvent(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof event.text.text - 1);
    return event;
}

SDL_Event WheelEvent(SDL_Window* window, float notches, Uint32 direction) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = SDL_GetWindowID(window);
    event.wheel.y = static_cast<Sint32>(notches);
    event.wheel.preciseY = notches;
    event.wheel.direction = direction;
    return event;
}

class SdlPlatformTest : public SdlFixture {
protected:
    // A blue 200 x 100 form at (40, 30) with a red control at (50, 20), 30 x 30.
    TForm* ShowTestForm() {
        TForm* form = App().CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(40, 30, 200, 100);
        form->SetColor(clBlue);
        m_control = new TFilledControl(form, Bounds(50, 20, 30, 30), clRed);
        form->Show();
        App().PaintDirtyForms();
        return form;
    }
    TFilledControl& Control() { return *m_control; }

private:
    TFilledControl* m_control = nullptr;
};

TEST_F(SdlPlatformTest, RunEndsWhenATimerClosesTheMainFormAndSleepsWhileIdle) {
    TForm* form = App().CreateForm<TForm>();
    form->SetBounds(0, 0, 320, 200);
    form->SetColor(clLime);
    bool shownWhileRunning = false;
    TTimer closer(form);
    closer.SetInterval(400);
    closer.OnTimer = [&](TObject*) {
        SDL_Window* window = WindowOf(*form);
        shownWhileRunning = window && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN);
        form->Close();
    };
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = CpuMs();
    App().Run();
    const double cpu = CpuMs() - cpuStart;
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
            .count();

    EXPECT_TRUE(App().Terminated());
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_EQ(WindowPixel(*form, 160, 100), Lime);
    // A loop that polled would wake hundreds of times in 400 ms; this one wakes for the window's
    // first events, the first paint and the timer.
    EXPECT_LT(Platform().WakeUps(), 20);
    EXPECT_LT(cpu, wall / 2) << "cpu " << cpu << " ms over " << wall << " ms";
}

TEST_F(SdlPlatformTest, WindowFollowsTheFormsPlaceStyleAndTheApplicationTitle) {
    App().SetTitle("Стенд");
    TForm* form = App().CreateForm<TForm>();
    form->SetBounds(40, 30, 200, 100);
    form->SetFormStyle(fsStayOnTop);
    form->Show();
    SDL_Window* window = WindowOf(*form);
    ASSERT_NE(window, nullptr);
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ((TRect{x, y, x + width, y + height}), Bounds(40, 30, 200, 100));
    const Uint32 flags = SDL_GetWindowFlags(window);
    EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
    EXPECT_TRUE(flags & SDL_WINDOW_ALWAYS_ON_TOP);
    EXPECT_TRUE(flags & SDL_WINDOW_SHOWN);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Стенд");

    form->SetBounds(100, 120, 300, 150);
    App().SetTitle("Генератор");
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ((TRect{x, y, x + width, y + height}), Bounds(100, 120, 300, 150));
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Генератор");

    form->Hide();
    EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN);
    form->Show();
    EXPECT_EQ(WindowOf(*form), window) << "a form keeps its window while it lives";
    delete form;
    EXPECT_EQ(WindowOf(*form), nullptr);
}

TEST_F(SdlPlatformTest, MaximizedFormCoversTheUsableDesktop) {
    SDL_Rect usable;
    ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0);
    EXPECT_EQ(Platform().DesktopBounds(), Bounds(usable.x, usable.y, usable.w, usable.h));
    TForm* form = App().CreateForm<TForm>();
    form->SetBounds(10, 10, 100, 100);
    form->SetWindowState(wsMaximized);
    form->Show();
    int width = 0, height = 0;
    SDL_GetWindowSize(WindowOf(*form), &width, &height);
    EXPECT_EQ(width, usable.w);
    EXPECT_EQ(height, usable.h);
}

TEST_F(SdlPlatformTest, PresentShowsTheBackBufferAndUploadsOnlyTheDirtyArea) {
    TForm* form = ShowTestForm();
    EXPECT_EQ(WindowPixel(*form, 10, 10), Blue);
    EXPECT_EQ(WindowPixel(*form, 50, 20), Red);
    EXPECT_EQ(WindowPixel(*form, 79, 49), Red);
    EXPECT_EQ(WindowPixel(*form, 80, 49), Blue);

    const std::int64_t presents = Platform().Presents();
    Control().SetColor(clLime);
    App().PaintDirtyForms();
    EXPECT_EQ(WindowPixel(*form, 50, 20), Lime);
    EXPECT_EQ(WindowPixel(*form, 79, 49), Lime);
    EXPECT_EQ(WindowPixel(*form, 49, 20), Blue);
    EXPECT_EQ(WindowPixel(*form, 80, 49), Blue);
    EXPECT_EQ(Platform().Presents(), presents + 1);
    App().PaintDirtyForms();
    EXPECT_EQ(Platform().Presents(), presents + 1) << "nothing to repaint, nothing presented";
}

TEST_F(SdlPlatformTest, ALargerWindowShowsTheFormScaledAndLetterboxedAndMapsThePointerBack) {
    TForm* form = ShowTestForm();
    SDL_Window* window = WindowOf(*form);
    std::vector<TPoint> presses;
    Control().OnMouseDown = [&](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(button, mbRight);
        EXPECT_TRUE(shift & ssRight);
        presses.push_back({x, y});
    };
    // As a window manager might: twice as wide and three times as high, so the picture is
    // doubled with black bands of 50 pixels above and below.
    SDL_SetWindowSize(window, 400, 300);
    Pump();
    EXPECT_EQ(WindowPixel(*form, 200, 20), Black);
    EXPECT_EQ(WindowPixel(*form, 200, 280), Black);
    EXPECT_EQ(WindowPixel(*form, 10, 60), Blue);
    EXPECT_EQ(WindowPixel(*form, 130, 120), Red);

    Push(ButtonEvent(window, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 110, 100));
    Push(ButtonEvent(window, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 110, 100));
    Pump();
    EXPECT_EQ(presses, (std::vector<TPoint>{{5, 5}}));
}

TEST_F(SdlPlatformTest, KeysAndTextReachTheFocusedControl) {
    ShowTestForm();
    Control().SetTabStop(true);
    Control().SetFocus();
    std::vector<std::pair<TKey, TShiftState>> downs;
    std::vector<TKey> ups;
    std::u32string typed;
    Control().OnKeyDown = [&](TObject*, TKey& key, TShiftState shift) {
        downs.emplace_back(key, shift);
    };
    Control().OnKeyUp = [&](TObject*, TKey& key, TShiftState) { ups.push_back(key); };
    Control().OnKeyPress = [&](TObject*, char32_t& key) { typed += key; };

    Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN));
    Push(KeyEvent(SDL_KEYUP, SDL_SCANCODE_RETURN, SDLK_RETURN));
    Push(TextEvent("Жa"));
    // A Cyrillic layout: the key of A types ф, but keeps its virtual-key code.
    Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_A, 0x0444, KMOD_LSHIFT));
    Pump();
    EXPECT_EQ(downs, (std::vector<std::pair<TKey, TShiftState>>{{VK_RETURN, 0}, {'A', ssShift}}));
    EXPECT_EQ(ups, (std::vector<TKey>{VK_RETURN}));
    EXPECT_EQ(typed, U"\rЖa");

    EXPECT_TRUE(Control().Accelerators().empty());

    // Alt with the key of A under a Cyrillic layout: SDL reports the key down and the text "ф".
    SDL_SetModState(KMOD_LALT);
    Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_A, 0x0444, KMOD_LALT));
    Push(TextEvent("ф"));
    Pump();
    SDL_SetModState(KMOD_NONE);
    EXPECT_EQ(Control().Accelerators(), U"ф");
    EXPECT_EQ(typed, U"\rЖa") << "Alt with a key picks an accelerator and types nothing";
}

TEST_F(SdlPlatformTest, WheelTurnsByNotchesAtThePointer) {
    TForm* form = ShowTestForm();
    SDL_Window* window = WindowOf(*form);
    SDL_WarpMouseInWindow(window, 60, 30);
    Push(WheelEvent(window, 1, SDL_MOUSEWHEEL_NORMAL));
    Push(WheelEvent(window, -2, SDL_MOUSEWHEEL_NORMAL));
    Push(WheelEvent(window, 1, SDL_MOUSEWHEEL_FLIPPED));
    Pump();
    EXPECT_EQ(Control().Wheel(), 120 - 240 - 120);

    SDL_WarpMouseInWindow(window, 10, 10);
    Push(WheelEvent(window, 1, SDL_MOUSEWHEEL_NORMAL));
    Pump();
    EXPECT_EQ(Control().Wheel(), -240) << "the pointer is over the bare form";
}

TEST_F(SdlPlatformTest, LeavingTheWindowEndsTheHover) {
    TForm* form = ShowTestForm();
    SDL_Window* window = WindowOf(*form);
    Push(MotionEvent(window, 60, 30));
    Pump();
    EXPECT_EQ(App().Input().Hover(), &Control());
    Push(WindowEvent(window, SDL_WINDOWEVENT_LEAVE));
    Pump();
    EXPECT_EQ(App().Input().Hover(), nullptr);
    EXPECT_EQ(Control().Leaves(), 1);
}

TEST_F(SdlPlatformTest, CloseRequestClosesItsFormAndQuitClosesTheMainForm) {
    TForm* main = ShowTestForm();
    TForm* second = App().CreateForm<TForm>();
    second->SetBounds(300, 300, 100, 100);
    second->Show();
    int mainCloses = 0;
    main->OnClose = [&](TObject*, TCloseAction&) { ++mainCloses; };

    Push(WindowEvent(WindowOf(*second), SDL_WINDOWEVENT_CLOSE));
    Pump();
    EXPECT_FALSE(second->Visible());
    EXPECT_TRUE(SDL_GetWindowFlags(WindowOf(*second)) & SDL_WINDOW_HIDDEN);
    EXPECT_FALSE(App().Terminated());

    // The window manager's close is the desktop's, which a form may answer on its own.
    int answers = 0;
    second->OnDesktopClose = [&](TObject*) { ++answers; };
    second->Show();
    Push(WindowEvent(WindowOf(*second), SDL_WINDOWEVENT_CLOSE));
    Pump();
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(second->Visible());

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
    Pump();
    EXPECT_EQ(mainCloses, 1);
    EXPECT_TRUE(App().Terminated());
}

TEST_F(SdlPlatformTest, HiddenPointerComesBackWithTheNextShape) {
    Platform().SetCursor(crNone);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    Platform().SetCursor(crHandPoint);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    Platform().SetCursor(crDefault);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(SdlPlatformTest, ClockCountsMillisecondsAndNowIsTheLocalDateAndTime) {
    const std::int64_t first = Platform().TickCount();
    const std::time_t seconds = std::time(nullptr);
    const TDateTime now = Platform().Now();
    std::tm local{};
    localtime_r(&seconds, &local);
    const double expected = DaysSince1899(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
                            (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
    EXPECT_NEAR(now, expected, 2.0 / 86400.0);
    SDL_Delay(20);
    EXPECT_GE(Platform().TickCount() - first, 20);
}

} // namespace
