#include "station/in_flight_correction.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <system_error>

#include "comm/exchange_log.h"
#include "core/change_journal.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/dose.h"
#include "core/number_text.h"
#include "core/trim.h"
#include "station/line_exchange.h"
#include "storage/damaged_file.h"
#include "storage/settings.h"

namespace wazenie {

namespace {

// The largest share of `target` a correction may take, in kg.
double room_of(double target, double max_percent) {
    return std::fabs(target) * max_percent / 100.0;
}

std::optional<std::filesystem::file_time_type> write_time(const std::filesystem::path& file) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(file, error);
    return error ? std::nullopt : std::optional(time);
}

}  // namespace

std::string sent_dose_text(const SentDose& dose, int precision) {
    std::string text = "wysłano: " + fixed_text(dose.sent, precision) + " kg (";
    if (round_to(dose.target, precision) != round_to(dose.planned, precision)) {
        text += "wyrównanie " + signed_fixed_text(dose.target - dose.planned, precision) + " kg, ";
    }
    return text + "korekta " + signed_fixed_text(dose.sent - dose.target, precision) + " kg)";
}

InFlightCorrection::InFlightCorrection(std::filesystem::path data_dir, const ProcessState& p,
                                       const Settings& settings, const Clock& clock, Dialogs& dialogs,
                                       ExchangeLog& log, ChangeJournal& changes)
    : file_(corrections_file_path(data_dir)),
      p_(p),
      settings_(settings),
      clock_(clock),
      dialogs_(dialogs),
      log_(log),
      changes_(changes) {}

bool InFlightCorrection::active() const {
    return settings_.correction.enabled || settings_.correction.make_up;
}

void InFlightCorrection::load() {
    if (active()) {
        read(true);
    }
}

void InFlightCorrection::read(bool tell) {
    auto read = read_corrections(file_);
    read_time_ = write_time(file_).value_or(std::filesystem::file_time_type::min());
    if (read) {
        learned_ = std::move(*read);
        return;
    }
    learned_.clear();
    const auto kept = keep_damaged_copy(file_, clock_.now());
    changes_.record(damaged_file_change(file_, kept));
    const std::string text = "Plik " + file_.string() + " nie daje się odczytać (" + read.error().what +
                             "); " +
                             (kept ? "zachowano go jako: " + kept->string()
                                   : "nie udało się go zachować (" + kept.error().what + ")") +
                             ". Korekty dozowania będą uczone od nowa.";
    log_.log_line(log_code::ERROR, text);
    if (tell) {
        dialogs_.warning(text);
    }
}

void InFlightCorrection::reload_if_changed() {
    if (!read_time_ || write_time(file_).value_or(std::filesystem::file_time_type::min()) != *read_time_) {
        read(false);
    }
}

const LearnedCorrections& InFlightCorrection::learned() {
    reload_if_changed();
    return learned_;
}

Status InFlightCorrection::write() {
    const Status saved = save_corrections(file_, learned_, p_.w);
    read_time_ = write_time(file_).value_or(std::filesystem::file_time_type::min());
    if (!saved) {
        log_.log_line(log_code::ERROR, "błąd zapisu pliku " + file_.string() + ": " + saved.error().what);
    }
    return saved;
}

// Learning goes on without the file: the box comes once, not after every dose.
void InFlightCorrection::save_learned() {
    if (const Status saved = write(); !saved && !save_failure_shown_) {
        save_failure_shown_ = true;
        dialogs_.warning("Nie udało się zapisać pliku " + file_.string() + " (" + saved.error().what +
                         "). Korekty dozowania działają dalej, ale nie zostaną zachowane.");
    }
}

bool InFlightCorrection::clear(int scale, const std::string& material) {
    reload_if_changed();
    const int cleared = clear_corrections(learned_, scale, material);
    if (cleared == 0) {
        return true;
    }
    const Status saved = write();
    changes_.record(corrections_cleared(scale, material, cleared));
    if (!saved) {
        dialogs_.error("Nie udało się zapisać pliku " + file_.string() + " (" + saved.error().what +
                       "); korekty wyzerowano tylko do zamknięcia programu.");
        return false;
    }
    return true;
}

void InFlightCorrection::new_process() {
    scales_ = {};
}

void InFlightCorrection::resumed_process() {
    new_process();
    for (int n = 1; n <= kScales; ++n) {
        const int k = p_.w[n].curr_cycle;
        scales_[n].cycle = CycleMasses::in_range(k) ? k : 0;
        scales_[n].spoiled = "proces wznowiony po ponownym uruchomieniu programu";
    }
}

