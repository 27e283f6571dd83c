#include "gui/platform/sdl/SdlPlatform.h"

#include <poll.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"
#include "gui/framework/Utf8.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/ShellOpen.h"
#include "gui/platform/sdl/SdlDisplayConnection.h"
#include "gui/platform/sdl/SdlInput.h"
#include "gui/platform/sdl/SdlWindow.h"

namespace {

// The classic wheel reports this much per notch.
constexpr int WheelDelta = 120;

SDL_SystemCursor CursorShape(TCursor cursor) {
    switch (cursor) {
    case crHandPoint:
        return SDL_SYSTEM_CURSOR_HAND;
    case crIBeam:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case crCross:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crSizeNESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case crSizeNS:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeNWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case crSizeWE:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case crSizeAll:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case crNo:
        return SDL_SYSTEM_CURSOR_NO;
    case crHourGlass:
        return SDL_SYSTEM_CURSOR_WAIT;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// SDL opens the input method while it starts, and Xlib then reads the locale's whole compose
// table, thousands of lines, at a cost of a good part of the start-up. No screen takes composed
// text, so the table is left empty. A user's own XCOMPOSEFILE still wins, and the setting goes
// once SDL has started, so programs started later (the help viewer) read the usual table.
int InitVideoWithoutComposeTable() {
    constexpr const char* compose = "XCOMPOSEFILE";
    const bool userSetting = std::getenv(compose) != nullptr;
    if (!userSetting)
        setenv(compose, "/dev/null", 1);
    const int result = SDL_Init(SDL_INIT_VIDEO);
    if (!userSetting)
        unsetenv(compose);
    return result;
}

TForm* FormOf(TControl* control) {
    return control->Parent() ? control->Parent() : static_cast<TForm*>(control);
}

} // namespace

TSdlPlatform::TSdlPlatform() {
    // A click on an inactive window acts at once, as on the classic desktop.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The program ends when its main form closes, not when SDL counts windows.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A teaching program left open must not keep the screen awake.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The program draws every pixel itself; an accelerated window surface would only load a GL
    // driver (some 80 MB resident) to copy them. A user's own SDL_FRAMEBUFFER_ACCELERATION
    // still wins, since SDL prefers the environment over a hint set like this.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (InitVideoWithoutComposeTable() != 0) {
        const std::string reason = SDL_GetError();
        SDL_Quit();
        throw Exception(reason);
    }
    SDL_StartTextInput();
}

TSdlPlatform::~TSdlPlatform() {
    m_windows.clear();
    for (SDL_Cursor* cursor : m_cursors)
        if (cursor)
            SDL_FreeCursor(cursor);
    SDL_StopTextInput();
    SDL_Quit();
}

std::int64_t TSdlPlatform::TickCount() {
    return static_cast<std::int64_t>(SDL_GetTicks64());
}

TDateTime TSdlPlatform::Now() {
    return LocalNow();
}

TRect TSdlPlatform::DesktopBounds() {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return {0, 0, TForm::LogicalScreenWidth, TForm::LogicalScreenHeight};
    return Bounds(usable.x, usable.y, usable.w, usable.h);
}

void TSdlPlatform::FormShown(TForm& form) {
    auto found = m_windows.find(&form);
    if (found == m_windows.end())
        found = m_windows.emplace(&form, std::make_unique<TSdlWindow>(form)).first;
    TSdlWindow& window = *found->second;
    if (m_connection < 0)
        m_connection = SdlDisplayConnection(window.Handle());
    window.Apply(Application->Title());
    window.Show();
    window.Raise();
}

void TSdlPlatform::FormHidden(TForm& form) {
    if (const auto found = m_windows.find(&form); found != m_windows.end())
        found->second->Hide();
}

void TSdlPlatform::FormRaised(TForm& form) {
    if (const auto found = m_windows.find(&form); found != m_windows.end())
        found->second->Raise();
}

void TSdlPlatform::FormChanged(TForm& form) {
    if (const auto found = m_windows.find(&form); found != m_windows.end())
        found->second->Apply(Application->Title());
}

void TSdlPlatform::FormDestroyed(TForm& form) {
    m_windows.erase(&form);
}

void TSdlPlatform::Present(TForm& form, const std::vector<TRect>& areas) {
    const auto found = m_windows.find(&form);
    if (found == m_windows.end())
        return;
    found->second->Present(form.Compositor().BackBuffer(), areas);
    ++m_presents;
}

void TSdlPlatform::SetCursor(TCursor cursor) {
    if (cursor == crNone) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_ShowCursor(SDL_ENABLE);
    // Drivers without system cursors give none; the pointer then keeps its shape.
    if (SDL_Cursor* shape = SystemCursor(CursorShape(cursor)))
        SDL_SetCursor(shape);
}

SDL_Cursor* TSdlPlatform::SystemCursor(SDL_SystemCursor shape) {
    SDL_Cursor*& cursor = m_cursors[shape];
    if (!cursor)
        cursor = SDL_CreateSystemCursor(shape);
    return cursor;
}

void TSdlPlatform::ShowErrorMessage(const std::string& title, const std::string& text) {
    TForm* active = Application ? Application->ActiveForm() : nullptr;
    SDL_Window* parent = active ? WindowOf(*active) : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), parent) != 0)
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void TSdlPlatform::ShellOpen(const std::string& file) {
    SpawnDetached({"xdg-open", file});
}

