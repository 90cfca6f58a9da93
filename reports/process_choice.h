#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/log_scan.h"
#include "reports/report_list.h"
#include "storage/month_log.h"

namespace wazenie {

// Which logged processes a query holds, for the weighing report and for the production analysis. Both
// date a process by its start (by its stop when it never started, "---") and let through only what the
// client and recipe filters pass, but they differ on purpose, and the differences stand side by side:
// - the logs: the report reads the months of the range; the analysis the next month as well, where a
//   process begun on the range's last day may have been logged when it ended;
// - the range: the report takes a record by the day of the month of the log it is in (a record whose
//   start does not read is day 0), so one logged in the month of its end is taken by that month; the
//   analysis takes a process by its whole date, and passes over one whose date does not read;
// - a completed process stopped again is logged again, right after its first record: the report lists
//   both records, the analysis counts the process once.

// The date-time text a process is dated by.
std::string_view process_dating(const LogLine& r);

class ReportChoice {
public:
    ReportChoice(const ReportQuery& query, LogRange range);

    std::vector<int> months() const;
    // The day of the month the "r" line is dated by; nothing when it does not read.
    static std::optional<int> day(const LogLine& r);
    // Whether the "r" line of the log of month `key`, dated by `day`, is listed.
    bool lists(int key, int day, const LogLine& r) const;

private:
    LogRange range_;
    TextFilter client_;
    TextFilter recipe_;
};

class AnalysisChoice {
public:
    AnalysisChoice(const ReportQuery& query, LogRange range);

    std::vector<int> months() const;
    // The date (yyyymmdd) of the process of the "r" line when the range and the filters hold it; a record
    // that logs its process again (LoggedStart) is passed over before this is asked.
    std::optional<int> date_of(const LogLine& r) const;

private:
    LogRange range_;
    TextFilter client_;
    TextFilter recipe_;
};

// The document and start of a logged process, which a record logging it again repeats.
struct LoggedStart {
    std::string doc;
    std::string start;

    // Whether the record right after this one, of that document and start, logs this process again (a
    // process that never started is never taken for another).
    bool logged_again_by(std::string_view next_doc, std::string_view next_start) const;
    bool logged_again_by(const LogLine& next) const;
    void become(const LogLine& r);
};

}  // namespace wazenie
