#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"
#include "reports/log_scan.h"
#include "storage/stock_ledger.h"

namespace wazenie {

// A material kept in stock: what is left, and its last delivery.
struct MaterialStock {
    std::string material;
    double kg = 0;
    std::optional<StockEntry> last_delivery;
};

// The stock as the ledger's lines give it. A material is kept in stock from its first delivery or
// count on; a process's consumption is taken once, by its WZ number.
class StockBook {
public:
    StockBook() = default;
    explicit StockBook(const std::vector<StockEntry>& entries);

    void take(const StockEntry& entry);
    bool kept(std::string_view material) const;
    double stock(std::string_view material) const;
    bool consumption_posted(std::string_view document) const;
    // In Polish alphabetical order.
    std::vector<MaterialStock> materials() const;

private:
    std::map<std::string, MaterialStock, std::less<>> materials_;
    std::set<std::string, std::less<>> posted_;
};

// "Dostawa": a delivery of kg (more than 0, point or comma) of a named material under its document.
// The error's `what` is the message for the operator.
Result<StockEntry> delivery_entry(std::string_view material, std::string_view kg, std::string_view document,
                                  std::string_view operator_name, DateTime now);
// "Inwentaryzacja": the counted kg (0 or more) of a material; the difference from the stock is posted,
// and from then on the material is kept in stock.
Result<StockEntry> count_entry(const StockBook& book, std::string_view material, std::string_view counted_kg,
                               std::string_view operator_name, DateTime now);

// What the process took of every material kept in stock (its dosed masses summed by name over the
// scales), as consumption lines of its WZ number; none when it was posted already or took nothing.
std::vector<StockEntry> consumption_of(const ProcessState& p, const StockBook& book, DateTime now);

// A kept material the process needs more of than is left: its total target less what it dosed so far.
struct Shortage {
    std::string material;
    double needed = 0;
    double stock = 0;
};
std::vector<Shortage> shortages_of(const ProcessState& p, const StockBook& book);
// "Za mało materiału w magazynie: NAME: potrzeba N kg, stan M kg.", and the question before a start.
std::string shortage_text(const Shortage& shortage);
std::string shortage_question(const Shortage& shortage);

// The movements of a range of days (both included) and their sums.
struct StockMovements {
    std::vector<StockEntry> entries;
    double delivered = 0;
    double consumed = 0;  // as a positive figure
    double corrected = 0;
};
StockMovements movements_between(const std::vector<StockEntry>& entries, const LogRange& range);

}  // namespace wazenie
