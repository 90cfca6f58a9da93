#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/process_records.h"

namespace wazenie {

struct DateTimeParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const DateTimeParts&) const = default;
};

// Days since 1899-12-30 (the fraction is the time of day); nothing for an invalid date or time.
std::optional<DateTime> make_date_time(const DateTimeParts& parts);
// To the nearest millisecond, so that a time stored a hair below a second shows that second.
DateTimeParts split_date_time(DateTime t);

// "2024-03-05 07:08:09" in data files; 0 is "---".
std::string file_date_time(DateTime t);
// "2024-03-05     07:08:09" on screens; 0 is "---".
std::string screen_date_time(DateTime t);
// Printouts: "2024/03/05", "07:08", "07:08.09"; 0 is "---".
std::string print_date(DateTime t);
std::string print_time(DateTime t);
std::string print_time_seconds(DateTime t);
// The exchange log: "14-03-27.512".
std::string log_time(DateTime t);
// "yyyymm" of the month's log and "yyyymmdd_hhmmss" of archive names.
std::string month_key(DateTime t);
std::string compact_date_time(DateTime t);

// The status-file form, read at fixed positions (year 1-4, month 6-7, day 9-10, hour 12-13,
// minute 15-16, second 18-19); nothing when a part is not a number or the whole is not valid.
std::optional<DateTime> parse_date_time(std::string_view text);

}  // namespace wazenie
