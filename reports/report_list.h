#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "reports/months_in_order.h"
#include "reports/report_row.h"

namespace wazenie {

inline constexpr const char* kNoMeasurements = "<brak pomiarów>";
inline constexpr const char* kTotalLabel = "RAZEM:";

// What "Odśwież raport" reads: the two dates as shown ("yyyy-mm-dd") and the two filter texts.
struct ReportQuery {
    std::string date_from;
    std::string date_to;
    std::string client;
    std::string recipe;
};

// The month keys year * 100 + month from one month to another, real months only.
std::vector<int> report_months(int from_key, int to_key);

// The report list: the matching "r" records of the logs data_dir/yyyymm.txt in month and file order,
// then the total row, or the single row "<brak pomiarów>". A record whose start does not read is
// reported and counts as day 0; a log that cannot be read is reported and leaves the list
// incomplete, which a report that is handed on must not pass over.
struct ReportList {
    std::vector<ReportRow> rows;
    bool complete = true;
};

// Nothing when the range is reversed or a date does not read (the message has been shown). The months
// are read on `threads` threads; the messages are shown on the calling thread, in the order of the logs.
std::optional<ReportList> build_report(const std::filesystem::path& data_dir, const ReportQuery& query,
                                       int total_precision, Dialogs& dialogs,
                                       int threads = log_reading_threads());

}  // namespace wazenie
