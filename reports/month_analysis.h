#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "reports/analysis_part.h"
#include "reports/process_choice.h"
#include "storage/tolerances.h"

namespace wazenie {

// One month log as the production analysis reads it, apart from the other months: whether its first
// record logs again the process the month before ended with is known only when the months are put
// together, so that record is read into a part of its own.
struct MonthAnalysis {
    AnalysisPart first;
    AnalysisPart rest;
    std::optional<LoggedStart> first_logged;  // nothing when the log holds no record
    LoggedStart last_logged;
    std::optional<std::string> error;  // the message for a log that cannot be read
};

// Touches nothing but what it is given and what it returns: the months are read on several threads.
MonthAnalysis read_month_analysis(const std::filesystem::path& data_dir, int key,
                                  const AnalysisChoice& choice, const Tolerances& tolerances);

}  // namespace wazenie
