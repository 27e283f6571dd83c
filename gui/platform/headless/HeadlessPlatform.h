#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/framework/Platform.h"

class TBitmap;
class TInputRouter;

// A desktop without a display, for tests and tools: a virtual clock that moves only when told,
// synthetic input at desktop coordinates through the same routing as real input, and the
// composed picture of any form. Error boxes and shell requests are recorded instead of shown.
class THeadlessPlatform : public TPlatform {
public:
    // Midnight of 1 January 2026, as a date and time.
    static constexpr TDateTime StartDate = 46023.0;

    explicit THeadlessPlatform(TSize desktop = {1024, 768});

    std::int64_t TickCount() override { return m_now; }
    TDateTime Now() override;
    TRect DesktopBounds() override { return {0, 0, m_desktop.cx, m_desktop.cy}; }

    void FormShown(TForm&) override {}
    void FormHidden(TForm&) override {}
    void FormRaised(TForm&) override {}
    void FormChanged(TForm&) override {}
    void FormDestroyed(TForm&) override {}
    void Present(TForm& form, const std::vector<TRect>& areas) override;

    void SetCursor(TCursor cursor) override { m_cursor = cursor; }
    void ShowErrorMessage(const std::string& title, const std::string& text) override;
    void ShellOpen(const std::string& file) override { m_opened.push_back(file); }
    // Moves the clock to the deadline; with no deadline nothing can ever happen, so the loop
    // is told to end.
    void WaitAndDispatch(std::optional<std::int64_t> deadline) override;

    // Moves the clock forward, firing every due timer at its own time in time order, then
    // paints what became dirty.
    void AdvanceBy(std::int64_t ms);

    void MouseDown(TPoint screen, TMouseButton button = mbLeft, TShiftState shift = 0);
    void MouseUp(TPoint screen, TMouseButton button = mbLeft, TShiftState shift = 0);
    void MouseMove(TPoint screen, TShiftState shift = 0);
    void MouseWheel(TPoint screen, int wheelDelta, TShiftState shift = 0);
    void Click(TPoint screen, TShiftState shift = 0);
    void DoubleClick(TPoint screen);
    // With Alt, character is what the key types in the user's layout.
    void KeyDown(TKey key, TShiftState shift = 0, char32_t character = 0);
    void KeyUp(TKey key, TShiftState shift = 0);
    void KeyPress(char32_t key);
    // Down, the character it types (if any; with Alt it picks an accelerator instead), up.
    void PressKey(TKey key, TShiftState shift = 0, char32_t character = 0);
    // The desktop asks the form to close, as a window manager's close button or Alt+F4 would.
    void DesktopClose(TForm& form);

    // The form's client area as composed now, dirty parts redrawn first.
    const TBitmap& Render(TForm& form);
    void SaveFormPng(TForm& form, const std::string& path);
    // Where a client point of the form lies on the desktop.
    static TPoint ClientToScreen(const TForm& form, TPoint client);

    struct Message {
        std::string title;
        std::string text;
    };
    const std::vector<Message>& ErrorMessages() const { return m_messages; }
    const std::vector<std::string>& OpenedFiles() const { return m_opened; }
    TCursor Cursor() const { return m_cursor; }
    // The areas presented since the last call, oldest first. A session that never asks keeps
    // only the latest PresentedKept of them (up to twice as many between trims), so a long probe
    // run stays bounded.
    std::vector<TRect> TakePresented();
    static constexpr std::size_t PresentedKept = 4096;
    bool IdleForever() const { return m_idleForever; }
    // How many times the loop has waited: one per timer tick or frame it had to wake for.
    int WakeUps() const { return m_wakeUps; }

private:
    using MouseDelivery = std::function<void(TInputRouter&, TForm&, TPoint client)>;

    TForm* FormFor(TPoint screen, TPoint& client) const;
    // Returns whether the point lies on a form (or a form holds the capture).
    bool Deliver(TPoint screen, const MouseDelivery& delivery);
    void Settle();

    TSize m_desktop;
    std::int64_t m_now = 0;
    TCursor m_cursor = crDefault;
    std::vector<Message> m_messages;
    std::vector<std::string> m_opened;
    std::vector<TRect> m_presented;
    bool m_idleForever = false;
    int m_wakeUps = 0;
};
