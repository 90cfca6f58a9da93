#include "storage/stock_levels.h"

#include "core/number_text.h"
#include "storage/stock_ledger.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

std::filesystem::path stock_levels_path(const std::filesystem::path& data_dir) {
    return data_dir / "magazyn_poziomy.txt";
}

Result<ReadStockLevels> read_stock_levels(const std::filesystem::path& file) {
    ReadStockLevels out;
    const Status read = text_file::read_data_lines(file, out.damaged, [&](const std::string& line) {
        const std::string name = tab_field(line, 0);
        const auto kg = parse_decimal(tab_field(line, 1));
        if (name.empty() || !kg || *kg < 0 || *kg > 1e12 || !tab_field(line, 2).empty()) {
            return false;
        }
        out.levels[name] = *kg;
        return true;
    });
    if (!read) {
        return read.error();
    }
    return out;
}

Status save_stock_levels(const std::filesystem::path& file, const StockLevels& levels) {
    std::vector<std::string> lines;
    for (const auto& [name, kg] : levels) {
        lines.push_back(clean_field(name) + '\t' + stock_kg_text(kg));
    }
    return text_file::replace_atomically(file, file.parent_path() / "magazyn_poziomy_tmp.txt", lines);
}

}  // namespace wazenie
