#include "gui/framework/TimerQueue.h"

#include <algorithm>

TTimerQueue::TimerId TTimerQueue::Start(std::int64_t now, int initialDelayMs, int periodMs,
                                        std::function<void()> callback) {
    const TimerId id = m_nextId++;
    // A zero period would fire without end within one pass.
    const int period = std::max(periodMs, 1);
    m_timers[id] = Entry{now + std::max(initialDelayMs, 0), period, std::move(callback)};
    return id;
}

void TTimerQueue::Stop(TimerId id) {
    m_timers.erase(id);
}

std::optional<std::int64_t> TTimerQueue::NextDue() const {
    std::optional<std::int64_t> next;
    for (const auto& [id, entry] : m_timers)
        if (!next || entry.due < *next)
            next = entry.due;
    return next;
}

TTimerQueue::TimerId TTimerQueue::FirstDue(std::int64_t now) const {
    // Ids grow with starting order, so equal due times fire in the order they were started.
    TimerId first = 0;
    std::int64_t firstDue = 0;
    for (const auto& [id, entry] : m_timers) {
        if (entry.due <= now && (first == 0 || entry.due < firstDue)) {
            first = id;
            firstDue = entry.due;
        }
    }
    return first;
}

void TTimerQueue::FireDue(std::int64_t now) {
    while (const TimerId id = FirstDue(now)) {
        Entry& entry = m_timers[id];
        entry.due += entry.period;
        if (entry.due <= now)
            entry.due = now + entry.period;
        // The callback may stop or start timers, this one included.
        const std::function<void()> callback = entry.callback;
        callback();
    }
}
