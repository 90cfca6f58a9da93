#pragma once

#include <filesystem>
#include <string>

#include "core/print_document.h"
#include "core/process_records.h"
#include "core/result.h"
#include "reports/analysis_kinds.h"
#include "reports/production_analysis.h"
#include "reports/table_output.h"
#include "reports/water_cement_report.h"

namespace wazenie {

// The views of a production analysis: the window's tabs, the CLI's commands. WaterCement is there
// only when the plant gives its materials kinds.
enum class AnalysisView { Consumption, Accuracy, Daily, WaterCement };

// What the material kinds add to the views.
struct KindViews {
    // The kind the consumption and accuracy were narrowed to (analysis_of_kind), named in their
    // heading; none for every material.
    MaterialKind shown = MaterialKind::none;
    std::vector<KindTotal> totals;  // below the consumption's table
    WaterCementReport water_cement;
};

// An analysis with the range and filters it was asked for (the heading of every output), and what
// the kinds add when the plant gives them: without them the outputs are what they always were.
struct AnalysisSheet {
    const ReportQuery& query;
    const ProductionAnalysis& analysis;
    const KindViews* kinds = nullptr;
};

// The view as a document with aligned, fixed-width columns: the CLI prints its plain lines, the
// window prints it (for_printer: margins, fonts for the printer) or saves it as PDF.
// Consumption: the table, then the totals by kind. Accuracy: the table per material, then the doses
// outside their tolerance. WaterCement: water_cement_document.
PrintDocument analysis_document(const AnalysisSheet& sheet, AnalysisView view, DateTime now,
                                bool for_printer);

// The view as CSV (table_csv). Accuracy: every finished dose with its deviation and whether it lies
// outside the tolerance. WaterCement: the processes with their ratio.
std::string analysis_csv(const AnalysisSheet& sheet, AnalysisView view);

}  // namespace wazenie
