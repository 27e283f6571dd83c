#include "gui/framework/Platform.h"

#include <chrono>
#include <ctime>

namespace {

// Days from 30 December 1899 to 1 January 1970.
constexpr double UnixEpochDays = 25569.0;
constexpr double MsPerDay = 86400000.0;

} // namespace

TDateTime LocalNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double ms = std::chrono::duration<double, std::milli>(now.time_since_epoch()).count();
    return UnixEpochDays + (ms + static_cast<double>(local.tm_gmtoff) * 1000.0) / MsPerDay;
}
