#include "gui/framework/Control.h"

#include <algorithm>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (Application)
        Application->Input().ControlGone(this);
    if (m_parent)
        m_parent->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    // Far beyond any screen, yet small enough that no edge computed from them can overflow.
    constexpr int Limit = 1 << 24;
    left = std::clamp(left, -Limit, Limit);
    top = std::clamp(top, -Limit, Limit);
    width = std::clamp(width, 0, Limit);
    height = std::clamp(height, 0, Limit);
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    const TRect old = BoundsRect();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_visible)
        InvalidateRect(old);
    Resized();
    Invalidate();
}

void TControl::SetAlign(TAlign value) {
    if (value == m_align)
        return;
    m_align = value;
    if (m_parent)
        m_parent->AlignControls();
}

void TControl::SetVisible(bool value) {
    if (value == m_visible)
        return;
    m_visible = value;
    if (!value && Application)
        Application->Input().ControlUnavailable(this);
    if (m_parent)
        m_parent->Compositor().ShownOrHidden(*this);
}

void TControl::SetEnabled(bool value) {
    if (value == m_enabled)
        return;
    m_enabled = value;
    if (!value && Application)
        Application->Input().ControlUnavailable(this);
    Invalidate();
}

void TControl::SetCursor(TCursor value) {
    if (value == m_cursor)
        return;
    m_cursor = value;
    if (Application)
        Application->Input().CursorChanged(this);
}

void TControl::SetParent(TForm* value) {
    if (value == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveControl(this);
    m_parent = value;
    if (m_parent)
        m_parent->InsertControl(this);
}

void TControl::Invalidate() {
    if (m_visible)
        InvalidateRect(BoundsRect());
    else if (m_parent)
        m_parent->Compositor().ChangedWhileHidden(*this);
}

void TControl::InvalidateRect(const TRect& rect) {
    if (m_parent)
        m_parent->Compositor().Invalidate(*this, rect);
}

void TControl::ButtonPressed(TMouseButton button, TShiftState shift, int x, int y,
                             bool doubleClick) {
    if (doubleClick) {
        if (button == mbLeft)
            DblClick();
        shift |= ssDouble;
    }
    MouseDown(button, shift, x, y);
}

void TControl::ButtonReleased(TMouseButton button, TShiftState shift, int x, int y, bool clicked) {
    if (clicked && ClientRect().Contains({x, y}))
        Click();
    MouseUp(button, shift, x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::MouseWheel(int, TShiftState, TPoint) {
    return false;
}
