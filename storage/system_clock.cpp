#include "storage/system_clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "storage/date_time.h"

namespace wazenie {

DateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto point = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(point);
    const auto millis = duration_cast<milliseconds>(point.time_since_epoch()).count() % 1000;
    // Single-threaded program: std::localtime's shared buffer is safe here.
    const std::tm local = *std::localtime(&seconds);
    // A leap second (tm_sec 60) is shown as the last second of its minute.
    const DateTimeParts parts{local.tm_year + 1900,    local.tm_mon + 1, local.tm_mday,
                              local.tm_hour,           local.tm_min,     std::min(local.tm_sec, 59),
                              static_cast<int>(millis)};
    return make_date_time(parts).value_or(0);
}

}  // namespace wazenie
