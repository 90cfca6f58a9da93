#include "windows/production_window.h"

#include "core/number_text.h"
#include "reports/water_cement_output.h"
#include "reports/wz_print.h"
#include "storage/text_helpers.h"
#include "windows/once_each_dialogs.h"

namespace wazenie {

namespace {

std::string file_name_of(AnalysisView view) {
    switch (view) {
        case AnalysisView::Accuracy:
            return "dokładność dozowania";
        case AnalysisView::Daily:
            return "produkcja dzienna";
        case AnalysisView::WaterCement:
            return "wskaźnik woda-cement";
        default:
            return "zużycie materiałów";
    }
}

}  // namespace

ProductionAnalysisWindow::ProductionAnalysisWindow(std::filesystem::path data_dir, const Settings& settings,
                                                   Seams seams)
    : ReportRange(seams.clock),
      data_dir_(std::move(data_dir)),
      settings_(settings),
      seams_(seams),
      kinds_(material_kinds_in(data_dir_)) {}

void ProductionAnalysisWindow::refresh() {
    // The w/c passes over the same logs: what does not read is told once.
    OnceEachDialogs dialogs(seams_.dialogs);
    auto analysis = analyse_production(data_dir_, query(), Tolerances::from(settings_.ini), dialogs);
    if (!analysis) {
        return;
    }
    analysis_ = std::move(analysis);
    analysed_query_ = query();
    if (has_kinds()) {
        views_.water_cement =
            water_cement_report(data_dir_, analysed_query_, dialogs).value_or(WaterCementReport{});
    }
    narrow();
}

const ProductionAnalysis* ProductionAnalysisWindow::analysis() const {
    return narrowed_ ? &*narrowed_ : analysis_ ? &*analysis_ : nullptr;
}

void ProductionAnalysisWindow::set_kind(MaterialKind kind) {
    views_.shown = kind;
    narrow();
}

void ProductionAnalysisWindow::narrow() {
    if (!analysis_) {
        return;
    }
    const bool narrowing = views_.shown != MaterialKind::none;
    narrowed_ = narrowing ? std::optional(analysis_of_kind(*analysis_, kinds_, views_.shown)) : std::nullopt;
    views_.totals = narrowing ? std::vector<KindTotal>{} : consumption_by_kind(*analysis_, kinds_);
    const ProductionAnalysis& shown = *analysis();
    outside_.clear();
    std::uint32_t index = 0;
    for (const Dose& dose : shown.doses) {
        if (deviation_of(dose, shown).outside) {
            outside_.push_back(index);
        }
        ++index;
    }
}

std::vector<std::vector<std::string>> ProductionAnalysisWindow::consumption_rows() const {
    std::vector<std::vector<std::string>> rows;
    if (!analysis_) {
        return rows;
    }
    const int d = analysis_->mass_precision;
    for (const ConsumptionRow& row : analysis()->consumption) {
        rows.push_back({row.material_name, row.scale > 0 ? std::to_string(row.scale) + "." : "",
                        fixed_text(row.target, d), fixed_text(row.dosed, d),
                        signed_fixed_text(row.dosed - row.target, d), std::to_string(row.processes)});
    }
    return rows;
}

std::vector<std::vector<std::string>> ProductionAnalysisWindow::accuracy_rows() const {
    std::vector<std::vector<std::string>> rows;
    if (!analysis_) {
        return rows;
    }
    for (const AccuracyRow& row : analysis()->accuracy) {
        const bool judged = row.judged > 0;
        rows.push_back({row.material_name, general_text(row.tolerance), std::to_string(row.doses),
                        std::to_string(row.judged), judged ? signed_fixed_text(row.mean, 2) : "",
                        judged ? fixed_text(row.std_dev, 2) : "",
                        judged ? signed_fixed_text(row.largest, 2) : "", std::to_string(row.outside)});
    }
    return rows;
}

std::vector<std::vector<std::string>> ProductionAnalysisWindow::day_rows() const {
    std::vector<std::vector<std::string>> rows;
    if (!analysis_) {
        return rows;
    }
    for (const DayProduction& day : analysis_->days) {
        rows.push_back(
            {day.date, fixed_text(day.dosed, analysis_->mass_precision), std::to_string(day.processes)});
    }
    return rows;
}

std::vector<std::vector<std::string>> ProductionAnalysisWindow::kind_total_rows() const {
    std::vector<std::vector<std::string>> rows;
    if (!analysis_) {
        return rows;
    }
    const int d = analysis_->mass_precision;
    for (const KindTotal& total : views_.totals) {
        rows.push_back({kind_total_name(total.kind), fixed_text(total.target, d), fixed_text(total.dosed, d),
                        signed_fixed_text(total.dosed - total.target, d)});
    }
    return rows;
}

std::vector<std::vector<std::string>> ProductionAnalysisWindow::water_cement_rows() const {
    return water_cement_table(views_.water_cement).rows;
}

std::string ProductionAnalysisWindow::water_cement_summary() const {
    return analysis_ ? wazenie::water_cement_summary(views_.water_cement) : "";
}

DoseLine ProductionAnalysisWindow::dose_line(std::size_t dose) const {
    const ProductionAnalysis& shown = *analysis();
    const Dose& d = shown.doses.at(dose);
    const AnalysedProcess& process = shown.processes.at(d.process);
    const int precision = shown.mass_precision;
    const DoseDeviation dev = deviation_of(d, shown);
    return {{process.weight_doc, process.start_time, shown.material_names.at(d.material),
             std::to_string(d.scale) + ".", std::to_string(d.cycle), fixed_text(d.target, precision),
             fixed_text(d.dosed, precision), signed_fixed_text(dev.kg, precision),
             dev.percent ? signed_fixed_text(*dev.percent, 2) : ""},
            dev.outside};
}

bool ProductionAnalysisWindow::guard_analysed() {
    if (!analysis_) {
        seams_.dialogs.error("Analiza jest pusta! Najpierw ją odśwież.");
    }
    return analysis_.has_value();
}

void ProductionAnalysisWindow::print() {
    if (!guard_analysed() || !seams_.dialogs.question("Czy napewno drukować analizę produkcji?")) {
        return;
    }
    if (!seams_.printer.printer_name()) {
        seams_.dialogs.error(kNoPrinter);
        return;
    }
    const auto printed = seams_.printer.print(analysis_document(sheet(), view_, seams_.clock.now(), true));
    if (!printed) {
        seams_.dialogs.error(printed.error().what);
        return;
    }
    seams_.dialogs.information("Analizę wysłano do drukarki.");
}

void ProductionAnalysisWindow::save() {
    if (!guard_analysed()) {
        return;
    }
    const auto file = seams_.save_dialog.ask_save_file(
        {"Zapisz analizę...", file_name_of(view_), "csv", pdf_ ? "*.csv;;*.pdf" : "*.csv"});
    if (!file) {
        return;
    }
    const bool as_pdf = pdf_ && upper_pl(file->extension().string()) == ".PDF";
    const Status written = as_pdf ? pdf_(analysis_document(sheet(), view_, seams_.clock.now(), true), *file)
                                  : write_csv_file(*file, analysis_csv(sheet(), view_));
    if (!written) {
        seams_.dialogs.error("Błąd (51) przy zapisie do pliku: " + file->string() +
                             "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return;
    }
    seams_.dialogs.information("Analizę zapisano do pliku: " + file->string());
}

}  // namespace wazenie
