#include "gui/framework/WinControl.h"

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::Invalidate() {
    m_needsPaint = true;
    TControl::Invalidate();
}

void TWinControl::RequestPaint() {
    m_needsPaint = true;
    if (Visible() && Parent())
        Parent()->Compositor().ControlNeedsPaint();
}

void TWinControl::SetVisible(bool value) {
    if (value)
        m_needsPaint = true;
    TControl::SetVisible(value);
}

void TWinControl::SetTabOrder(int value) {
    m_tabOrder = value;
}

void TWinControl::SetText(const std::string& value) {
    if (value == m_text)
        return;
    m_text = value;
    Invalidate();
}

bool TWinControl::Focused() const {
    return Application && Application->Input().Focused() == this;
}

bool TWinControl::CanFocus() const {
    return Visible() && Enabled() && Parent() && Parent()->Visible() && Parent()->Enabled();
}

void TWinControl::SetFocus() {
    if (Parent())
        Parent()->SetActiveControl(this);
}

void TWinControl::PaintWindow() {
    if (!m_needsPaint)
        return;
    m_needsPaint = false;
    if (m_surface.Width() != Width() || m_surface.Height() != Height())
        m_surface.SetSize(Width(), Height());
    if (m_surface.Empty())
        return;
    Guarded([this] { PaintSurface(m_surface); });
}

bool TWinControl::PointVisible(TPoint point) const {
    return Parent() && Parent()->Compositor().PointVisible(*this, point);
}

void TWinControl::CaptureBeneath(TBitmap& target) const {
    target.SetSize(Width(), Height());
    if (Parent())
        Parent()->Compositor().ComposeBeneath(*this, target);
}

void TWinControl::KeyDown(TKey& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(TKey& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}
