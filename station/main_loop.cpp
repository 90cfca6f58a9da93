#include "station/main_loop.h"

#include <string>

#include "comm/port_connection.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/mass_operations.h"
#include "station/in_flight_correction.h"
#include "station/line_exchange.h"
#include "station/pending_command.h"
#include "station/process_recorder.h"
#include "station/scale_search.h"
#include "station/station_view.h"
#include "storage/settings.h"

namespace wazenie {

namespace {

// Frames 0..6 of a recipe transfer are not answered; the acknowledgement follows frame 7.
constexpr int kLastRecipePart = 7;

// Without an enabled scale that has a material there is no process (a fresh data folder starts so):
// nothing to end, to log or to move on, however completed the scales look.
bool has_process(const ProcessState& p) {
    return first_scale(p, ScaleCriterion::with_recipe) != 0;
}

}  // namespace

void MainLoop::tick() {
    if (!c_.port.is_connected()) {
        return;
    }
    recipe_record& r = c_.p.r;
    r.cp_tick = next_tick(r.cp_tick);
    const std::int32_t d = tick_distance(r.cp_tick, r.cp_time);
    if (c_.exchange.time_out(d)) {
        c_.correction.watch_connections();
        return;
    }
    if (end_process(d) || next_cycle(d)) {
        return;
    }
    send(d);
}

bool MainLoop::end_process(std::int32_t d) {
    recipe_record& r = c_.p.r;
    if (r.cp_status == line_status::SEND || d < c_.settings.rs_delay || !cycle_completed(c_.p) ||
        r.curr_cycle != r.total_cycle || r.stop_time != 0 || !has_process(c_.p)) {
        return false;
    }
    r.stop_time = c_.clock.now();
    recompute_process_total(c_.p);
    c_.view.technical();
    c_.view.process();
    // The record is complete before any box opens: ticks go on inside a modal dialog, and the stop
    // time keeps this step from running twice.
    c_.recorder.append_to_log();
    c_.recorder.save_status();
    c_.dialogs.notify(MessageKind::information, "Proces naważania został zakończony!");
    return true;
}

bool MainLoop::next_cycle(std::int32_t d) {
    ProcessState& p = c_.p;
    recipe_record& r = p.r;
    // A stopped process never moves on by itself, and a command the operator has just made pending
    // is never replaced.
    if (r.cp_status == line_status::SEND || d < c_.settings.rs_delay || !cycle_completed(p) ||
        r.curr_cycle >= r.total_cycle || r.stop_time != 0 || p.cpq.status != command_status::EMPTY ||
        !has_process(p)) {
        return false;
    }
    ++r.curr_cycle;
    recompute_process_total(p);
    if (r.view_cycle == r.curr_cycle - 1) {
        r.view_cycle = r.curr_cycle;
    }
    for (weight_record& w : p.w) {
        if (w.curr_cycle < r.curr_cycle) {
            w.curr_cycle = r.curr_cycle;
            w.curr_cycle_status = cycle_status::NOT_STARTED;
            w.curr_material = 0;
        }
    }
    if (const int first = first_scale(p, ScaleCriterion::recipe_due); first != 0) {
        make_pending(p.cpq, CP_MSG_RECIPE, first, true);
    }
    c_.view.process();
    c_.view.technical();
    c_.recorder.save_status();
    return true;
}

void MainLoop::send(std::int32_t d) {
    const recipe_record& r = c_.p.r;
    const pending_command& cpq = c_.p.cpq;
    if (r.cp_status == line_status::SEND) {
        return;
    }
    const bool after_exchange = d >= c_.settings.rs_delay && cpq.rec_part == 0;
    const bool within_recipe = d >= c_.settings.rs_delay_recipe && cpq.status == command_status::WAITING &&
                               cpq.msg == CP_MSG_RECIPE && cpq.rec_part >= 1;
    if (!after_exchange && !within_recipe) {
        return;
    }
    if (cpq.status == command_status::WAITING) {
        send_command();
    } else {
        ask_for_weight();
    }
}

void MainLoop::send_command() {
    recipe_record& r = c_.p.r;
    pending_command& cpq = c_.p.cpq;
    if (!Scales::in_range(cpq.weight_num)) {
        cpq.status = command_status::EMPTY;
        c_.view.technical();
        return;
    }
    c_.exchange.send_message(cpq.weight_num, cpq.msg);
    if (cpq.msg == CP_MSG_RECIPE && cpq.rec_part < kLastRecipePart) {
        r.cp_status = line_status::RECEIVED;
        ++cpq.rec_part;
    } else {
        cpq.rec_part = 0;
        cpq.status = command_status::SEND;
        r.cp_msg = cpq.msg;
    }
    c_.view.technical();
}

void MainLoop::ask_for_weight() {
    recipe_record& r = c_.p.r;
    const int scale = next_scale(c_.p, r.cp_weight_num, ScaleCriterion::enabled);
    if (scale == 0) {
        return;
    }
    r.cp_weight_num = scale;
    r.cp_msg = CP_MSG_WEIGHT_QUESTION;
    c_.exchange.send_message(scale, CP_MSG_WEIGHT_QUESTION);
}

}  // namespace wazenie
