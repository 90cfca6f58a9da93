#include "station/record_edits.h"

#include <algorithm>
#include <string>

#include "core/change_journal.h"
#include "core/dialogs.h"
#include "core/mass_operations.h"
#include "core/number_text.h"
#include "station/station_view.h"

namespace wazenie {

void RecordEdits::change_total_cycles() {
    if (!can_change_total_cycles()) {
        return;
    }
    int highest = 1;
    for (const weight_record& w : c_.p.w) {
        highest = std::max(highest, w.curr_cycle);
    }
    ValueRequest request;
    request.caption = "Ilość cykli";
    request.prompt = "Podaj ilość cykli (" + std::to_string(highest) + "-" + std::to_string(kCycles) + "):";
    request.initial = std::to_string(c_.p.r.total_cycle);
    request.data_type = "integer";
    const std::string answer = c_.dialogs.ask_value(request);
    if (answer.empty()) {
        return;
    }
    const auto n = parse_int(answer);
    if (!n || *n < highest || *n > kCycles) {
        c_.dialogs.error("Nieprawidłowa ilość cykli!");
        return;
    }
    const int before = c_.p.r.total_cycle;
    set_total_cycles(*n);
    c_.changes.record({"parametry procesu", "ilość cykli", std::to_string(before), std::to_string(*n)});
}

void RecordEdits::set_total_cycles(int n) {
    ProcessState& p = c_.p;
    const int old_total = p.r.total_cycle;
    const int added = n - old_total;
    p.r.recipe_total_weight = 0;
    for (int s = 1; s <= kScales; ++s) {
        weight_record& w = p.w[s];
        w.recipe_total_weight += added * w.recipe_total_weight_c1;
        p.r.recipe_total_weight += w.recipe_total_weight;
        for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
            w.m[j].recipe_total_weight += added * w.m[j].recipe_weight_c1;
        }
        // Masses an earlier, longer process left in the added cycles must not count now.
        for (int k = old_total + 1; k <= n && k <= kCycles; ++k) {
            w.curr_weight[k] = 0;
            w.curr_cycle_weight[k] = 0;
            for (material_record& m : w.m) {
                m.curr_weight[k] = 0;
            }
        }
    }
    p.r.total_cycle = n;
    for (int s = 1; s <= kScales; ++s) {
        recompute_scale_totals(p, s, false);
    }
    if (n < p.r.view_cycle) {
        p.r.view_cycle = n;
    }
    c_.view.process();
}

void RecordEdits::change_weight_doc() {
    ValueRequest request;
    request.caption = "Nr WZ";
    request.prompt = "Podaj numer dokumentu WZ:";
    request.initial = c_.p.r.weight_doc;
    request.data_type = "string";
    const std::string answer = c_.dialogs.ask_value(request);
    if (answer.empty()) {
        return;
    }
    const std::string before = c_.p.r.weight_doc;
    c_.p.r.weight_doc = answer;
    c_.view.process();
    c_.changes.record({"numer WZ", c_.p.r.recipe_name, before, answer});
}

void RecordEdits::show_previous_cycle() {
    recipe_record& r = c_.p.r;
    if (r.view_cycle == 0) {
        r.view_cycle = r.curr_cycle;
    }
    if (r.view_cycle > 1) {
        --r.view_cycle;
    }
    show_view_cycle();
}

void RecordEdits::show_next_cycle() {
    recipe_record& r = c_.p.r;
    if (r.view_cycle == 0) {
        r.view_cycle = r.curr_cycle;
    }
    if (r.view_cycle < r.total_cycle) {
        ++r.view_cycle;
    }
    show_view_cycle();
}

void RecordEdits::show_current_cycle() {
    c_.p.r.view_cycle = 0;
    show_view_cycle();
}

// The shown number and "Pokazuj aktualny" belong to the process panel.
void RecordEdits::show_view_cycle() {
    c_.view.scales(c_.p.r.view_cycle);
    c_.view.process();
}

}  // namespace wazenie
