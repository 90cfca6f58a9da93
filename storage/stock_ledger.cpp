#include "storage/stock_ledger.h"

#include <array>
#include <cmath>

#include "core/number_text.h"
#include "storage/date_time.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr std::array<StockMove, 3> kMoves = {StockMove::delivery, StockMove::consumption, StockMove::count};
constexpr int kFields = 6;

int field_count(std::string_view line) {
    int n = 1;
    for (char c : line) {
        n += c == '\t';
    }
    return n;
}

Result<StockEntry> read_entry(std::string_view line) {
    if (field_count(line) != kFields) {
        return Error{"zła liczba pól", {}};
    }
    StockEntry e;
    const auto time = parse_date_time(tab_field(line, 0));
    if (!time) {
        return Error{"błędna data: \"" + tab_field(line, 0) + "\"", {}};
    }
    e.time = *time;
    const std::string move = tab_field(line, 1);
    bool known = false;
    for (StockMove m : kMoves) {
        if (move == stock_move_text(m)) {
            e.move = m;
            known = true;
        }
    }
    if (!known) {
        return Error{"nieznany rodzaj ruchu: \"" + move + "\"", {}};
    }
    e.material = tab_field(line, 2);
    if (e.material.empty()) {
        return Error{"brak nazwy materiału", {}};
    }
    const auto kg = parse_decimal(tab_field(line, 3));
    if (!kg || std::fabs(*kg) > 1e12) {
        return Error{"błędna masa: \"" + tab_field(line, 3) + "\"", {}};
    }
    e.kg = *kg;
    e.document = tab_field(line, 4);
    e.operator_name = tab_field(line, 5);
    return e;
}

}  // namespace

std::filesystem::path stock_ledger_path(const std::filesystem::path& data_dir) {
    return data_dir / "magazyn.txt";
}

std::string stock_kg_text(double kg) {
    return general_text(round_to(kg, 3));
}

std::string_view stock_move_text(StockMove move) {
    switch (move) {
        case StockMove::delivery:
            return "dostawa";
        case StockMove::consumption:
            return "zużycie";
        case StockMove::count:
            return "inwentaryzacja";
    }
    return {};
}

std::string stock_line(const StockEntry& e) {
    std::string line = file_date_time(e.time);
    for (const std::string& field :
         {std::string(stock_move_text(e.move)), clean_field(e.material), stock_kg_text(e.kg),
          clean_field(e.document), clean_field(e.operator_name)}) {
        line += '\t';
        line += field;
    }
    return line;
}

Result<StockLedger> read_stock_ledger(const std::filesystem::path& file) {
    StockLedger ledger;
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        return ledger;
    }
    int number = 0;
    const Status read = text_file::for_each_line(file, [&](std::string_view line) {
        ++number;
        if (line.empty()) {
            return true;
        }
        if (auto entry = read_entry(line)) {
            ledger.entries.push_back(std::move(*entry));
        } else {
            ledger.damaged.push_back("linia " + std::to_string(number) + ": " + entry.error().what);
        }
        return true;
    });
    if (!read) {
        return read.error();
    }
    return ledger;
}

Status append_stock_entries(const std::filesystem::path& file, const std::vector<StockEntry>& entries) {
    std::vector<std::string> lines;
    for (const StockEntry& e : entries) {
        lines.push_back(stock_line(e));
    }
    return text_file::append_own_lines(file, std::move(lines));
}

}  // namespace wazenie
