#include "reports/water_cement_output.h"

#include "core/number_text.h"
#include "reports/report_heading.h"

namespace wazenie {

std::string ratio_text(double ratio) {
    return fixed_text(ratio, 2);
}

TextTable water_cement_table(const WaterCementReport& report) {
    TextTable t{{"Nr WZ", "Rozpoczęcie", "Receptura", "Klient", "Cement [kg]", "Woda efektywna [kg]", "w/c"},
                {false, false, false, false, true, true, true},
                {}};
    for (const WaterCementProcess& p : report.processes) {
        t.rows.push_back({p.weight_doc, p.start_time, p.recipe_name, p.client_short, fixed_text(p.cement, 1),
                          fixed_text(p.water, 1), ratio_text(p.ratio)});
    }
    return t;
}

std::string water_cement_summary(const WaterCementReport& report) {
    if (report.processes.empty()) {
        return kNoWaterCement;
    }
    return "Średnio w/c: " + ratio_text(report.mean) + ", największe: " + ratio_text(report.largest);
}

PrintDocument water_cement_document(const ReportQuery& query, const WaterCementReport& report, DateTime now,
                                    bool for_printer) {
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    const std::string title = "Wskaźnik w/c";
    out.heading({title, "Wskaźnik woda/cement w dniach: " + query.date_from + " - " + query.date_to,
                 query.client, query.recipe},
                now);
    out.line("");
    if (!report.processes.empty()) {
        write_table(out, water_cement_table(report), false);
        out.line("");
    }
    out.line(water_cement_summary(report));
    out.ending();
    return doc;
}

std::string water_cement_csv(const WaterCementReport& report) {
    return table_csv(water_cement_table(report));
}

}  // namespace wazenie
