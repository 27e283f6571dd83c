#pragma once

#include <string>

#include "gui/framework/Component.h"
#include "gui/framework/Input.h"
#include "gui/graphics/Geometry.h"

class TForm;

enum TAlign : std::uint8_t { alNone, alClient };

// Anything placed on a form: bounds in the form's client coordinates, visibility, enabling, the
// pointer shape and the mouse events. The input router calls the virtual entry points; the
// defaults fire the matching events.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int value) { SetBounds(value, m_top, m_width, m_height); }
    void SetTop(int value) { SetBounds(m_left, value, m_width, m_height); }
    void SetWidth(int value) { SetBounds(m_left, m_top, value, m_height); }
    void SetHeight(int value) { SetBounds(m_left, m_top, m_width, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(m_left, m_top, m_width, m_height); }
    TRect ClientRect() const { return {0, 0, m_width, m_height}; }
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign value);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool value);
    virtual void Show() { SetVisible(true); }
    virtual void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool value);

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& value) { m_hint = value; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value) { m_showHint = value; }

    TForm* Parent() const { return m_parent; }
    virtual void SetParent(TForm* value);

    virtual bool IsWindowed() const { return false; }
    // Asks for a repaint; requests are gathered and served when the program is idle.
    virtual void Invalidate();

    // A button went down on the control (x, y in its coordinates). The default runs DblClick
    // for a left double click and then MouseDown.
    virtual void ButtonPressed(TMouseButton button, TShiftState shift, int x, int y,
                               bool doubleClick);
    // A button came up on the control that had the press. The default runs Click when the press
    // counts as a click and the pointer is still inside, then MouseUp.
    virtual void ButtonReleased(TMouseButton button, TShiftState shift, int x, int y, bool clicked);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    // Returns whether the wheel was used.
    virtual bool MouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Alt plus a character: a control whose caption marks that character takes it.
    virtual bool DialogChar(char32_t) { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    // Called after the bounds changed, before the repaint request.
    virtual void Resized() {}
    // Sets the flag alone, for forms that start hidden.
    void StoreVisible(bool value) { m_visible = value; }
    void InvalidateRect(const TRect& rect);

private:
    friend class TForm;

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    TAlign m_align = alNone;
    bool m_visible = true;
    bool m_enabled = true;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_showHint = false;
    TForm* m_parent = nullptr;
};
