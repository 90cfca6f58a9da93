#include "reports/analysis_output.h"

#include "reports/analysis_tables.h"
#include "reports/report_heading.h"
#include "reports/report_list.h"
#include "reports/water_cement_output.h"

namespace wazenie {

namespace {

const WaterCementReport& water_cement_of(const AnalysisSheet& sheet) {
    static const WaterCementReport none;
    return sheet.kinds ? sheet.kinds->water_cement : none;
}

ReportHeading heading_of(const AnalysisSheet& sheet, AnalysisView view) {
    static constexpr const char* kTitles[] = {"Zużycie materiałów", "Dokładność dozowania",
                                              "Produkcja dzienna"};
    const std::string title = kTitles[static_cast<int>(view)];
    const bool by_kind = view != AnalysisView::Daily && sheet.kinds;
    return {title, title + " w dniach: " + sheet.query.date_from + " - " + sheet.query.date_to,
            sheet.query.client, sheet.query.recipe,
            by_kind ? std::string(material_kind_text(sheet.kinds->shown)) : ""};
}

void write_consumption(ReportWriter& out, const AnalysisSheet& sheet) {
    write_table(out, consumption_table(sheet), true);
    if (!sheet.kinds || sheet.kinds->totals.empty()) {
        return;
    }
    out.line("");
    PrintFont bold = report_font();
    bold.bold = true;
    out.line("Zużycie według rodzajów:", bold);
    write_table(out, kind_totals_table(sheet.kinds->totals, sheet.analysis.mass_precision), false);
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
    if (view == AnalysisView::WaterCement) {
        return water_cement_document(sheet.query, water_cement_of(sheet), now, for_printer);
    }
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    out.heading(heading_of(sheet, view), now);
    out.line("");
    if (sheet.analysis.processes.empty()) {
        out.line(kNoMeasurements);
    } else if (view == AnalysisView::Consumption) {
        write_consumption(out, sheet);
    } else if (view == AnalysisView::Accuracy) {
        write_accuracy(out, sheet);
    } else {
        write_table(out, daily_table(sheet), true);
    }
    out.ending();
    return doc;
}

std::string analysis_csv(const AnalysisSheet& sheet, AnalysisView view) {
    if (view == AnalysisView::WaterCement) {
        return water_cement_csv(water_cement_of(sheet));
    }
    const TextTable table = view == AnalysisView::Consumption ? consumption_table(sheet)
                            : view == AnalysisView::Accuracy  ? doses_table(sheet)
                                                              : daily_table(sheet);
    return table_csv(table);
}

}  // namespace wazenie
