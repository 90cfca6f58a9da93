#include "storage/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/number_text.h"

namespace wazenie {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
constexpr std::int64_t days_from_civil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<int>(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(std::int64_t z, DateTimeParts& parts) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    parts.day = doy - (153 * mp + 2) / 5 + 1;
    parts.month = mp < 10 ? mp + 3 : mp - 9;
    parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2));
}

constexpr std::int64_t kEpoch = days_from_civil(1899, 12, 30);

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : kDays[month - 1];
}

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

std::optional<int> part_at(std::string_view text, std::size_t from, std::size_t length) {
    const std::string_view part = text.substr(from, length);
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    return parse_int(part);
}

}  // namespace

std::optional<DateTime> make_date_time(const DateTimeParts& p) {
    if (p.year < 1 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > days_in_month(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59 || p.millisecond < 0 || p.millisecond > 999) {
        return std::nullopt;
    }
    const auto days = static_cast<double>(days_from_civil(p.year, p.month, p.day) - kEpoch);
    const double ms = ((p.hour * 60.0 + p.minute) * 60.0 + p.second) * 1000.0 + p.millisecond;
    return days + ms / static_cast<double>(kMsPerDay);
}

DateTimeParts split_date_time(DateTime t) {
    DateTimeParts parts;
    if (!std::isfinite(t) || std::fabs(t) > 3.0e6) {
        return parts;
    }
    // To the nearest millisecond, so that 07:08:09 stored as 07:08:08.9999999 still reads 07:08:09.
    const auto total = static_cast<std::int64_t>(std::llround(t * static_cast<double>(kMsPerDay)));
    std::int64_t days = total / kMsPerDay;
    std::int64_t ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    civil_from_days(days + kEpoch, parts);
    parts.hour = static_cast<int>(ms / 3'600'000);
    parts.minute = static_cast<int>(ms / 60'000 % 60);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.millisecond = static_cast<int>(ms % 1000);
    return parts;
}

std::string file_date_time(DateTime t) {
    if (t == 0) {
        return "---";
    }
    const auto p = split_date_time(t);
    return format("%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}

std::string screen_date_time(DateTime t) {
    if (t == 0) {
        return "---";
    }
    const auto p = split_date_time(t);
    return format("%04d-%02d-%02d     %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}

std::string print_date(DateTime t) {
    if (t == 0) {
        return "---";
    }
    const auto p = split_date_time(t);
    return format("%04d/%02d/%02d", p.year, p.month, p.day);
}

std::string print_time(DateTime t) {
    if (t == 0) {
        return "---";
    }
    const auto p = split_date_time(t);
    return format("%02d:%02d", p.hour, p.minute);
}

std::string print_time_seconds(DateTime t) {
    if (t == 0) {
        return "---";
    }
    const auto p = split_date_time(t);
    return format("%02d:%02d.%02d", p.hour, p.minute, p.second);
}

std::string log_time(DateTime t) {
    const auto p = split_date_time(t);
    return format("%02d-%02d-%02d.%03d", p.hour, p.minute, p.second, p.millisecond);
}

std::string month_key(DateTime t) {
    const auto p = split_date_time(t);
    return format("%04d%02d", p.year, p.month);
}

std::string compact_date_time(DateTime t) {
    const auto p = split_date_time(t);
    return format("%04d%02d%02d_%02d%02d%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}

std::optional<DateTime> parse_date_time(std::string_view text) {
    if (text.size() < 19) {
        return std::nullopt;
    }
    const auto year = part_at(text, 0, 4);
    const auto month = part_at(text, 5, 2);
    const auto day = part_at(text, 8, 2);
    const auto hour = part_at(text, 11, 2);
    const auto minute = part_at(text, 14, 2);
    const auto second = part_at(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) {
        return std::nullopt;
    }
    return make_date_time({*year, *month, *day, *hour, *minute, *second, 0});
}

}  // namespace wazenie
