#pragma once

#include <cstdint>

#include "gui/framework/Input.h"
#include "gui/graphics/Geometry.h"

class TApplication;
class TControl;
class TForm;
class TWinControl;

// Delivers the platform's input to controls: hit testing, mouse capture while a button is held,
// clicks and double clicks, the pointer shape, the keyboard focus, Tab and arrow navigation and
// Alt accelerators. Both backends feed it in form client coordinates.
class TInputRouter {
public:
    static constexpr int DoubleClickMs = 500;
    static constexpr int DoubleClickDistance = 2;

    explicit TInputRouter(TApplication& application);

    void MouseDown(TForm& form, TPoint point, TMouseButton button, TShiftState shift);
    void MouseUp(TForm& form, TPoint point, TMouseButton button, TShiftState shift);
    void MouseMove(TForm& form, TPoint point, TShiftState shift);
    void MouseWheel(TForm& form, TPoint point, int wheelDelta, TShiftState shift);
    // The pointer left every window of the program.
    void MouseLeft();
    // With Alt held, the character the key types in the user's layout (if known) picks the
    // accelerator; otherwise the key's own letter does.
    void KeyDown(TKey key, TShiftState shift, char32_t character = 0);
    void KeyUp(TKey key, TShiftState shift);
    void KeyPress(char32_t key);

    TControl* Capture() const { return m_capture; }
    TControl* Hover() const { return m_hover; }
    TWinControl* Focused() const { return m_focused; }
    // Moves the keyboard focus; the old control hears of it first.
    void SetFocus(TWinControl* control);
    // The pointer shape of a control changed; it applies at once when the pointer is over it.
    void CursorChanged(TControl* control);
    // A control is being destroyed: forget it without telling it anything.
    void ControlGone(TControl* control);
    // A control was hidden or disabled: it loses the capture and the focus.
    void ControlUnavailable(TControl* control);
    void FormDeactivated(TForm& form);
    void FormActivated(TForm& form);

private:
    TControl* Target(TForm& form, TPoint point) const;
    // The focused control of the front form, or that form; null when it takes no input.
    TWinControl* KeyTarget() const;
    bool AcceptsInput(const TForm& form) const;
    void UpdateHover(TControl* control);
    bool IsDoubleClick(TControl* target, TPoint point, TMouseButton button) const;
    bool Navigate(TKey key, TShiftState shift);
    bool Accelerator(char32_t character);
    void ApplyCursor(TControl* target);
    static TPoint ToControl(const TControl* control, TPoint point);

    TApplication& m_application;
    TControl* m_capture = nullptr;
    TControl* m_clicked = nullptr;
    TControl* m_hover = nullptr;
    TWinControl* m_focused = nullptr;
    TCursor m_cursor = crDefault;
    TControl* m_lastPress = nullptr;
    TMouseButton m_lastButton = mbLeft;
    TPoint m_lastPoint;
    std::int64_t m_lastPressTime = 0;
};
