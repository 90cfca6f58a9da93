#pragma once

#include <filesystem>
#include <string>

#include "core/print_document.h"
#include "core/process_records.h"
#include "core/result.h"
#include "reports/production_analysis.h"
#include "reports/table_output.h"

namespace wazenie {

// The three views of a production analysis: the window's tabs, the CLI's commands.
enum class AnalysisView { Consumption, Accuracy, Daily };

// An analysis with the range and filters it was asked for (the heading of every output).
struct AnalysisSheet {
    const ReportQuery& query;
    const ProductionAnalysis& analysis;
};

// The view as a document with aligned, fixed-width columns: the CLI prints its plain lines, the
// window prints it (for_printer: margins, fonts for the printer) or saves it as PDF.
// Accuracy: the table per material, then the doses outside their tolerance.
PrintDocument analysis_document(const AnalysisSheet& sheet, AnalysisView view, DateTime now,
                                bool for_printer);

// The view as CSV (table_csv). Accuracy: every finished dose with its deviation and whether it lies
// outside the tolerance.
std::string analysis_csv(const AnalysisSheet& sheet, AnalysisView view);

}  // namespace wazenie
