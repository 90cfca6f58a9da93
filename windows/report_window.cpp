#include "windows/report_window.h"

#include <algorithm>

#include "clients/client_process.h"
#include "core/number_text.h"
#include "reports/batch_record_document.h"
#include "reports/wz_delivery_source.h"
#include "reports/wz_print.h"
#include "storage/process_file.h"

namespace wazenie {

namespace {

const std::string kAllCycles = "<wszystkie>";

}  // namespace

WeighingReport::WeighingReport(std::filesystem::path data_dir, const Settings& settings,
                               const Scales& station_scales, Seams seams)
    : ReportRange(seams.clock),
      data_dir_(std::move(data_dir)),
      settings_(settings),
      station_scales_(station_scales),
      seams_(std::move(seams)),
      cycle_choices_{kAllCycles} {}

void WeighingReport::show() {
    if (date_from().empty()) {
        today();
    }
    choose_cycle(0);
}

void WeighingReport::refresh() {
    auto list = build_report(data_dir_, query(), settings_.total_precision, seams_.dialogs);
    if (!list) {
        return;
    }
    rows_ = std::move(list->rows);
    select_row(std::nullopt);
}

void WeighingReport::select_row(std::optional<std::size_t> row) {
    cycle_choices_.assign(1, kAllCycles);
    cycle_choice_ = 0;
    details_.clear();
    loaded_ = false;
    selected_ = row && *row < rows_.size() ? row : std::nullopt;
    if (!selected_ || last_row_selected()) {
        return;
    }
    const int cycles = std::clamp(parse_int(rows_[*selected_].cycles).value_or(0), 0, kCycles);
    for (int c = 1; c <= cycles; ++c) {
        cycle_choices_.push_back("cykl " + std::to_string(c));
    }
    if (load_selected()) {
        fill_details();
    }
}

// The report's own records start clean for every process, with today's precision of each scale, so
// nothing of the process shown before is mixed in.
bool WeighingReport::load_selected() {
    const ReportRow& row = rows_[*selected_];
    p_ = ProcessState();
    for (int i = Scales::first; i <= Scales::last; ++i) {
        p_.w[i].precision = station_scales_[i].precision;
    }
    const auto loaded =
        load_process_with_client(p_, data_dir_, row.log_month, row.weight_doc, row.start_time);
    if (!loaded) {
        seams_.dialogs.error(loaded.error().what);
    }
    loaded_ = loaded.ok();
    return loaded_;
}

void WeighingReport::choose_cycle(int index) {
    cycle_choice_ = std::clamp(index, 0, static_cast<int>(cycle_choices_.size()) - 1);
    fill_details();
}

void WeighingReport::fill_details() {
    details_.clear();
    if (!selected_ || last_row_selected() || !loaded_) {
        return;
    }
    for (int i = Scales::first; i <= Scales::last; ++i) {
        const weight_record& scale = p_.w[i];
        for (int j = 1; j <= std::clamp(scale.max_material, 0, kMaterials); ++j) {
            const material_record& m = scale.m[j];
            const double mass = cycle_choice_ == 0 ? m.curr_total_weight : m.curr_weight[cycle_choice_];
            details_.push_back({std::to_string(i) + ".", std::to_string(j) + ".", m.material_name,
                                fixed_text(mass, scale.precision)});
        }
    }
}

// A process row is selected and its record loaded; otherwise the operator has been told why not.
bool WeighingReport::selected_process_ready() {
    if (!selected_) {
        seams_.dialogs.error("Nie zaznaczono żadnego ważenia.");
        return false;
    }
    if (last_row_selected()) {
        seams_.dialogs.error("Zaznaczony wiersz nie jest raportem ważenia.");
        return false;
    }
    return loaded_ || load_selected();
}

void WeighingReport::print_wz_again() {
    if (!selected_process_ready()) {
        return;
    }
    WzPrintSeams print{seams_.printer, seams_.dialogs, seams_.clock, seams_.show_printer_name};
    print_wz_copies(p_.r, p_.w, settings_, print,
                    wz_delivery_of_logged(settings_, data_dir_, rows_[*selected_].log_month, p_));
}

void WeighingReport::print_batch_record() {
    if (!selected_process_ready()) {
        return;
    }
    const auto record =
        logged_batch_record(data_dir_, rows_[*selected_].log_month, p_, settings_, seams_.dialogs);
    if (!record) {
        return;
    }
    WzPrintSeams print{seams_.printer, seams_.dialogs, seams_.clock, seams_.show_printer_name};
    print_copies([&](int copy) { return batch_record_document(*record, seams_.clock.now(), copy); }, print);
}

ReportSheet WeighingReport::sheet() const {
    return {date_from(), date_to(), client_text(), recipe_text(), rows_};
}

void WeighingReport::print_report() {
    wazenie::print_report(sheet(), seams_.printer, seams_.dialogs, seams_.clock);
}

void WeighingReport::copy_report() {
    wazenie::copy_report(rows_, seams_.clipboard, seams_.dialogs);
}

void WeighingReport::save_report() {
    wazenie::save_report(sheet(), seams_.save_dialog, seams_.dialogs, seams_.clock, pdf_);
}

}  // namespace wazenie
