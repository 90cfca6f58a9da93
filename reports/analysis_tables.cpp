#include "reports/analysis_tables.h"

#include "core/number_text.h"
#include "reports/report_list.h"
#include "storage/text_prefix.h"

namespace wazenie {

namespace {

std::string percent(double x) {
    return fixed_text(x, 2);
}

std::string percent(const std::optional<double>& x) {
    return x ? percent(*x) : "";
}

struct DoseCells {
    const AnalysedProcess& process;
    const std::string& material;
    DoseDeviation deviation;
};

DoseCells cells_of(const AnalysisSheet& sheet, const Dose& dose) {
    const ProductionAnalysis& a = sheet.analysis;
    return {a.processes.at(dose.process), a.material_names.at(dose.material), deviation_of(dose, a)};
}

}  // namespace

TextTable consumption_table(const AnalysisSheet& sheet) {
    TextTable t{{"Materiał", "Waga", "Zadane [kg]", "Dozowane [kg]", "Różnica [kg]", "Procesy"},
                {false, true, true, true, true, true},
                {}};
    const int p = sheet.analysis.mass_precision;
    for (const ConsumptionRow& row : sheet.analysis.consumption) {
        const bool grand_total = &row == &sheet.analysis.consumption.back();
        const std::string scale = row.scale > 0 ? std::to_string(row.scale) : grand_total ? "" : "razem";
        t.rows.push_back({row.material_name, scale, fixed_text(row.target, p), fixed_text(row.dosed, p),
                          fixed_text(row.dosed - row.target, p), std::to_string(row.processes)});
    }
    return t;
}

TextTable accuracy_table(const AnalysisSheet& sheet) {
    TextTable t{{"Materiał", "Dawki", "Średnia odch. [%]", "Odch. std. [%]", "Największa odch. [%]",
                 "Tolerancja [%]", "Poza tol."},
                {false, true, true, true, true, true, true},
                {}};
    for (const AccuracyRow& row : sheet.analysis.accuracy) {
        // Without a dose of a target above 0 there is no percentage to show.
        const bool judged = row.judged > 0;
        t.rows.push_back({row.material_name, std::to_string(row.doses), judged ? percent(row.mean) : "",
                          judged ? percent(row.std_dev) : "", judged ? percent(row.largest) : "",
                          percent(row.tolerance), std::to_string(row.outside)});
    }
    return t;
}

TextTable outside_doses_table(const AnalysisSheet& sheet) {
    TextTable t{{"Nr WZ", "Rozpoczęcie", "Receptura", "Waga", "Materiał", "Cykl", "Zadane [kg]",
                 "Dozowane [kg]", "Różnica [kg]", "Odch. [%]"},
                {false, false, false, true, false, true, true, true, true, true},
                {}};
    const int p = sheet.analysis.mass_precision;
    for (const Dose& dose : sheet.analysis.doses) {
        const DoseCells c = cells_of(sheet, dose);
        if (!c.deviation.outside) {
            continue;
        }
        // Cut as the weighing report cuts them, to keep the line on a landscape page.
        t.rows.push_back({first_chars(c.process.weight_doc, 15), c.process.start_time,
                          first_chars(c.process.recipe_name, 20), std::to_string(dose.scale), c.material,
                          std::to_string(dose.cycle), fixed_text(dose.target, p), fixed_text(dose.dosed, p),
                          fixed_text(c.deviation.kg, p), percent(c.deviation.percent)});
    }
    return t;
}

TextTable doses_table(const AnalysisSheet& sheet) {
    TextTable t{
        {"Nr WZ", "Rozpoczęcie", "Zakończenie", "Receptura", "Klient - skrót", "Waga", "Materiał", "Cykl",
         "Zadane [kg]", "Dozowane [kg]", "Różnica [kg]", "Odch. [%]", "Tolerancja [%]", "Poza tolerancją"},
        {false, false, false, false, false, true, false, true, true, true, true, true, true, false},
        {}};
    const int p = sheet.analysis.mass_precision;
    for (const Dose& dose : sheet.analysis.doses) {
        const DoseCells c = cells_of(sheet, dose);
        t.rows.push_back(
            {c.process.weight_doc, c.process.start_time, c.process.stop_time, c.process.recipe_name,
             c.process.client_short, std::to_string(dose.scale), c.material, std::to_string(dose.cycle),
             fixed_text(dose.target, p), fixed_text(dose.dosed, p), fixed_text(c.deviation.kg, p),
             percent(c.deviation.percent), percent(sheet.analysis.material_tolerances.at(dose.material)),
             c.deviation.outside ? "TAK" : ""});
    }
    return t;
}

TextTable daily_table(const AnalysisSheet& sheet) {
    TextTable t{{"Data", "Dozowane [kg]", "Procesy"}, {false, true, true}, {}};
    const int p = sheet.analysis.mass_precision;
    double dosed = 0;
    int processes = 0;
    for (const DayProduction& day : sheet.analysis.days) {
        t.rows.push_back({day.date, fixed_text(day.dosed, p), std::to_string(day.processes)});
        dosed += day.dosed;
        processes += day.processes;
    }
    t.rows.push_back({kTotalLabel, fixed_text(dosed, p), std::to_string(processes)});
    return t;
}

}  // namespace wazenie