SDL_Window* TSdlPlatform::WindowOf(const TForm& form) const {
    const auto found = m_windows.find(&form);
    return found == m_windows.end() ? nullptr : found->second->Handle();
}

void TSdlPlatform::WaitAndDispatch(std::optional<std::int64_t> deadline) {
    SDL_Event event;
    const bool arrived = WaitForEvent(deadline, event);
    ++m_wakeUps;
    if (!arrived)
        return;
    // Everything already queued is handled before the loop paints again.
    do {
        Guarded([&] { Dispatch(event); });
    } while (!Application->Terminated() && SDL_PollEvent(&event));
}

bool TSdlPlatform::WaitForEvent(std::optional<std::int64_t> deadline, SDL_Event& event) {
    if (m_connection < 0)
        return WaitThroughSdl(deadline, event);
    // SDL's own wait reads the display connection over and over on every wake-up, some fifteen
    // system calls, and an animation wakes the loop a hundred times a second. Here one reading
    // takes whatever the connection holds, then the loop sleeps on its socket: a timer's
    // wake-up costs no more than the sleep itself.
    if (TakeEvent(event))
        return true;
    int timeout = -1;
    if (deadline) {
        const std::int64_t wait = *deadline - TickCount();
        if (wait <= 0)
            return false;
        timeout = static_cast<int>(std::min<std::int64_t>(wait, INT_MAX));
    }
    pollfd connection{m_connection, POLLIN, 0};
    // Timed out, or a signal, which SDL turns into an event on the next reading.
    if (poll(&connection, 1, timeout) <= 0)
        return false;
    return TakeEvent(event);
}

bool TSdlPlatform::TakeEvent(SDL_Event& event) {
    SDL_PumpEvents();
    return SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

bool TSdlPlatform::WaitThroughSdl(std::optional<std::int64_t> deadline, SDL_Event& event) {
    if (!deadline)
        return SDL_WaitEvent(&event) == 1;
    const std::int64_t wait = *deadline - TickCount();
    if (wait <= 0)
        return SDL_PollEvent(&event) == 1;
    return SDL_WaitEventTimeout(&event, static_cast<int>(std::min<std::int64_t>(wait, INT_MAX))) ==
           1;
}

void TSdlPlatform::Dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        if (TForm* main = Application->MainForm())
            main->Close();
        break;
    case SDL_WINDOWEVENT:
        DispatchWindowEvent(event.window);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        DispatchButton(event.button);
        break;
    case SDL_MOUSEMOTION:
        DispatchMotion(event.motion);
        break;
    case SDL_MOUSEWHEEL:
        DispatchWheel(event.wheel);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        DispatchKey(event.key);
        break;
    case SDL_TEXTINPUT:
        DispatchText(event.text);
        break;
    default:
        break;
    }
}

