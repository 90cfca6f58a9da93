#include "windows/stock_window.h"

#include "core/number_text.h"
#include "core/trim.h"
#include "reports/wz_print.h"
#include "storage/stock_ledger.h"

namespace wazenie {

bool stock_window_offered(const Settings& settings, const std::filesystem::path& data_dir) {
    const auto kept = settings.ini.value("Magazyn", "prowadzony");
    std::error_code ignored;
    return (kept && trim(*kept) == "1") || std::filesystem::exists(stock_ledger_path(data_dir), ignored);
}

StockWindow::StockWindow(std::filesystem::path data_dir, std::string operator_name, Seams seams)
    : data_dir_(std::move(data_dir)), operator_name_(std::move(operator_name)), seams_(seams) {
    reload();
}

std::vector<std::string> StockWindow::stock_titles() {
    return stock_table({}, {}).titles;
}

std::vector<std::string> StockWindow::movement_titles() {
    return movements_table({}).titles;
}

void StockWindow::reload() {
    // A file that cannot be read leaves what the window showed.
    if (auto files = read_stock_files(data_dir_, seams_.dialogs)) {
        entries_ = std::move(files->entries);
        levels_ = std::move(files->levels);
    }
    book_ = StockBook(entries_);
    rows_.clear();
    const std::vector<MaterialStock> materials = book_.materials();
    const TextTable table = stock_table(book_, levels_);
    for (std::size_t i = 0; i < materials.size(); ++i) {
        rows_.push_back({table.rows[i], stock_low(materials[i], levels_)});
    }
}

bool StockWindow::post(const Result<StockEntry>& entry) {
    if (!entry) {
        seams_.dialogs.error(entry.error().what);
        return false;
    }
    const auto file = stock_ledger_path(data_dir_);
    if (!append_stock_entries(file, {*entry})) {
        seams_.dialogs.error(stock_write_error(file));
        return false;
    }
    reload();
    return true;
}

bool StockWindow::deliver(std::string_view material, std::string_view kg, std::string_view document) {
    return post(delivery_entry(material, kg, document, operator_name_, seams_.clock.now()));
}

bool StockWindow::count(std::string_view material, std::string_view counted_kg) {
    return post(count_entry(book_, material, counted_kg, operator_name_, seams_.clock.now()));
}

bool StockWindow::set_low_level(std::string_view material, std::string_view kg) {
    const std::string name(trim(material));
    if (name.empty()) {
        seams_.dialogs.error("Nie podano materiału.");
        return false;
    }
    StockLevels levels = levels_;
    if (trim(kg).empty()) {
        levels.erase(name);
    } else if (const auto level = parse_decimal(kg); level && *level >= 0 && *level <= 1e6) {
        levels[name] = round_to(*level, 3);
    } else {
        seams_.dialogs.error("Błędny poziom niski: \"" + std::string(kg) + "\"");
        return false;
    }
    const auto file = stock_levels_path(data_dir_);
    if (!save_stock_levels(file, levels)) {
        seams_.dialogs.error(stock_write_error(file));
        return false;
    }
    reload();
    return true;
}

void StockWindow::show_movements(const std::string& date_from, const std::string& date_to) {
    const auto range = read_range({date_from, date_to, "", ""}, seams_.dialogs);
    if (!range) {
        return;
    }
    date_from_ = date_from;
    date_to_ = date_to;
    movements_ = movements_between(entries_, *range);
    movement_table_ = movements_table(*movements_);
}

bool StockWindow::guard_movements() {
    if (!movements_) {
        seams_.dialogs.error("Najpierw pokaż ruchy magazynowe.");
        return false;
    }
    return true;
}

void StockWindow::print() {
    if (!guard_movements() || !seams_.dialogs.question("Czy napewno drukować ruchy magazynowe?")) {
        return;
    }
    if (!seams_.printer.printer_name()) {
        seams_.dialogs.error(kNoPrinter);
        return;
    }
    const auto printed =
        seams_.printer.print(movements_document(date_from_, date_to_, *movements_, seams_.clock.now(), true));
    if (!printed) {
        seams_.dialogs.error(printed.error().what);
        return;
    }
    seams_.dialogs.information("Ruchy magazynowe wysłano do drukarki.");
}

void StockWindow::save() {
    if (!guard_movements()) {
        return;
    }
    const auto file =
        seams_.save_dialog.ask_save_file({"Zapisz ruchy magazynowe...", "magazyn.csv", "csv", "*.csv"});
    if (!file) {
        return;
    }
    if (!write_csv_file(*file, table_csv(movement_table_))) {
        seams_.dialogs.error("Błąd (51) przy zapisie do pliku: " + file->string() +
                             "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return;
    }
    seams_.dialogs.information("Ruchy magazynowe zapisano do pliku: " + file->string());
}

}  // namespace wazenie
