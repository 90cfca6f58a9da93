#pragma once

#include <string>

#include "core/print_document.h"
#include "core/process_records.h"
#include "reports/report_list.h"
#include "reports/table_output.h"
#include "reports/water_cement_report.h"

namespace wazenie {

// What stands in place of the table when no process of the range dosed cement.
inline constexpr const char* kNoWaterCement =
    "Żaden proces z tych dni nie dozował cementu (materiału rodzaju cement).";

// A ratio with two decimals, as the main window shows it.
std::string ratio_text(double ratio);
// Per process: WZ number, start, recipe, client, cement and effective water in kg with one decimal, w/c.
TextTable water_cement_table(const WaterCementReport& report);
// "Średnio w/c: 0.52, największe: 0.58"; kNoWaterCement without a process.
std::string water_cement_summary(const WaterCementReport& report);

// The heading, the table and the summary, as analysis_document lays out its views.
PrintDocument water_cement_document(const ReportQuery& query, const WaterCementReport& report, DateTime now,
                                    bool for_printer);
// The table as CSV (table_csv).
std::string water_cement_csv(const WaterCementReport& report);

}  // namespace wazenie
