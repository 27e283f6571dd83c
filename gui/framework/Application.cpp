#include "gui/framework/Application.h"

#include <algorithm>

#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"
#include "gui/graphics/Exception.h"

TApplication* Application = nullptr;

TApplication::TApplication(std::unique_ptr<TPlatform> platform)
    : TComponent(nullptr), m_platform(std::move(platform)), m_input(*this) {
    if (Application)
        throw Exception("An application already exists");
    Application = this;
}

TApplication::~TApplication() {
    DestroyComponents();
    m_forms.clear();
    Application = nullptr;
}

void TApplication::SetTitle(const std::string& value) {
    m_title = value;
    for (TForm* form : m_zOrder)
        m_platform->FormChanged(*form);
}

void TApplication::AddForm(TForm* form) {
    m_forms.push_back(form);
    if (!m_mainForm)
        m_mainForm = form;
    Guarded([form] { form->DoCreate(); });
}

void TApplication::Run() {
    if (m_mainForm && !m_terminated)
        m_mainForm->Show();
    while (!m_terminated) {
        FireDueTimers();
        if (m_terminated)
            break;
        if (FrameDue())
            PaintDirtyForms();
        m_platform->WaitAndDispatch(NextDeadline());
    }
}

bool TApplication::FrameDue() const {
    return HasDirtyForms() &&
           (!m_painted || TickCount() - m_lastPaint >= m_platform->FrameIntervalMs());
}

std::optional<std::int64_t> TApplication::NextDeadline() const {
    const std::optional<std::int64_t> timer = m_timers.NextDue();
    if (!HasDirtyForms())
        return timer;
    const int interval = m_platform->FrameIntervalMs();
    const std::int64_t frame = m_lastPaint + interval;
    if (!timer)
        return frame;
    // A timer due soon after the frame's time wakes the loop anyway: painting after it fired
    // shows its change as well and spares a wake-up for the frame alone. An animation whose
    // timer ticks faster than the display then costs one wake-up per tick, not more.
    if (*timer >= frame && *timer - frame <= interval / 2)
        return *timer;
    return std::min(*timer, frame);
}

void TApplication::HandleException(const std::exception& error) {
    std::string message = error.what();
    // The classic box ends a sentence that has no full stop.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    m_platform->ShowErrorMessage(m_title, message);
}

TTimerQueue::TimerId TApplication::StartTimer(int initialDelayMs, int periodMs,
                                              std::function<void()> callback) {
    return m_timers.Start(TickCount(), initialDelayMs, periodMs, std::move(callback));
}

void TApplication::FireDueTimers() {
    m_timers.FireDue(TickCount());
}

void TApplication::PaintDirtyForms() {
    for (TForm* form : m_zOrder) {
        if (!form->Compositor().Dirty())
            continue;
        m_platform->Present(*form, form->Compositor().Compose());
    }
    m_lastPaint = TickCount();
    m_painted = true;
}

bool TApplication::HasDirtyForms() const {
    return std::any_of(m_zOrder.begin(), m_zOrder.end(),
                       [](const TForm* form) { return form->Compositor().Dirty(); });
}

TForm* TApplication::FormAtScreen(TPoint screen) const {
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it)
        if ((*it)->ScreenRect().Contains(screen))
            return *it;
    return nullptr;
}

bool TApplication::CoveredAbove(const TForm& form, TPoint screen) const {
    const auto at = std::find(m_zOrder.begin(), m_zOrder.end(), &form);
    if (at == m_zOrder.end())
        return true;
    return std::any_of(at + 1, m_zOrder.end(),
                       [&](const TForm* above) { return above->ScreenRect().Contains(screen); });
}

void TApplication::FormShown(TForm& form) {
    TForm* previous = ActiveForm();
    Stack(form);
    m_platform->FormShown(form);
    ActivationChanged(previous);
}

void TApplication::FormHidden(TForm& form) {
    TForm* previous = ActiveForm();
    std::erase(m_zOrder, &form);
    m_platform->FormHidden(form);
    ActivationChanged(previous);
}

void TApplication::BringToFront(TForm& form) {
    TForm* previous = ActiveForm();
    Stack(form);
    m_platform->FormRaised(form);
    ActivationChanged(previous);
}

void TApplication::FormDestroyed(TForm& form) {
    std::erase(m_zOrder, &form);
    std::erase(m_forms, &form);
    if (m_mainForm == &form)
        m_mainForm = nullptr;
    m_input.FormDeactivated(form);
    m_platform->FormDestroyed(form);
}

void TApplication::Stack(TForm& form) {
    std::erase(m_zOrder, &form);
    // Stay-on-top forms form a band above all others.
    auto position = m_zOrder.end();
    if (form.FormStyle() != fsStayOnTop)
        position = std::find_if(m_zOrder.begin(), m_zOrder.end(),
                                [](const TForm* f) { return f->FormStyle() == fsStayOnTop; });
    m_zOrder.insert(position, &form);
}

void TApplication::ActivationChanged(TForm* previous) {
    TForm* current = ActiveForm();
    if (current == previous)
        return;
    if (previous) {
        m_input.FormDeactivated(*previous);
        Guarded([previous] { previous->DoDeactivate(); });
    }
    if (current) {
        m_input.FormActivated(*current);
        Guarded([current] { current->DoActivate(); });
    }
}

TDateTime Now() {
    return Application ? Application->Now() : LocalNow();
}

void Guarded(const std::function<void()>& work) {
    if (!Application) {
        work();
        return;
    }
    try {
        work();
    } catch (const std::exception& error) {
        Application->HandleException(error);
    }
}
