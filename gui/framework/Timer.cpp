#include "gui/framework/Timer.h"

#include "gui/framework/Application.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (m_id && Application)
        Application->StopTimer(m_id);
}

void TTimer::SetInterval(int value) {
    if (value == m_interval)
        return;
    m_interval = value;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
    if (value == m_enabled)
        return;
    m_enabled = value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (m_id && Application)
        Application->StopTimer(m_id);
    m_id = 0;
    if (m_enabled && m_interval > 0 && Application)
        m_id = Application->StartTimer(m_interval, m_interval, [this] { Tick(); });
}

void TTimer::Tick() {
    if (OnTimer)
        OnTimer(this);
}
