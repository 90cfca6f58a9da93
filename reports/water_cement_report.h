#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "reports/report_list.h"

namespace wazenie {

// A process of the range that dosed cement, with its water/cement ratio.
struct WaterCementProcess {
    std::string weight_doc;
    std::string start_time;  // as logged ("---" when it never started)
    std::string recipe_name;
    std::string client_short;
    double cement = 0;  // kg
    double water = 0;   // the effective water, kg
    double ratio = 0;
};

struct WaterCementReport {
    std::vector<WaterCementProcess> processes;  // in month and file order
    double mean = 0;                            // of the processes' ratios
    double largest = 0;
};

// The water/cement ratio (see WaterCementSum) of every process the production analysis holds for the
// query (see AnalysisChoice) that dosed cement. Each material counts with the kind data_dir's material
// kinds give its logged name and the mass its "wm" line gives as dosed; an aggregate with the moisture
// the process's batch card (the one of the log's month with its WZ number and start) holds for its
// scale and place, and dry without a card. A process without cement is left out.
// Nothing when the range is reversed or a date does not read (the message has been shown). A log or a
// card file that cannot be read is reported as an error and passed over; the damaged blocks of a card
// file are named in a warning, and their processes counted dry.
std::optional<WaterCementReport> water_cement_report(const std::filesystem::path& data_dir,
                                                     const ReportQuery& query, Dialogs& dialogs);

}  // namespace wazenie
