#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

// Every timer of the program on one queue and one clock. Due timers fire in time order; a timer
// that is late fires once and then keeps its period from that moment, never in a burst.
class TTimerQueue {
public:
    using TimerId = std::uint64_t;

    TimerId Start(std::int64_t now, int initialDelayMs, int periodMs,
                  std::function<void()> callback);
    void Stop(TimerId id);
    bool Active(TimerId id) const { return m_timers.contains(id); }

    std::optional<std::int64_t> NextDue() const;
    // Fires every timer due at or before now, each once.
    void FireDue(std::int64_t now);

private:
    struct Entry {
        std::int64_t due = 0;
        int period = 1;
        std::function<void()> callback;
    };

    TimerId FirstDue(std::int64_t now) const;

    TimerId m_nextId = 1;
    std::map<TimerId, Entry> m_timers;
};
