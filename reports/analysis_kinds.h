#pragma once

#include <string>
#include <vector>

#include "reports/production_analysis.h"
#include "reports/table_output.h"
#include "storage/material_kinds.h"

namespace wazenie {

// Target and dosed mass of the materials of one kind, summed over an analysis's consumption.
struct KindTotal {
    MaterialKind kind = MaterialKind::none;  // none: the materials without a kind
    double target = 0;
    double dosed = 0;
};

// The analysis of the materials of `kind` alone, as the kinds give them to the material names: their
// consumption rows and a grand total of theirs, their accuracy rows and their doses. The processes, the
// names and the daily production stay as they were: the days are not counted by kind. The grand total's
// processes are those with a finished dose of the kind, and at least as many as its material dosed in
// the most processes (a dose broken off is not kept in the analysis).
ProductionAnalysis analysis_of_kind(const ProductionAnalysis& analysis, const MaterialKinds& kinds,
                                    MaterialKind kind);

// The consumption by kind, in the order of material_kinds_list(), then the materials without a kind;
// empty when no material of the analysis has a kind.
std::vector<KindTotal> consumption_by_kind(const ProductionAnalysis& analysis, const MaterialKinds& kinds);

// The kind's name, "bez rodzaju" for none.
std::string kind_total_name(MaterialKind kind);
// Kind, target, dosed and difference, the masses with `precision` decimals.
TextTable kind_totals_table(const std::vector<KindTotal>& totals, int precision);

}  // namespace wazenie
