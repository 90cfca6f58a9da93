#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/dialogs.h"
#include "reports/report_list.h"
#include "storage/month_log.h"

namespace wazenie {

// A date of a report's range or of a log line: the month key year * 100 + month, and the day.
struct LogDate {
    int key = 0;
    int day = 0;
    int ordinal() const { return key * 100 + day; }  // yyyymmdd, ordered as the dates
};

// The "yyyy-mm-dd" at the start of a text (a date or a logged date-time); nothing when it does not read.
std::optional<LogDate> date_at_start(std::string_view text);

// The query's two dates, in order; nothing when one does not read or the range is reversed (the
// message has been shown).
struct LogRange {
    LogDate from;
    LogDate to;
};
std::optional<LogRange> read_range(const ReportQuery& query, Dialogs& dialogs);

// A filter field of a report: the field contains the wanted text, letter case ignored; an empty
// filter lets everything through.
class TextFilter {
public:
    explicit TextFilter(std::string_view wanted);
    bool matches(std::string_view field) const;

private:
    std::string wanted_;
};

// The size of the log of month `key`, 0 without one: readers reserve room from it once rather than grow.
std::uintmax_t month_log_size(const std::filesystem::path& data_dir, int key);

// One pass over the log data_dir/yyyymm.txt of the month key, record by record as for_each_record; a
// month without a log is passed over, a log that cannot be read gives the message that reports it.
std::optional<std::string> read_month_log(const std::filesystem::path& data_dir, int key,
                                          const RecordVisitor& visit);
// The same, the message shown; false when there was one.
bool scan_month_log(const std::filesystem::path& data_dir, int key, const RecordVisitor& visit,
                    Dialogs& dialogs);

}  // namespace wazenie
