#pragma once

#include <SDL.h>

#include <array>
#include <map>
#include <memory>

#include "gui/framework/Platform.h"

class TSdlWindow;

// The desktop of a real display through SDL2: one borderless window per visible form, the
// monotonic clock, system cursors, the error box and a wait for input that sleeps until an event
// arrives or the next timer is due.
class TSdlPlatform : public TPlatform {
public:
    // Throws Exception with SDL's reason when the video subsystem cannot start.
    TSdlPlatform();
    ~TSdlPlatform() override;

    std::int64_t TickCount() override;
    TDateTime Now() override;
    TRect DesktopBounds() override;

    void FormShown(TForm& form) override;
    void FormHidden(TForm& form) override;
    void FormRaised(TForm& form) override;
    void FormChanged(TForm& form) override;
    void FormDestroyed(TForm& form) override;
    void Present(TForm& form, const std::vector<TRect>& areas) override;

    void SetCursor(TCursor cursor) override;
    void ShowErrorMessage(const std::string& title, const std::string& text) override;
    void ShellOpen(const std::string& file) override;
    void WaitAndDispatch(std::optional<std::int64_t> deadline) override;

    // How many times the loop has come back from waiting: an idle program wakes only for its
    // timers.
    std::int64_t WakeUps() const { return m_wakeUps; }
    // How many frames have gone to the windows: an animation shows at most one per display frame.
    std::int64_t Presents() const { return m_presents; }
    // The SDL window that shows the form, or null while the form has none.
    SDL_Window* WindowOf(const TForm& form) const;

private:
    bool WaitForEvent(std::optional<std::int64_t> deadline, SDL_Event& event);
    // Reads the display connection once and takes the first event that SDL then holds.
    bool TakeEvent(SDL_Event& event);
    // For drivers without a connection to sleep on, and before the first window.
    bool WaitThroughSdl(std::optional<std::int64_t> deadline, SDL_Event& event);
    void Dispatch(const SDL_Event& event);
    void DispatchWindowEvent(const SDL_WindowEvent& event);
    void DispatchButton(const SDL_MouseButtonEvent& event);
    void DispatchMotion(const SDL_MouseMotionEvent& event);
    void DispatchWheel(const SDL_MouseWheelEvent& event);
    void DispatchKey(const SDL_KeyboardEvent& event);
    void DispatchText(const SDL_TextInputEvent& event);
    TSdlWindow* FindWindow(Uint32 id) const;
    // The form that receives a mouse event at a window point, and the point in its client
    // coordinates: a form holding the capture gets it even from over another window.
    TForm* MouseTarget(Uint32 windowId, TPoint local, TPoint& client) const;
    SDL_Cursor* SystemCursor(SDL_SystemCursor shape);

    std::map<const TForm*, std::unique_ptr<TSdlWindow>> m_windows;
    std::array<SDL_Cursor*, SDL_NUM_SYSTEM_CURSORS> m_cursors{};
    // The display connection's socket once a window has shown it; -1 until then and for
    // drivers that keep none.
    int m_connection = -1;
    Uint32 m_buttons = 0;
    std::int64_t m_wakeUps = 0;
    std::int64_t m_presents = 0;
};
