#include "reports/analysis_kinds.h"

#include <algorithm>
#include <optional>
#include <span>
#include <unordered_set>

#include "core/number_text.h"
#include "reports/report_list.h"

namespace wazenie {

namespace {

// Every row of the consumption but its grand total, the last.
std::span<const ConsumptionRow> material_rows(const ProductionAnalysis& analysis) {
    const std::span<const ConsumptionRow> rows(analysis.consumption);
    return rows.first(rows.empty() ? 0 : rows.size() - 1);
}

}  // namespace

ProductionAnalysis analysis_of_kind(const ProductionAnalysis& analysis, const MaterialKinds& kinds,
                                    MaterialKind kind) {
    ProductionAnalysis narrowed;
    narrowed.processes = analysis.processes;
    narrowed.material_names = analysis.material_names;
    narrowed.material_tolerances = analysis.material_tolerances;
    narrowed.days = analysis.days;
    narrowed.mass_precision = analysis.mass_precision;
    const auto of_kind = [&kinds, kind](const std::string& name) { return kinds.of(name) == kind; };

    std::vector<bool> names_of_kind;
    for (const std::string& name : analysis.material_names) {
        names_of_kind.push_back(of_kind(name));
    }
    std::unordered_set<std::uint32_t> dosing;
    std::vector<Dose> doses;
    for (const Dose& dose : analysis.doses) {
        if (names_of_kind[dose.material]) {
            doses.push_back(dose);
            dosing.insert(dose.process);
        }
    }
    narrowed.doses.append(std::move(doses));

    ConsumptionRow total{kTotalLabel, 0, 0, 0, static_cast<int>(dosing.size())};
    for (const ConsumptionRow& row : material_rows(analysis)) {
        if (!of_kind(row.material_name)) {
            continue;
        }
        narrowed.consumption.push_back(row);
        total.processes = std::max(total.processes, row.processes);
        if (row.scale > 0) {
            total.target += row.target;
            total.dosed += row.dosed;
        }
    }
    narrowed.consumption.push_back(std::move(total));

    std::copy_if(analysis.accuracy.begin(), analysis.accuracy.end(), std::back_inserter(narrowed.accuracy),
                 [&of_kind](const AccuracyRow& row) { return of_kind(row.material_name); });
    return narrowed;
}

std::vector<KindTotal> consumption_by_kind(const ProductionAnalysis& analysis, const MaterialKinds& kinds) {
    std::vector<MaterialKind> order = material_kinds_list();
    order.push_back(MaterialKind::none);
    std::vector<std::optional<KindTotal>> sums(order.size());
    bool any_kind = false;
    for (const ConsumptionRow& row : material_rows(analysis)) {
        if (row.scale == 0) {
            continue;
        }
        const MaterialKind kind = kinds.of(row.material_name);
        auto& sum =
            sums[static_cast<std::size_t>(std::find(order.begin(), order.end(), kind) - order.begin())];
        if (!sum) {
            sum = KindTotal{kind, 0, 0};
        }
        sum->target += row.target;
        sum->dosed += row.dosed;
        any_kind = any_kind || kind != MaterialKind::none;
    }
    std::vector<KindTotal> totals;
    for (const auto& sum : sums) {
        if (sum && any_kind) {
            totals.push_back(*sum);
        }
    }
    return totals;
}

std::string kind_total_name(MaterialKind kind) {
    const std::string_view name = material_kind_text(kind);
    return name.empty() ? "bez rodzaju" : std::string(name);
}

TextTable kind_totals_table(const std::vector<KindTotal>& totals, int precision) {
    TextTable t{{"Rodzaj", "Zadane [kg]", "Dozowane [kg]", "Różnica [kg]"}, {false, true, true, true}, {}};
    for (const KindTotal& total : totals) {
        t.rows.push_back({kind_total_name(total.kind), fixed_text(total.target, precision),
                          fixed_text(total.dosed, precision),
                          fixed_text(total.dosed - total.target, precision)});
    }
    return t;
}

}  // namespace wazenie
