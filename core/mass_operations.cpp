#include "core/mass_operations.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace wazenie {

namespace {

// Counts that come from files are clamped here, so that a bad status file cannot index past the arrays.
int cycles_of(const ProcessState& p) {
    return std::clamp(p.r.total_cycle, 0, kCycles);
}

int materials_of(const weight_record& w) {
    return std::clamp(w.max_material, 0, kMaterials);
}

// The split divides by max_weight; a value of 0 or less counts as the default of the settings file.
constexpr int kDefaultMaxWeight = 200;
// Far above the 9 cycles a process can have, and still well inside an int.
constexpr double kMostCycles = 1'000'000;

int cycles_needed(double share, int max_weight) {
    const double per_cycle = max_weight > 0 ? max_weight : kDefaultMaxWeight;
    const double needed = std::floor(share / per_cycle) + 1;
    return std::isfinite(needed) ? static_cast<int>(std::clamp(needed, 1.0, kMostCycles)) : 1;
}

}  // namespace

void reset_masses(ProcessState& p, int scale, int cycle) {
    const int cycles = cycles_of(p);
    for (int n = 1; n <= kScales; ++n) {
        if (scale != 0 && scale != n) {
            continue;
        }
        weight_record& w = p.w[n];
        for (int j = 1; j <= materials_of(w); ++j) {
            for (int k = 1; k <= cycles; ++k) {
                if (cycle == 0 || cycle == k) {
                    w.m[j].curr_weight[k] = 0;
                }
            }
        }
        w.curr_cycle_status = cycle_status::NOT_STARTED;
        w.curr_material = 0;
        recompute_scale_totals(p, n, true);
    }
    recompute_process_total(p);
}

void restart_process(ProcessState& p) {
    reset_masses(p, 0, 0);
    p.r.curr_cycle = 1;
    p.r.view_cycle = 0;
    for (weight_record& w : p.w) {
        w.curr_cycle = 1;
    }
    p.r.start_time = 0;
    p.r.stop_time = 0;
}

void recompute_scale_totals(ProcessState& p, int scale, bool copy_to_gross) {
    if (!Scales::in_range(scale)) {
        return;
    }
    weight_record& w = p.w[scale];
    const int cycles = cycles_of(p);
    CycleMasses cycle_sums{};
    w.curr_total_weight = 0;
    for (int j = 1; j <= materials_of(w); ++j) {
        material_record& m = w.m[j];
        m.curr_total_weight = 0;
        for (int k = 1; k <= cycles; ++k) {
            m.curr_total_weight += m.curr_weight[k];
            cycle_sums[k] += m.curr_weight[k];
        }
        w.curr_total_weight += m.curr_total_weight;
    }
    for (int k = 1; k <= cycles; ++k) {
        w.curr_cycle_weight[k] = cycle_sums[k];
        if (copy_to_gross) {
            w.curr_weight[k] = cycle_sums[k];
        }
    }
}

void recompute_process_total(ProcessState& p) {
    p.r.curr_weight = 0;
    for (const weight_record& w : p.w) {
        p.r.curr_weight += w.curr_total_weight;
    }
}

void scale_recipe_to_total(ProcessState& p) {
    double recipe_sum = 0;
    for (const weight_record& w : p.w) {
        for (int j = 1; j <= materials_of(w); ++j) {
            recipe_sum += w.m[j].recipe_total_weight;
        }
    }
    const double f = recipe_sum != 0 ? p.r.recipe_total_weight / recipe_sum : 0;
    for (weight_record& w : p.w) {
        for (int j = 1; j <= materials_of(w); ++j) {
            material_record& m = w.m[j];
            m.recipe_total_weight = round_to(m.recipe_total_weight * f, w.precision);
        }
    }
}

int split_into_cycles(ProcessState& p) {
    scale_recipe_to_total(p);
    return split_scaled_recipe(p);
}

int split_scaled_recipe(ProcessState& p) {
    p.r.recipe_total_weight = 0;
    for (weight_record& w : p.w) {
        w.recipe_total_weight = 0;
        w.recipe_total_weight_c1 = 0;
        w.recipe_total_weight_clast = 0;
        for (int j = 1; j <= materials_of(w); ++j) {
            w.recipe_total_weight += w.m[j].recipe_total_weight;
        }
        p.r.recipe_total_weight += w.recipe_total_weight;
    }

    int n = 1;
    for (const weight_record& w : p.w) {
        n = std::max(n, cycles_needed(w.recipe_total_weight, w.max_weight));
    }

    for (weight_record& w : p.w) {
        for (int j = 1; j <= materials_of(w); ++j) {
            material_record& m = w.m[j];
            m.recipe_weight_c1 = round_to(m.recipe_total_weight / n, w.precision);
            m.recipe_weight_clast = m.recipe_total_weight - n * m.recipe_weight_c1;
            // Rounding up a small material can leave the last cycle a negative mass, which the meter
            // cannot take; cutting the per-cycle mass instead moves the remainder into the last cycle.
            // The test is on the mass as it is sent, so a float residue of 0 does not count.
            if (round_to(m.recipe_weight_c1 + m.recipe_weight_clast, w.precision) < 0) {
                m.recipe_weight_c1 = round_toward_zero(m.recipe_total_weight / n, w.precision);
                m.recipe_weight_clast = m.recipe_total_weight - n * m.recipe_weight_c1;
            }
            w.recipe_total_weight_c1 += m.recipe_weight_c1;
            w.recipe_total_weight_clast += m.recipe_weight_clast;
        }
    }
    return n;
}

}  // namespace wazenie
