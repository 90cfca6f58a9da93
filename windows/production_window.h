#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/printer.h"
#include "core/save_file_dialog.h"
#include "reports/analysis_output.h"
#include "reports/report_output.h"
#include "storage/material_kinds.h"
#include "storage/settings.h"
#include "windows/report_filters.h"

namespace wazenie {

inline constexpr std::array<std::string_view, 6> kConsumptionColumns = {
    "Materiał", "Waga", "Zadano [kg]", "Dozowano [kg]", "Różnica [kg]", "Procesy"};
inline constexpr std::array<std::string_view, 8> kAccuracyColumns = {
    "Materiał",          "Tolerancja [%]", "Dozowania",      "Z zadaną",
    "Średnia odch. [%]", "Odch. std. [%]", "Największa [%]", "Poza tolerancją"};
inline constexpr std::array<std::string_view, 9> kDoseColumns = {
    "Nr WZ",       "Rozpoczęcie",   "Materiał",      "W",           "Cykl",
    "Zadano [kg]", "Dozowano [kg]", "Odchyłka [kg]", "Odchyłka [%]"};
inline constexpr std::array<std::string_view, 3> kDayColumns = {"Dzień", "Dozowano [kg]", "Procesy"};
inline constexpr std::array<std::string_view, 4> kKindTotalColumns = {"Rodzaj", "Zadano [kg]",
                                                                      "Dozowano [kg]", "Różnica [kg]"};
inline constexpr std::array<std::string_view, 7> kWaterCementColumns = {
    "Nr WZ", "Rozpoczęcie", "Receptura", "Klient", "Cement [kg]", "Woda efektywna [kg]", "w/c"};
// The first choice of "Rodzaj:", before the kinds: every material.
inline constexpr std::string_view kAllKinds = "wszystkie";

// One dose of the accuracy view's list as it is shown; `outside` marks its deviation.
struct DoseLine {
    std::array<std::string, kDoseColumns.size()> columns;
    bool outside = false;
};

// What the window "Analiza produkcji" does, without the window: the range and filters (the report
// window's when it opens), the analysis of the last refresh with the rows of its views, and the shown
// view printed or saved as CSV or PDF. When data_dir gives its materials kinds (as they were when the
// window was made) the consumption and the accuracy may be narrowed to one kind, the consumption is
// totalled by kind and the view w/c lists the water/cement ratio of the processes with cement.
class ProductionAnalysisWindow : public ReportRange {
public:
    struct Seams {
        Dialogs& dialogs;
        const Clock& clock;
        Printer& printer;
        SaveFileDialog& save_dialog;
    };

    // `settings` are the program's: the tolerances are read from them at every refresh.
    ProductionAnalysisWindow(std::filesystem::path data_dir, const Settings& settings, Seams seams);

    // "Odśwież analizę". A refused range keeps the analysis shown.
    void refresh();
    // The analysis of the views consumption and accuracy: of the kind chosen, or whole.
    const ProductionAnalysis* analysis() const;
    // The range and filters the shown analysis was made for.
    const ReportQuery& analysed_query() const { return analysed_query_; }

    AnalysisView view() const { return view_; }
    void set_view(AnalysisView view) { view_ = view; }

    bool has_kinds() const { return !kinds_.entries().empty(); }
    // "Rodzaj:"; none for "wszystkie".
    MaterialKind kind() const { return views_.shown; }
    void set_kind(MaterialKind kind);

    std::vector<std::vector<std::string>> consumption_rows() const;
    std::vector<std::vector<std::string>> accuracy_rows() const;
    std::vector<std::vector<std::string>> day_rows() const;
    // The consumption by kind, for every material only (a narrowed consumption is one kind's total).
    std::vector<std::vector<std::string>> kind_total_rows() const;
    std::vector<std::vector<std::string>> water_cement_rows() const;
    // "Średnio w/c: 0.52, największe: 0.58", or what stands for it without a process with cement.
    std::string water_cement_summary() const;
    std::size_t dose_count() const { return analysis_ ? analysis()->doses.size() : 0; }
    DoseLine dose_line(std::size_t dose) const;
    bool dose_outside(std::size_t dose) const {
        return deviation_of(analysis()->doses.at(dose), *analysis()).outside;
    }
    // The doses outside their tolerance, as indexes of the analysis's doses.
    const std::vector<std::uint32_t>& outside_doses() const { return outside_; }

    // "Drukuj" and " Zapisz" of the shown view.
    void print();
    void save();
    // " Zapisz" offers a PDF of the printout beside the CSV.
    void save_pdf_with(DocumentFileWriter writer) { pdf_ = std::move(writer); }

private:
    bool guard_analysed();
    // The analysis of the kind chosen, the totals by kind and the doses outside their tolerance anew.
    void narrow();
    AnalysisSheet sheet() const { return {analysed_query_, *analysis(), has_kinds() ? &views_ : nullptr}; }

    std::filesystem::path data_dir_;
    const Settings& settings_;
    Seams seams_;
    MaterialKinds kinds_;
    std::optional<ProductionAnalysis> analysis_;
    std::optional<ProductionAnalysis> narrowed_;  // while a kind is chosen
    KindViews views_;
    ReportQuery analysed_query_;
    std::vector<std::uint32_t> outside_;
    AnalysisView view_ = AnalysisView::Consumption;
    DocumentFileWriter pdf_;
};

}  // namespace wazenie
