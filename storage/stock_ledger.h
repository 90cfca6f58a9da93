#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// What a line of the stock ledger records.
enum class StockMove { delivery, consumption, count };

// One movement: kg is signed (+ a delivery, - a consumption, either for a count's correction);
// document is the delivery note's number or the WZ number of the process that took the material.
struct StockEntry {
    DateTime time = 0;
    StockMove move = StockMove::delivery;
    std::string material;
    double kg = 0;
    std::string document;
    std::string operator_name;

    bool operator==(const StockEntry&) const = default;
};

// data_dir / "magazyn.txt": append only, one movement a line, tab-separated, Windows-1250, CR LF:
// date-time, "dostawa" / "zużycie" / "inwentaryzacja", material, kg with a point, document, operator.
std::filesystem::path stock_ledger_path(const std::filesystem::path& data_dir);

std::string_view stock_move_text(StockMove move);
// kg as the ledger keeps it and the stock shows it: a point and up to three decimals.
std::string stock_kg_text(double kg);
std::string stock_line(const StockEntry& entry);

// The ledger as read: a missing file is an empty ledger. A line that does not read is left out and
// named in `damaged` ("linia 12: ..."), so that the stock of the other lines still shows.
struct StockLedger {
    std::vector<StockEntry> entries;
    std::vector<std::string> damaged;
};
Result<StockLedger> read_stock_ledger(const std::filesystem::path& file);

Status append_stock_entries(const std::filesystem::path& file, const std::vector<StockEntry>& entries);

}  // namespace wazenie
