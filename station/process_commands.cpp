#include "station/process_commands.h"

#include "core/change_journal.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/mass_operations.h"
#include "core/number_text.h"
#include "station/change_trail.h"
#include "station/in_flight_correction.h"
#include "station/pending_command.h"
#include "station/process_recorder.h"
#include "station/scale_search.h"
#include "station/station_view.h"
#include "station/stock_keeper.h"
#include "storage/settings.h"
#include "storage/weight_doc.h"

namespace wazenie {

namespace {

constexpr const char* kCommandPending = "Błąd! Oczekuję potwierdzenia poprzedniego komunikatu!";
constexpr const char* kProcessEnded = "Proces naważania został zakończony!";

}  // namespace

bool ProcessCommands::refuse_while_pending() {
    if (c_.p.cpq.status == command_status::EMPTY) {
        return false;
    }
    c_.dialogs.error(kCommandPending);
    return true;
}

void ProcessCommands::start_process() {
    ProcessState& p = c_.p;
    if (refuse_while_pending()) {
        return;
    }
    if (p.r.start_time != 0 && p.r.stop_time == 0) {
        c_.dialogs.warning(
            "Proces naważania nie został zakończony.\rNaciśnij STOP aby zakończyć aktualny proces "
            "naważania.");
        return;
    }
    // Checked again when the number is taken; here it spares sending recipes that cannot start.
    if (!weight_doc_available(c_.settings)) {
        c_.dialogs.error(weight_doc_refusal(c_.settings));
        return;
    }
    const int first = first_scale(p, ScaleCriterion::with_recipe);
    if (first == 0) {
        c_.dialogs.warning(
            "Wszystkie wagi są wyłączone lub nie mają zdefiniowanej receptury.\rAby rozpocząć proces "
            "naważania conajmniej jedna waga musi być włączona i mieć zdefiniowaną recepturę.");
        return;
    }
    for (const Shortage& shortage : c_.stock.shortages_at_start(p)) {
        if (!c_.dialogs.question(shortage_question(shortage))) {
            return;
        }
    }
    // The loop ran on while a question was open; it may have made a command pending meanwhile.
    if (refuse_while_pending()) {
        return;
    }
    make_pending(p.cpq, CP_MSG_RECIPE, first, true);
    restart_process(p);
    c_.view.technical();
    c_.view.process();
    c_.recorder.save_status();
    c_.changes.record({"start", process_title(p.r), "", ""});
}

void ProcessCommands::pause_process() {
    if (refuse_while_pending()) {
        return;
    }
    make_pending(c_.p.cpq, CP_MSG_PAUSE, first_scale(c_.p, ScaleCriterion::enabled), true);
    spoil_open_doses("pauza");
    c_.view.technical();
}

void ProcessCommands::spoil_open_doses(const char* reason) {
    for (int n = 1; n <= kScales; ++n) {
        c_.correction.spoil_open_doses(n, reason);
    }
}

void ProcessCommands::stop_process() {
    ProcessState& p = c_.p;
    if (refuse_while_pending()) {
        return;
    }
    if (!c_.dialogs.question("Czy na pewno zakończyć proces naważania?")) {
        return;
    }
    if (p.r.stop_time != 0 &&
        !c_.dialogs.question("Proces naważania jest już zakończony, czy na pewno wysłać komunikat STOP?")) {
        return;
    }
    // The loop ran on while the question was open; it may have made a command pending meanwhile.
    if (refuse_while_pending()) {
        return;
    }
    p.r.stop_time = c_.clock.now();
    recompute_process_total(p);
    c_.view.technical();
    c_.view.process();
    make_pending(p.cpq, CP_MSG_STOP, first_scale(p, ScaleCriterion::enabled), true);
    spoil_open_doses("zatrzymanie");
    c_.view.technical();
    c_.recorder.append_to_log();
    c_.recorder.save_status();
    c_.changes.record({"stop", process_title(p.r), "",
                       "masa: " + fixed_text(p.r.curr_weight, c_.settings.total_precision) + " kg"});
    c_.dialogs.information(kProcessEnded);
}

bool ProcessCommands::resume_process() {
    ProcessState& p = c_.p;
    if (p.r.stop_time != 0 || first_scale(p, ScaleCriterion::with_recipe) == 0) {
        return false;
    }
    if (p.cpq.status == command_status::EMPTY) {
        if (const int first = first_scale(p, ScaleCriterion::recipe_due); first != 0) {
            make_pending(p.cpq, CP_MSG_RECIPE, first, true);
            c_.view.technical();
        }
    }
    return true;
}

void ProcessCommands::click_scale_button(int scale, ScaleButton button) {
    if (!Scales::in_range(scale) || button == ScaleButton::none) {
        return;
    }
    // The three buttons form a group: a click puts an up button down and the others up, and puts
    // the button that is down up.
    ScaleButton& down = c_.view.button(scale);
    const bool released = down == button;
    down = released ? ScaleButton::none : button;
    if (released && c_.settings.block_down_buttons) {
        down = button;
        return;
    }
    if (refuse_while_pending()) {
        return;
    }
    switch (button) {
        case ScaleButton::start:
            start_scale(scale);
            break;
        case ScaleButton::pause:
            pause_scale(scale, released);
            break;
        case ScaleButton::stop:
            stop_scale(scale);
            break;
        case ScaleButton::none:
            break;
    }
}

void ProcessCommands::start_scale(int scale) {
    ProcessState& p = c_.p;
    weight_record& w = p.w[scale];
    const bool begun = w.curr_cycle_status != cycle_status::NOT_STARTED;
    if (begun && w.curr_cycle >= p.r.total_cycle) {
        c_.dialogs.error("Błąd! Nie można rozpocząć następnego cyklu, ponieważ aktualny cykl jest ostatnim!");
        return;
    }
    if (begun && w.curr_cycle > p.r.curr_cycle) {
        c_.dialogs.error("Błąd! Waga jest już w cyklu wyprzedzającym cykl systemu!");
        return;
    }
    if (p.r.start_time == 0) {
        p.r.start_time = c_.clock.now();
        c_.view.process();
    }
    c_.correction.spoil_open_doses(scale, "ponowny start");
    make_pending(p.cpq, CP_MSG_RECIPE, scale, false);
    if (begun) {
        ++w.curr_cycle;
    }
    w.curr_cycle_status = cycle_status::NOT_STARTED;
    c_.view.scales(p.r.view_cycle);
    c_.view.technical();
}

void ProcessCommands::pause_scale(int scale, bool released) {
    make_pending(c_.p.cpq, CP_MSG_PAUSE, scale, false);
    c_.correction.spoil_open_doses(scale, "pauza");
    c_.view.technical();
    if (released) {
        c_.view.button(scale) = ScaleButton::start;
    }
}

void ProcessCommands::stop_scale(int scale) {
    make_pending(c_.p.cpq, CP_MSG_STOP, scale, false);
    c_.correction.spoil_open_doses(scale, "zatrzymanie");
    c_.view.technical();
}

}  // namespace wazenie
