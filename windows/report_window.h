#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clipboard.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/printer.h"
#include "core/process_records.h"
#include "core/save_file_dialog.h"
#include "reports/report_list.h"
#include "reports/report_output.h"
#include "storage/settings.h"
#include "windows/report_filters.h"

namespace wazenie {

// A row of the detail list: "W", "N", "Substancja", "Masa".
struct DetailRow {
    std::string scale;
    std::string number;
    std::string material_name;
    std::string mass;
    bool operator==(const DetailRow&) const = default;
};

// What the report window ("Raport ważeń zakończonych") does, without the window. The view shows the
// dates, filters, rows(), cycle_choices() with cycle_choice() and details(), and forwards its buttons.
class WeighingReport : public ReportRange {
public:
    struct Seams {
        Dialogs& dialogs;
        const Clock& clock;
        Printer& printer;
        Clipboard& clipboard;
        SaveFileDialog& save_dialog;
        // The main window's status bar, panel 3; may be empty.
        std::function<void(const std::string&)> show_printer_name;
    };

    // `settings` and `station_scales` are the main window's: the total's and the scales' precision.
    WeighingReport(std::filesystem::path data_dir, const Settings& settings, const Scales& station_scales,
                   Seams seams);

    // Every showing: today's dates at the first one, the cycle choice back on its first entry.
    void show();

    // "Odśwież raport".
    void refresh();
    const std::vector<ReportRow>& rows() const { return rows_; }

    void select_row(std::optional<std::size_t> row);
    std::optional<std::size_t> selected_row() const { return selected_; }
    const std::vector<std::string>& cycle_choices() const { return cycle_choices_; }
    int cycle_choice() const { return cycle_choice_; }
    // 0 is "<wszystkie>", c is "cykl c".
    void choose_cycle(int index);
    const std::vector<DetailRow>& details() const { return details_; }
    // The selected process as loaded from its log.
    const ProcessState& process() const { return p_; }

    // " Drukuj poj. dokument WZ".
    void print_wz_again();
    // "Karta zarobu": the batch record of the selected process, with the same guards and copies.
    void print_batch_record();
    // "Drukuj raport", "Kopiuj raport", " Zapisz raport".
    void print_report();
    void copy_report();
    void save_report();
    // " Zapisz raport" offers a PDF of the printout as well.
    void save_pdf_with(DocumentFileWriter writer) { pdf_ = std::move(writer); }

private:
    bool last_row_selected() const { return selected_ && *selected_ + 1 == rows_.size(); }
    bool load_selected();
    bool selected_process_ready();
    void fill_details();
    ReportSheet sheet() const;

    std::filesystem::path data_dir_;
    const Settings& settings_;
    const Scales& station_scales_;
    Seams seams_;
    std::vector<ReportRow> rows_;
    std::optional<std::size_t> selected_;
    std::vector<std::string> cycle_choices_;
    int cycle_choice_ = 0;
    std::vector<DetailRow> details_;
    ProcessState p_;
    bool loaded_ = false;
    DocumentFileWriter pdf_;
};

}  // namespace wazenie
