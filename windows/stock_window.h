#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/printer.h"
#include "core/save_file_dialog.h"
#include "reports/stock_book.h"
#include "reports/stock_sheet.h"
#include "storage/settings.h"
#include "storage/stock_levels.h"

namespace wazenie {

// The tools button "Magazyn" shows once the plant keeps stock: konfig.ini [Magazyn] prowadzony=1, or a
// ledger that the CLI has begun.
bool stock_window_offered(const Settings& settings, const std::filesystem::path& data_dir);

// A material's row of the stock list; `low` when the stock is at or below its low level (amber).
struct StockRow {
    std::vector<std::string> columns;
    bool low = false;
};

// What the window "Magazyn" does, without the window: the stock of every kept material with its low
// level and last delivery, a delivery and a count posted to the ledger, the low levels edited, and
// the movements of a range shown, printed and saved as CSV.
class StockWindow {
public:
    struct Seams {
        Dialogs& dialogs;
        const Clock& clock;
        Printer& printer;
        SaveFileDialog& save_dialog;
    };

    StockWindow(std::filesystem::path data_dir, std::string operator_name, Seams seams);

    // Reads the ledger and the low levels again; lines left out are named in one warning.
    void reload();
    const std::vector<StockRow>& rows() const { return rows_; }
    static std::vector<std::string> stock_titles();
    static std::vector<std::string> movement_titles();

    // "Dostawa" and "Inwentaryzacja": true when the line was written (the list then shows it).
    bool deliver(std::string_view material, std::string_view kg, std::string_view document);
    bool count(std::string_view material, std::string_view counted_kg);
    // The low level of a material; an empty text removes it.
    bool set_low_level(std::string_view material, std::string_view kg);

    // "Pokaż ruchy" for the range "od" - "do" (rrrr-mm-dd); a refused range keeps the movements shown.
    void show_movements(const std::string& date_from, const std::string& date_to);
    // The movements, then their sums.
    const std::vector<std::vector<std::string>>& movement_rows() const { return movement_table_.rows; }
    // "Drukuj" and " Zapisz" of the movements shown.
    void print();
    void save();

private:
    bool post(const Result<StockEntry>& entry);
    bool guard_movements();

    std::filesystem::path data_dir_;
    std::string operator_name_;
    Seams seams_;
    std::vector<StockEntry> entries_;
    StockBook book_;
    StockLevels levels_;
    std::vector<StockRow> rows_;
    std::string date_from_;
    std::string date_to_;
    std::optional<StockMovements> movements_;
    TextTable movement_table_;
};

}  // namespace wazenie
