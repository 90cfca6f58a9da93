#include "windows/audit_window.h"

#include <cmath>

#include "reports/audit_table.h"

namespace wazenie {

namespace {

constexpr int kDaysShown = 30;

}  // namespace

AuditWindow::AuditWindow(std::filesystem::path data_dir, Dialogs& dialogs, const Clock& clock)
    : data_dir_(std::move(data_dir)), dialogs_(dialogs), clock_(clock) {}

std::vector<std::string> AuditWindow::titles() {
    return audit_table({}).titles;
}

void AuditWindow::open() {
    const auto file = audit_trail_path(data_dir_);
    auto read = read_audit_trail(file);
    entries_.clear();
    if (!read) {
        dialogs_.error("Nie można odczytać pliku: " + file.string() + " (" + read.error().what + ")");
    } else {
        entries_ = std::move(read->entries);
        if (!read->damaged.empty()) {
            std::string text = "Nieczytelne wiersze pliku " + file.string() + ":";
            for (const std::string& line : read->damaged) {
                text += "\r" + line;
            }
            dialogs_.warning(text);
        }
    }
    to_ = std::floor(clock_.now());
    from_ = to_ - kDaysShown;
    refilter();
}

void AuditWindow::set_from(DateTime day) {
    from_ = std::floor(day);
    refilter();
}

void AuditWindow::set_to(DateTime day) {
    to_ = std::floor(day);
    refilter();
}

void AuditWindow::set_filter(const std::string& text) {
    filter_ = text;
    refilter();
}

void AuditWindow::refilter() {
    TextTable table = audit_table(filter_audit(entries_, from_, to_, filter_));
    rows_.assign(std::make_move_iterator(table.rows.rbegin()), std::make_move_iterator(table.rows.rend()));
}

}  // namespace wazenie