void TSdlPlatform::DispatchWindowEvent(const SDL_WindowEvent& event) {
    TSdlWindow* window = FindWindow(event.windowID);
    if (!window)
        return;
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        window->Refresh(window->Form().Compositor().BackBuffer());
        break;
    case SDL_WINDOWEVENT_LEAVE:
        Application->Input().MouseLeft();
        break;
    case SDL_WINDOWEVENT_CLOSE:
        window->Form().DesktopClose();
        break;
    default:
        break;
    }
}

void TSdlPlatform::DispatchButton(const SDL_MouseButtonEvent& event) {
    const std::optional<TMouseButton> button = SdlMouseButton(event.button);
    if (!button)
        return;
    // The classic desktop counts the pressed button as held, and the released one as not.
    if (event.type == SDL_MOUSEBUTTONDOWN)
        m_buttons |= SDL_BUTTON(event.button);
    else
        m_buttons &= ~SDL_BUTTON(event.button);
    TPoint client;
    TForm* form = MouseTarget(event.windowID, {event.x, event.y}, client);
    if (!form)
        return;
    const TShiftState shift = SdlShiftState(SDL_GetModState(), m_buttons);
    if (event.type == SDL_MOUSEBUTTONDOWN)
        Application->Input().MouseDown(*form, client, *button, shift);
    else
        Application->Input().MouseUp(*form, client, *button, shift);
}

void TSdlPlatform::DispatchMotion(const SDL_MouseMotionEvent& event) {
    m_buttons = event.state;
    TPoint client;
    if (TForm* form = MouseTarget(event.windowID, {event.x, event.y}, client))
        Application->Input().MouseMove(*form, client, SdlShiftState(SDL_GetModState(), m_buttons));
}

void TSdlPlatform::DispatchWheel(const SDL_MouseWheelEvent& event) {
    const float sign = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1.0f : 1.0f;
    const int delta = static_cast<int>(std::lround(event.preciseY * sign * WheelDelta));
    if (delta == 0)
        return;
    TPoint local;
    SDL_GetMouseState(&local.X, &local.Y);
    TPoint client;
    if (TForm* form = MouseTarget(event.windowID, local, client))
        Application->Input().MouseWheel(*form, client, delta,
                                        SdlShiftState(SDL_GetModState(), m_buttons));
}

void TSdlPlatform::DispatchKey(const SDL_KeyboardEvent& event) {
    const TKey key = SdlVirtualKey(event.keysym);
    if (!key)
        return;
    const TShiftState shift = SdlShiftState(event.keysym.mod, m_buttons);
    if (event.type == SDL_KEYUP) {
        Application->Input().KeyUp(key, shift);
        return;
    }
    Application->Input().KeyDown(key, shift, SdlLayoutCharacter(event.keysym.sym));
    if (const char32_t character = SdlControlCharacter(event.keysym.sym))
        Application->Input().KeyPress(character);
}

void TSdlPlatform::DispatchText(const SDL_TextInputEvent& event) {
    // Alt with a key picks an accelerator, which types nothing on the classic desktop.
    if (SDL_GetModState() & KMOD_LALT)
        return;
    for (const char32_t character : DecodeUtf8(event.text))
        Application->Input().KeyPress(character);
}

TSdlWindow* TSdlPlatform::FindWindow(Uint32 id) const {
    for (const auto& [form, window] : m_windows)
        if (window->Id() == id)
            return window.get();
    return nullptr;
}

TForm* TSdlPlatform::MouseTarget(Uint32 windowId, TPoint local, TPoint& client) const {
    TSdlWindow* window = FindWindow(windowId);
    if (!window)
        return nullptr;
    if (TControl* capture = Application->Input().Capture()) {
        const auto holder = m_windows.find(FormOf(capture));
        if (holder != m_windows.end() && holder->second.get() != window) {
            const TPoint from = window->Position();
            const TPoint to = holder->second->Position();
            local = {local.X + from.X - to.X, local.Y + from.Y - to.Y};
            window = holder->second.get();
        }
    }
    client = window->Viewport().WindowToClient(local);
    return &window->Form();
}
