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

// One dose of the accuracy view's list as it is shown; `outside` marks its deviation.
struct DoseLine {
    std::array<std::string, kDoseColumns.size()> columns;
    bool outside = false;
};

// What the window "Analiza produkcji" does, without the window: the range and filters (the report
// window's when it opens), the analysis of the last refresh with the rows of its three views, and
// the shown view printed or saved as CSV or PDF.
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
    const ProductionAnalysis* analysis() const { return analysis_ ? &*analysis_ : nullptr; }
    // The range and filters the shown analysis was made for.
    const ReportQuery& analysed_query() const { return analysed_query_; }

    AnalysisView view() const { return view_; }
    void set_view(AnalysisView view) { view_ = view; }

    std::vector<std::vector<std::string>> consumption_rows() const;
    std::vector<std::vector<std::string>> accuracy_rows() const;
    std::vector<std::vector<std::string>> day_rows() const;
    std::size_t dose_count() const { return analysis_ ? analysis_->doses.size() : 0; }
    DoseLine dose_line(std::size_t dose) const;
    bool dose_outside(std::size_t dose) const {
        return deviation_of(analysis_->doses.at(dose), *analysis_).outside;
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
    AnalysisSheet sheet() const { return {analysed_query_, *analysis_}; }

    std::filesystem::path data_dir_;
    const Settings& settings_;
    Seams seams_;
    std::optional<ProductionAnalysis> analysis_;
    ReportQuery analysed_query_;
    std::vector<std::uint32_t> outside_;
    AnalysisView view_ = AnalysisView::Consumption;
    DocumentFileWriter pdf_;
};

}  // namespace wazenie
