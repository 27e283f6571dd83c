#include "gui/framework/InputRouter.h"

#include <cstdlib>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"

namespace {

bool IsSpecialKey(TKey key) {
    return key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

TShiftState ButtonState(TMouseButton button) {
    switch (button) {
    case mbLeft:
        return ssLeft;
    case mbRight:
        return ssRight;
    case mbMiddle:
        return ssMiddle;
    }
    return 0;
}

} // namespace

TInputRouter::TInputRouter(TApplication& application) : m_application(application) {}

void TInputRouter::MouseDown(TForm& form, TPoint point, TMouseButton button, TShiftState shift) {
    if (!m_capture && !AcceptsInput(form))
        return;
    if (m_application.ActiveForm() != &form)
        form.BringToFront();
    TControl* target = m_capture ? m_capture : Target(form, point);
    if (!target->Enabled())
        return;
    UpdateHover(target);
    const bool doubleClick = IsDoubleClick(target, point, button);
    m_lastPress = doubleClick ? nullptr : target;
    m_lastButton = button;
    m_lastPoint = point;
    m_lastPressTime = m_application.TickCount();
    if (button == mbLeft && target != &form && target->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(target);
        if (windowed->CanFocus())
            windowed->SetFocus();
    }
    m_capture = target;
    m_clicked = button == mbLeft && !doubleClick ? target : nullptr;
    const TPoint local = ToControl(target, point);
    Guarded([&] {
        target->ButtonPressed(button, shift | ButtonState(button), local.X, local.Y, doubleClick);
    });
}

void TInputRouter::MouseUp(TForm& form, TPoint point, TMouseButton button, TShiftState shift) {
    if (!m_capture && !AcceptsInput(form))
        return;
    TControl* target = m_capture ? m_capture : Target(form, point);
    const bool clicked = button == mbLeft && m_clicked == target;
    m_capture = nullptr;
    m_clicked = nullptr;
    if (!target->Enabled())
        return;
    const TPoint local = ToControl(target, point);
    Guarded([&] { target->ButtonReleased(button, shift, local.X, local.Y, clicked); });
    if (AcceptsInput(form))
        UpdateHover(Target(form, point));
}

void TInputRouter::MouseMove(TForm& form, TPoint point, TShiftState shift) {
    if (!m_capture && !AcceptsInput(form)) {
        UpdateHover(nullptr);
        return;
    }
    TControl* target = m_capture ? m_capture : Target(form, point);
    if (!m_capture)
        UpdateHover(target);
    ApplyCursor(target);
    if (!target->Enabled())
        return;
    const TPoint local = ToControl(target, point);
    Guarded([&] { target->MouseMove(shift, local.X, local.Y); });
}

void TInputRouter::MouseWheel(TForm& form, TPoint point, int wheelDelta, TShiftState shift) {
    if (!AcceptsInput(form))
        return;
    TControl* target = Target(form, point);
    Guarded([&] {
        if (target->Enabled() && target->MouseWheel(wheelDelta, shift, point))
            return;
        if (m_focused && m_focused != target && m_focused->Parent() == &form)
            m_focused->MouseWheel(wheelDelta, shift, point);
    });
}

void TInputRouter::MouseLeft() {
    UpdateHover(nullptr);
}

void TInputRouter::KeyDown(TKey key, TShiftState shift, char32_t character) {
    TWinControl* target = KeyTarget();
    if (!target)
        return;
    if (IsSpecialKey(key) && !target->WantSpecialKey(key) && Navigate(key, shift))
        return;
    Guarded([&] { target->KeyDown(key, shift); });
    if ((shift & ssAlt) && !(shift & ssCtrl))
        Accelerator(character ? character : key);
}

void TInputRouter::KeyUp(TKey key, TShiftState shift) {
    TWinControl* target = KeyTarget();
    if (!target)
        return;
    Guarded([&] { target->KeyUp(key, shift); });
}

void TInputRouter::KeyPress(char32_t key) {
    TWinControl* target = KeyTarget();
    if (!target)
        return;
    Guarded([&] { target->KeyPress(key); });
}

void TInputRouter::SetFocus(TWinControl* control) {
    if (control == m_focused)
        return;
    TWinControl* previous = m_focused;
    m_focused = control;
    Guarded([&] {
        if (previous)
            previous->FocusLost(control);
        if (control)
            control->FocusGained();
        if (previous)
            previous->DoExit();
        if (control)
            control->DoEnter();
    });
}

void TInputRouter::ControlGone(TControl* control) {
    if (m_capture == control)
        m_capture = nullptr;
    if (m_clicked == control)
        m_clicked = nullptr;
    if (m_hover == control)
        m_hover = nullptr;
    if (m_lastPress == control)
        m_lastPress = nullptr;
    if (m_focused == control)
        m_focused = nullptr;
}

void TInputRouter::ControlUnavailable(TControl* control) {
    if (m_capture == control)
        m_capture = nullptr;
    if (m_clicked == control)
        m_clicked = nullptr;
    if (m_focused == control)
        SetFocus(nullptr);
}

void TInputRouter::FormDeactivated(TForm& form) {
    if (m_capture && (m_capture == &form || m_capture->Parent() == &form))
        m_capture = nullptr;
    if (m_focused && m_focused->Parent() == &form)
        SetFocus(nullptr);
}

void TInputRouter::FormActivated(TForm& form) {
    if (!form.ActiveControl())
        form.SetActiveControl(form.FindNextControl(nullptr, true, true));
    TWinControl* control = form.ActiveControl();
    SetFocus(control && control->CanFocus() ? control : nullptr);
}

TWinControl* TInputRouter::KeyTarget() const {
    TForm* form = m_application.ActiveForm();
    if (!form || !AcceptsInput(*form))
        return nullptr;
    return m_focused ? m_focused : form;
}

TControl* TInputRouter::Target(TForm& form, TPoint point) const {
    TControl* control = form.ControlAtPos(point);
    return control ? control : &form;
}

bool TInputRouter::AcceptsInput(const TForm& form) const {
    return form.Visible() && form.Enabled();
}

void TInputRouter::UpdateHover(TControl* control) {
    if (control == m_hover)
        return;
    TControl* previous = m_hover;
    m_hover = control;
    Guarded([&] {
        if (previous)
            previous->MouseLeave();
        if (control)
            control->MouseEnter();
    });
}

void TInputRouter::CursorChanged(TControl* control) {
    if (control == (m_capture ? m_capture : m_hover))
        ApplyCursor(control);
}

void TInputRouter::ApplyCursor(TControl* target) {
    TCursor cursor = target->Cursor();
    if (cursor == crDefault && target->Parent())
        cursor = target->Parent()->Cursor();
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    m_application.Platform().SetCursor(cursor);
}

bool TInputRouter::IsDoubleClick(TControl* target, TPoint point, TMouseButton button) const {
    return target == m_lastPress && button == m_lastButton &&
           m_application.TickCount() - m_lastPressTime <= DoubleClickMs &&
           std::abs(point.X - m_lastPoint.X) <= DoubleClickDistance &&
           std::abs(point.Y - m_lastPoint.Y) <= DoubleClickDistance;
}

bool TInputRouter::Navigate(TKey key, TShiftState shift) {
    TForm* form = m_application.ActiveForm();
    if (key == VK_TAB) {
        if (shift & (ssCtrl | ssAlt))
            return false;
        TWinControl* next = form->FindNextControl(m_focused, !(shift & ssShift), true);
        if (next)
            next->SetFocus();
        return true;
    }
    if (!m_focused)
        return false;
    TWinControl* next = form->FindNextControl(m_focused, key == VK_RIGHT || key == VK_DOWN, false);
    if (next)
        next->SetFocus();
    return true;
}

bool TInputRouter::Accelerator(char32_t character) {
    TForm* form = m_application.ActiveForm();
    for (int i = 0; i < form->ControlCount(); ++i) {
        TControl* control = form->Controls(i);
        if (!control->Visible() || !control->Enabled())
            continue;
        bool taken = false;
        Guarded([&] { taken = control->DialogChar(character); });
        if (taken)
            return true;
    }
    return false;
}

TPoint TInputRouter::ToControl(const TControl* control, TPoint point) {
    if (!control->Parent())
        return point;
    return {point.X - control->Left(), point.Y - control->Top()};
}