double InFlightCorrection::target_of(int scale, int material) const {
    const weight_record& w = p_.w[scale];
    const material_record& m = w.m[material];
    const int total = p_.r.total_cycle;
    const double planned = cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, w.curr_cycle, total);
    if (!settings_.correction.make_up || w.curr_cycle != total || total < 2 || planned == 0) {
        return planned;
    }
    double planned_total = 0;
    double dosed_before = 0;
    for (int c = 1; c <= total && CycleMasses::in_range(c); ++c) {
        planned_total += cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, c, total);
        if (c < total) {
            dosed_before += m.curr_weight[c];
        }
    }
    const double room = room_of(planned, settings_.correction.max_percent);
    return round_to(std::clamp(planned_total - dosed_before, planned - room, planned + room), w.precision);
}

double InFlightCorrection::mass_to_send(int scale, int material) {
    const weight_record& w = p_.w[scale];
    const int k = w.curr_cycle;
    const material_record& m = w.m[material];
    const double planned = cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, k, p_.r.total_cycle);
    if (!active() || !CycleMasses::in_range(k)) {
        return planned;
    }
    reload_if_changed();
    ScaleState& state = scales_[scale];
    if (state.cycle != k) {
        state.cycle = k;
        state.judged = {};
        state.spoiled.reset();
        state.sent[k] = {};
    }
    const double target = target_of(scale, material);
    double sent = target;
    if (settings_.correction.enabled && target != 0) {
        const LearnedCorrection* learned = find_correction(learned_, scale, m.material_name);
        const double room = room_of(target, settings_.correction.max_percent);
        sent = round_to(target - std::clamp(learned ? learned->kg : 0.0, -room, room), w.precision);
    }
    state.sent[k][material] = SentDose{planned, target, sent};
    return sent;
}

void InFlightCorrection::after_reading(int scale) {
    if (!settings_.correction.enabled) {
        return;
    }
    const weight_record& w = p_.w[scale];
    ScaleState& state = scales_[scale];
    if (state.cycle == 0 || state.cycle != w.curr_cycle) {
        return;
    }
    for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
        if (!state.judged[j] && dose_finished(w, j, state.cycle)) {
            state.judged[j] = true;
            learn(scale, j);
        }
    }
}

void InFlightCorrection::learn(int scale, int material) {
    const ScaleState& state = scales_[scale];
    const std::optional<SentDose>& dose = state.sent[state.cycle][material];
    const weight_record& w = p_.w[scale];
    const std::string& name = w.m[material].material_name;
    if (!dose || dose->target == 0 || trim(name).empty()) {
        return;
    }
    if (state.spoiled) {
        note(scale, material, "nie uczono (" + *state.spoiled + ")");
        return;
    }
    const double observed = w.m[material].curr_weight[state.cycle] - dose->sent;
    const double limit = 2 * room_of(dose->target, settings_.correction.max_percent);
    if (std::fabs(observed) > limit) {
        note(scale, material,
             "nie uczono (doszło " + signed_fixed_text(observed, w.precision) + " kg, więcej niż ±" +
                 fixed_text(limit, w.precision) + " kg)");
        return;
    }
    reload_if_changed();
    LearnedCorrection* learned = find_correction(learned_, scale, name);
    if (!learned) {
        learned_.push_back({scale, std::string(trim(name)), round_to(observed, w.precision), 1});
    } else {
        const double a = settings_.correction.weight;
        learned->kg = round_to((1 - a) * learned->kg + a * observed, w.precision);
        learned->count = std::min(learned->count, INT_MAX - 1) + 1;
    }
    save_learned();
}

void InFlightCorrection::spoil_open_doses(int scale, const std::string& reason) {
    ScaleState& state = scales_[scale];
    if (settings_.correction.enabled && state.cycle != 0 && state.cycle == p_.w[scale].curr_cycle &&
        !state.spoiled) {
        state.spoiled = reason;
    }
}

void InFlightCorrection::watch_connections() {
    if (!settings_.correction.enabled) {
        return;
    }
    for (int n = 1; n <= kScales; ++n) {
        if (scale_lost(p_, n)) {
            spoil_open_doses(n, "brak połączenia z wagą");
        }
    }
}

void InFlightCorrection::note(int scale, int material, const std::string& text) {
    log_.log_line(log_code::NOTE, "korekta wagi " + std::to_string(scale) + ", " +
                                      p_.w[scale].m[material].material_name + ": " + text);
}

}  // namespace wazenie
