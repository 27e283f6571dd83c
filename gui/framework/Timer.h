#pragma once

#include "gui/framework/Component.h"
#include "gui/framework/TimerQueue.h"

// Fires OnTimer every Interval milliseconds while enabled, from the moment it was enabled.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    int Interval() const { return m_interval; }
    void SetInterval(int value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    bool Running() const { return m_id != 0; }

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    void Tick();

    int m_interval = 1000;
    bool m_enabled = true;
    TTimerQueue::TimerId m_id = 0;
};
