#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/result.h"

namespace wazenie {

// The low level of each material kept in stock, by name: at or below it the stock shows amber.
using StockLevels = std::map<std::string, double, std::less<>>;

// data_dir / "magazyn_poziomy.txt": material and kg with a point, tab-separated, Windows-1250, CR LF.
std::filesystem::path stock_levels_path(const std::filesystem::path& data_dir);

// A missing file holds no levels; a line that does not read is left out and named in `damaged`.
struct ReadStockLevels {
    StockLevels levels;
    std::vector<std::string> damaged;
};
Result<ReadStockLevels> read_stock_levels(const std::filesystem::path& file);
// Rewritten atomically through "magazyn_poziomy_tmp.txt" beside it.
Status save_stock_levels(const std::filesystem::path& file, const StockLevels& levels);

}  // namespace wazenie
