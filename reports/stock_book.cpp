#include "reports/stock_book.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/date_time.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// Below a gram a figure is nothing: sums of doses never come out exact.
constexpr double kGram = 0.0005;

// Sums a figure of every material of every scale by its name.
template <typename Figure>
std::map<std::string, double, std::less<>> by_material(const ProcessState& p, Figure figure) {
    std::map<std::string, double, std::less<>> sums;
    for (const weight_record& w : p.w) {
        for (int j = 1; j <= std::clamp(w.max_material, 0, kMaterials); ++j) {
            if (!w.m[j].material_name.empty()) {
                sums[w.m[j].material_name] += figure(w, w.m[j]);
            }
        }
    }
    return sums;
}

// Masses a person types: up to a thousand tonnes, to the gram.
std::optional<double> typed_kg(std::string_view text) {
    const auto kg = parse_decimal(text);
    if (!kg || *kg < 0 || *kg > 1e6) {
        return std::nullopt;
    }
    return round_to(*kg, 3);
}

std::optional<Error> refused_material(std::string_view material) {
    if (trim(material).empty()) {
        return Error{"Nie podano materiału.", {}};
    }
    return std::nullopt;
}

}  // namespace

StockBook::StockBook(const std::vector<StockEntry>& entries) {
    for (const StockEntry& e : entries) {
        take(e);
    }
}

void StockBook::take(const StockEntry& e) {
    if (e.move == StockMove::consumption) {
        posted_.insert(e.document);
        if (auto kept = materials_.find(e.material); kept != materials_.end()) {
            kept->second.kg += e.kg;
        }
        return;
    }
    MaterialStock& m = materials_[e.material];
    m.material = e.material;
    m.kg += e.kg;
    if (e.move == StockMove::delivery) {
        m.last_delivery = e;
    }
}

bool StockBook::kept(std::string_view material) const {
    return materials_.find(material) != materials_.end();
}

double StockBook::stock(std::string_view material) const {
    const auto m = materials_.find(material);
    return m == materials_.end() ? 0 : m->second.kg;
}

bool StockBook::consumption_posted(std::string_view document) const {
    return posted_.find(document) != posted_.end();
}

std::vector<MaterialStock> StockBook::materials() const {
    std::vector<MaterialStock> out;
    for (const auto& [name, m] : materials_) {
        out.push_back(m);
    }
    std::stable_sort(out.begin(), out.end(), [](const MaterialStock& a, const MaterialStock& b) {
        return polish_less(a.material, b.material);
    });
    return out;
}

Result<StockEntry> delivery_entry(std::string_view material, std::string_view kg, std::string_view document,
                                  std::string_view operator_name, DateTime now) {
    if (auto refused = refused_material(material)) {
        return *refused;
    }
    const auto delivered = typed_kg(kg);
    if (!delivered || *delivered <= 0) {
        return Error{"Błędna masa dostawy: \"" + std::string(kg) + "\"", {}};
    }
    return StockEntry{now,        StockMove::delivery,         std::string(trim(material)),
                      *delivered, std::string(trim(document)), std::string(operator_name)};
}

Result<StockEntry> count_entry(const StockBook& book, std::string_view material, std::string_view counted_kg,
                               std::string_view operator_name, DateTime now) {
    if (auto refused = refused_material(material)) {
        return *refused;
    }
    const auto counted = typed_kg(counted_kg);
    if (!counted) {
        return Error{"Błędna masa z inwentaryzacji: \"" + std::string(counted_kg) + "\"", {}};
    }
    const std::string name(trim(material));
    return StockEntry{now, StockMove::count,          name, round_to(*counted - book.stock(name), 3),
                      "",  std::string(operator_name)};
}

std::vector<StockEntry> consumption_of(const ProcessState& p, const StockBook& book, DateTime now) {
    std::vector<StockEntry> out;
    if (p.r.weight_doc.empty() || book.consumption_posted(p.r.weight_doc)) {
        return out;
    }
    // As the month's log records them: each scale's dose to its precision.
    const auto logged = [](const weight_record& w, const material_record& m) {
        return round_to(m.curr_total_weight, std::max(0, w.precision));
    };
    for (const auto& [name, kg] : by_material(p, logged)) {
        if (book.kept(name) && std::fabs(kg) >= kGram) {
            out.push_back({now, StockMove::consumption, name, -kg, p.r.weight_doc, p.r.user_name});
        }
    }
    return out;
}

std::vector<Shortage> shortages_of(const ProcessState& p, const StockBook& book) {
    std::vector<Shortage> out;
    const auto still_needed = [](const weight_record&, const material_record& m) {
        return m.recipe_total_weight - m.curr_total_weight;
    };
    for (const auto& [name, kg] : by_material(p, still_needed)) {
        if (book.kept(name) && kg - book.stock(name) >= kGram) {
            out.push_back({name, kg, book.stock(name)});
        }
    }
    return out;
}

std::string shortage_text(const Shortage& s) {
    return "Za mało materiału w magazynie: " + s.material + ": potrzeba " + stock_kg_text(s.needed) +
           " kg, stan " + stock_kg_text(s.stock) + " kg.";
}

std::string shortage_question(const Shortage& s) {
    return shortage_text(s) + " Czy mimo to rozpocząć?";
}

StockMovements movements_between(const std::vector<StockEntry>& entries, const LogRange& range) {
    StockMovements out;
    for (const StockEntry& e : entries) {
        const auto day = date_at_start(file_date_time(e.time));
        if (!day || day->ordinal() < range.from.ordinal() || day->ordinal() > range.to.ordinal()) {
            continue;
        }
        out.entries.push_back(e);
        switch (e.move) {
            case StockMove::delivery:
                out.delivered += e.kg;
                break;
            case StockMove::consumption:
                out.consumed -= e.kg;
                break;
            case StockMove::count:
                out.corrected += e.kg;
                break;
        }
    }
    return out;
}

}  // namespace wazenie
