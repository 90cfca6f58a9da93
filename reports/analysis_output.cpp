#include "reports/analysis_output.h"

#include "reports/analysis_tables.h"
#include "reports/report_heading.h"
#include "reports/report_list.h"

namespace wazenie {

namespace {

ReportHeading heading_of(const AnalysisSheet& sheet, AnalysisView view) {
    static constexpr const char* kTitles[] = {"Zużycie materiałów", "Dokładność dozowania",
                                              "Produkcja dzienna"};
    const std::string title = kTitles[static_cast<int>(view)];
    return {title, title + " w dniach: " + sheet.query.date_from + " - " + sheet.query.date_to,
            sheet.query.client, sheet.query.recipe};
}

void write_accuracy(ReportWriter& out, const AnalysisSheet& sheet) {
    write_table(out, accuracy_table(sheet), false);
    out.line("");
    PrintFont bold = report_font();
    bold.bold = true;
    out.line("Dawki poza tolerancją:", bold);
    const TextTable outside = outside_doses_table(sheet);
    if (outside.rows.empty()) {
        out.line("Brak.");
        return;
    }
    write_table(out, outside, false);
}

}  // namespace

PrintDocument analysis_document(const AnalysisSheet& sheet, AnalysisView view, DateTime now,
                                bool for_printer) {
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    out.heading(heading_of(sheet, view), now);
    out.line("");
    if (sheet.analysis.processes.empty()) {
        out.line(kNoMeasurements);
    } else if (view == AnalysisView::Consumption) {
        write_table(out, consumption_table(sheet), true);
    } else if (view == AnalysisView::Accuracy) {
        write_accuracy(out, sheet);
    } else {
        write_table(out, daily_table(sheet), true);
    }
    out.ending();
    return doc;
}

std::string analysis_csv(const AnalysisSheet& sheet, AnalysisView view) {
    const TextTable table = view == AnalysisView::Consumption ? consumption_table(sheet)
                            : view == AnalysisView::Accuracy  ? doses_table(sheet)
                                                              : daily_table(sheet);
    return table_csv(table);
}

}  // namespace wazenie
