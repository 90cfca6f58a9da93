#include "recipes/moisture_compensation.h"

#include "core/number_text.h"

namespace wazenie {

namespace {

double moisture_of(const material_record& m, const MaterialKinds& kinds, const MoistureTable& moisture) {
    if (kinds.of(m.material_name) != MaterialKind::aggregate) {
        return 0;
    }
    const MoistureEntry* entry = moisture.find(m.material_name);
    return entry ? entry->percent : 0;
}

template <typename Visit>
void each_material(ProcessState& q, Visit visit) {
    for (int s = 1; s <= kScales; ++s) {
        weight_record& w = q.w[s];
        for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
            visit(s, j, w);
        }
    }
}

}  // namespace

bool moisture_counts(const ProcessState& q, const MaterialKinds& kinds, const MoistureTable& moisture) {
    for (const weight_record& w : q.w) {
        for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
            if (moisture_of(w.m[j], kinds, moisture) > 0) {
                return true;
            }
        }
    }
    return false;
}

Result<std::vector<DryTarget>> compensate_moisture(ProcessState& q, const MaterialKinds& kinds,
                                                   const MoistureTable& moisture) {
    ProcessState wet = q;
    std::vector<DryTarget> targets;
    double free_water = 0;
    double water = 0;
    each_material(wet, [&](int s, int j, weight_record& w) {
        material_record& m = w.m[j];
        const MaterialKind kind = kinds.of(m.material_name);
        const double percent = moisture_of(m, kinds, moisture);
        targets.push_back({s, j, m.material_name, kind, m.recipe_total_weight, percent, 0});
        if (percent > 0) {
            const double raised = round_to(m.recipe_total_weight * (1 + percent / 100), w.precision);
            free_water += raised - m.recipe_total_weight;
            m.recipe_total_weight = raised;
        } else if (kind == MaterialKind::water) {
            water += m.recipe_total_weight;
        }
    });
    if (free_water > water + 1e-9) {
        return Error{"Woda z kruszyw przekracza wodę receptury: " + fixed_text(free_water, 1) +
                         " kg wody w kruszywach, " + fixed_text(water, 1) + " kg wody w recepturze.",
                     {}};
    }
    // Each water material gives its share; the last one takes what the rounding left, so the total
    // stays whole.
    double taken = 0;
    material_record* last = nullptr;
    int last_precision = 0;
    each_material(wet, [&](int, int j, weight_record& w) {
        material_record& m = w.m[j];
        if (kinds.of(m.material_name) != MaterialKind::water || water == 0 || m.recipe_total_weight == 0) {
            return;
        }
        const double share = round_to(free_water * m.recipe_total_weight / water, w.precision);
        m.recipe_total_weight -= share;
        taken += share;
        last = &m;
        last_precision = w.precision;
    });
    if (last) {
        last->recipe_total_weight =
            round_to(last->recipe_total_weight - (free_water - taken), last_precision);
    }
    for (DryTarget& target : targets) {
        target.wet = wet.w[target.scale].m[target.material].recipe_total_weight;
    }
    q = wet;
    return targets;
}

}  // namespace wazenie
