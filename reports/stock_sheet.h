#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/print_document.h"
#include "core/process_records.h"
#include "reports/stock_book.h"
#include "reports/table_output.h"
#include "storage/stock_levels.h"

namespace wazenie {

// At or below its low level the stock needs the operator (amber in the list); no level, no warning.
bool stock_low(const MaterialStock& m, const StockLevels& levels);

// Material, stock, low level, the last delivery's date, kg and document.
TextTable stock_table(const StockBook& book, const StockLevels& levels);

// The movements of a range, oldest first, then their sums: delivered, consumed, corrected.
TextTable movements_table(const StockMovements& movements);

// "Stan magazynu" and the stock table.
PrintDocument stock_document(const StockBook& book, const StockLevels& levels, DateTime now);

// A stock file that cannot be written.
std::string stock_write_error(const std::filesystem::path& file);

// The ledger and the low levels as the stock window and the CLI read them: lines either file had to
// leave out are named in one warning (the file, then one line each); nothing when a file cannot be
// read (the error has been shown).
struct StockFiles {
    std::vector<StockEntry> entries;
    StockLevels levels;
};
std::optional<StockFiles> read_stock_files(const std::filesystem::path& data_dir, Dialogs& dialogs);

// "Ruchy magazynowe w dniach: FROM - TO" and the movements table, as the analysis prints.
PrintDocument movements_document(const std::string& date_from, const std::string& date_to,
                                 const StockMovements& movements, DateTime now, bool for_printer);

}  // namespace wazenie
