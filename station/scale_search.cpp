#include "station/scale_search.h"

namespace wazenie {

namespace {

bool has_recipe(const weight_record& w) {
    return w.weight_enabled && w.max_material > 0;
}

bool waits_in_system_cycle(const ProcessState& p, const weight_record& w) {
    return w.curr_cycle == p.r.curr_cycle && w.curr_cycle_status == cycle_status::NOT_STARTED;
}

bool qualifies(const ProcessState& p, int n, ScaleCriterion criterion, bool first_search) {
    const weight_record& w = p.w[n];
    switch (criterion) {
        case ScaleCriterion::enabled:
            return w.weight_enabled;
        case ScaleCriterion::with_recipe:
            return has_recipe(w);
        case ScaleCriterion::recipe_due:
            return has_recipe(w) &&
                   (waits_in_system_cycle(p, w) || (first_search && w.curr_cycle < p.r.curr_cycle));
    }
    return false;
}

}  // namespace

int first_scale(const ProcessState& p, ScaleCriterion criterion) {
    for (int n = 1; n <= kScales; ++n) {
        if (qualifies(p, n, criterion, true)) {
            return n;
        }
    }
    return 0;
}

int next_scale(const ProcessState& p, int from, ScaleCriterion criterion) {
    // A number outside 1..4 starts the search at scale 1, as 0 does.
    const int start = (from >= 1 && from <= kScales) ? from : 0;
    for (int step = 1; step <= kScales; ++step) {
        const int n = (start + step - 1) % kScales + 1;
        if (n == start) {
            break;
        }
        if (qualifies(p, n, criterion, false)) {
            return n;
        }
    }
    return start;
}

bool cycle_completed(const ProcessState& p) {
    for (const weight_record& w : p.w) {
        if (w.weight_enabled && w.curr_cycle == p.r.curr_cycle &&
            w.curr_cycle_status != cycle_status::COMPLETED) {
            return false;
        }
    }
    return true;
}

}  // namespace wazenie
