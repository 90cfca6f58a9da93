#include "station/answer_handling.h"

#include <cmath>
#include <utility>

#include "comm/meter_frames.h"
#include "core/clock.h"
#include "core/mass_operations.h"
#include "station/in_flight_correction.h"
#include "station/pending_command.h"
#include "station/process_recorder.h"
#include "station/scale_search.h"
#include "station/station_view.h"

namespace wazenie {

namespace {

bool is_material(int b03) {
    return b03 >= 1 && b03 <= kMaterials;
}

}  // namespace

void AnswerHandling::on_acknowledgement(char verdict, int /*scale*/) {
    if (verdict == 'P') {
        command_done();
    }
}

void AnswerHandling::command_done() {
    pending_command& cpq = c_.p.cpq;
    if (!cpq.all_weights) {
        if (cpq.msg == CP_MSG_RECIPE) {
            make_pending(cpq, CP_MSG_START, cpq.weight_num, false);
            c_.view.technical();
        }
        return;
    }
    const bool due_only = cpq.msg == CP_MSG_START || cpq.msg == CP_MSG_RECIPE;
    const int d =
        next_scale(c_.p, cpq.weight_num, due_only ? ScaleCriterion::recipe_due : ScaleCriterion::enabled);
    if (d > cpq.weight_num) {
        make_pending(cpq, cpq.msg, d, true);
        c_.view.technical();
        return;
    }
    if (cpq.msg == CP_MSG_RECIPE) {
        start_after_recipe();
    }
}

void AnswerHandling::start_after_recipe() {
    recipe_record& r = c_.p.r;
    // The document and the start time belong to the process, not to each cycle. Without a number
    // no scale starts; the process stays unstarted, so START sends the recipes again.
    if (r.curr_cycle == 1) {
        auto doc = c_.recorder.take_weight_doc();
        if (!doc) {
            return;
        }
        r.weight_doc = std::move(*doc);
        r.start_time = c_.clock.now();
        c_.view.process();
    }
    if (const int first = first_scale(c_.p, ScaleCriterion::recipe_due); first != 0) {
        make_pending(c_.p.cpq, CP_MSG_START, first, true);
    }
    c_.view.technical();
}

void AnswerHandling::on_weight_answer(int scale, int b03, int b45, int b67, double mass) {
    if (!Scales::in_range(scale)) {
        return;
    }
    weight_record& w = c_.p.w[scale];
    if (b67 == 0) {
        take_reading(w, b03, b45, mass);
        c_.correction.after_reading(scale);
    }
    recompute_scale_totals(c_.p, scale, false);
    c_.view.scales(c_.p.r.view_cycle);
}

void AnswerHandling::take_reading(weight_record& w, int b03, int b45, double mass) {
    int mat = is_material(b03) ? b03 : 0;
    if (b03 == 0 && b45 == run_mode::RUNNING && is_material(w.curr_material)) {
        mat = w.curr_material;  // running between two materials: still the last one
    }
    w.curr_material = mat;

    if (b03 == 0) {
        w.curr_status = b45 == 0 ? run_mode::NONE : b45;
    } else if (is_material(b03)) {
        w.curr_status = b45;
    } else if (b03 == kEmptyingB03) {
        w.curr_status = run_mode::STOPPED;
    }

    const int c = w.curr_cycle;
    if (!CycleMasses::in_range(c)) {
        return;
    }
    w.prev_weight = w.curr_weight[c];
    w.curr_weight[c] = mass;
    if (b45 == run_mode::RUNNING && mat != 0) {
        double others = 0;
        for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
            if (j != mat) {
                others += w.m[j].curr_weight[c];
            }
        }
        w.m[mat].curr_weight[c] = mass - others;
    }

    const int status = next_cycle_status(w, b03, b45);
    if (status != w.curr_cycle_status) {
        w.curr_cycle_status = status;
        c_.view.technical();
    }
}

int AnswerHandling::next_cycle_status(const weight_record& w, int b03, int b45) const {
    const recipe_record& r = c_.p.r;
    int status = w.curr_cycle_status;
    if (b45 == run_mode::RUNNING && status != cycle_status::COMPLETED) {
        status = cycle_status::STARTED;
    }
    const bool nothing_to_dose =
        cycle_mass(w.recipe_total_weight_c1, w.recipe_total_weight_clast, r.curr_cycle, r.total_cycle) == 0;
    if (status != cycle_status::COMPLETED && nothing_to_dose) {
        status = cycle_status::COMPLETED;
    }
    if (b03 == kEmptyingB03 && status != cycle_status::NOT_STARTED) {
        const double reading = w.curr_weight[w.curr_cycle];
        const bool still_emptying =
            reading > w.min_weight || std::fabs(reading - w.prev_weight) > w.sta_weight;
        status = still_emptying ? cycle_status::OPEN_TRAY : cycle_status::COMPLETED;
    }
    return status;
}

}  // namespace wazenie
