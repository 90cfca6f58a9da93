#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace wazenie {

DateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto point = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(point);
    const auto millis = duration_cast<milliseconds>(point.time_since_epoch()).count() % 1000;
    // Single-threaded program: std::localtime's shared buffer is safe here.
    const std::tm local = *std::localtime(&seconds);
    const int y = local.tm_year + 1900, m = local.tm_mon + 1, d = local.tm_mday;
    // Days from 1899-12-30 to the civil date (proleptic Gregorian).
    const auto days = (sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}} -
                       sys_days{year{1899} / December / day{30}})
                          .count();
    const double seconds_of_day = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + millis / 1000.0;
    return static_cast<double>(days) + seconds_of_day / 86400.0;
}

}  // namespace wazenie
