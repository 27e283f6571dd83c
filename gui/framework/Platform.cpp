#include "gui/framework/Platform.h"

#include <chrono>
#include <ctime>

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double UnixEpochDays = 25569.0;
constexpr double MsPerDay = 86400000.0;

// Seconds east of UTC at that moment. Widgets read the clock on every repaint request, a hundred
// times a second while the bench runs, so the time zone is looked up once per second only.
long UtcOffset(std::time_t seconds) {
    thread_local std::time_t cachedSecond = -1;
    thread_local long cachedOffset = 0;
    if (seconds != cachedSecond) {
        std::tm local{};
        localtime_r(&seconds, &local);
        cachedSecond = seconds;
        cachedOffset = local.tm_gmtoff;
    }
    return cachedOffset;
}

} // namespace

TDateTime LocalNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const double ms = std::chrono::duration<double, std::milli>(now.time_since_epoch()).count();
    return UnixEpochDays + (ms + static_cast<double>(UtcOffset(seconds)) * 1000.0) / MsPerDay;
}
