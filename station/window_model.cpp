#include "station/window_model.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "core/dose.h"
#include "core/number_text.h"
#include "station/line_exchange.h"
#include "station/scale_search.h"
#include "storage/date_time.h"
#include "storage/settings.h"
#include "storage/tolerances.h"

namespace wazenie {

namespace {

// Cycle and material numbers come from the status file and the meters: a number outside the
// arrays reads as no mass instead of throwing in the middle of a refresh.
double mass_in_cycle(const CycleMasses& masses, int k) {
    return CycleMasses::in_range(k) ? masses[k] : 0.0;
}

int materials_of(const weight_record& w) {
    return std::clamp(w.max_material, 0, kMaterials);
}

// A gauge holds 0..100; an over-full scale shows a full gauge rather than keeping a stale value.
int percent(double part, double whole) {
    if (whole == 0 || !std::isfinite(part) || !std::isfinite(whole)) {
        return 0;
    }
    const double value = std::round(part * 100 / whole);
    return std::isfinite(value) ? static_cast<int>(std::clamp(value, 0.0, 100.0)) : 0;
}

std::string numbered(int i) {
    return std::to_string(i) + ".";
}

// Done before the scale's cycle, nothing after it; within it, the material being dosed is
// current while the meter runs or pauses.
RowIcon material_icon(const weight_record& w, int k, int j) {
    if (k != w.curr_cycle) {
        return k < w.curr_cycle ? RowIcon::done : RowIcon::none;
    }
    if (w.curr_status <= run_mode::STOPPED) {
        return RowIcon::none;
    }
    if (j < w.curr_material) {
        return RowIcon::done;
    }
    return j == w.curr_material ? RowIcon::current : RowIcon::none;
}

// The masses are judged as the row shows them, so a marked cell never contradicts its own figures.
void mark_deviation(ScaleMaterialRow& row, double target, double dosed, int precision, double tolerance) {
    const DoseDeviation d =
        dose_deviation(round_to(target, precision), round_to(dosed, precision), tolerance);
    if (!d.outside) {
        return;
    }
    row.outside_tolerance = true;
    row.deviation = "Odchyłka: " + signed_fixed_text(d.kg, precision) + " kg (" +
                    signed_fixed_text(*d.percent, 1) + " %), tolerancja " +
                    general_text(round_to(tolerance, 2)) + " %";
}

ScaleMaterialRow material_row(const weight_record& w, int j, int k, int total, const Tolerances& tolerances) {
    const material_record& m = w.m[j];
    const double dosed = mass_in_cycle(m.curr_weight, k);
    const double target = cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, k, total);
    ScaleMaterialRow row;
    row.n = numbered(j);
    row.name = m.material_name;
    row.jest = fixed_text(dosed, w.precision);
    row.ma_byc = fixed_text(target, w.precision);
    row.icon = material_icon(w, k, j);
    if (dose_finished(w, j, k)) {
        mark_deviation(row, target, dosed, w.precision, tolerances.percent_for(m.material_name));
    }
    return row;
}

StateIcon state_icon(const weight_record& w, int k) {
    if (k != w.curr_cycle) {
        return k < w.curr_cycle ? StateIcon::completed : StateIcon::none;
    }
    switch (w.curr_cycle_status) {
        case cycle_status::OPEN_TRAY:
            return StateIcon::tank_open;
        case cycle_status::COMPLETED:
            return StateIcon::completed;
        default:
            return StateIcon::none;
    }
}

RowIcon cycle_icon(const ProcessState& p, int k) {
    if (k != p.r.curr_cycle) {
        return k < p.r.curr_cycle ? RowIcon::done : RowIcon::none;
    }
    return cycle_completed(p) ? RowIcon::done : RowIcon::current;
}

// The names of a set of values; a value outside the set shows as its number.
std::string status_name(int value, std::initializer_list<std::pair<int, const char*>> names) {
    for (const auto& [v, name] : names) {
        if (v == value) {
            return name;
        }
    }
    return std::to_string(value);
}

std::string kind_name(int kind, const std::vector<std::string>& previous, std::size_t row) {
    switch (kind) {
        case CP_MSG_WEIGHT_QUESTION:
            return "CP_MSG_WEIGHT_QUESTION";
        case CP_MSG_START:
            return "CP_MSG_START";
        case CP_MSG_RECIPE:
            return "CP_MSG_RECIPE";
        default:
            return row < previous.size() ? previous[row] : std::string();
    }
}

}  // namespace

ConnectionView connection_view(const ProcessState& p, int n) {
    if (!Scales::in_range(n)) {
        return {};
    }
    const weight_record& w = p.w[n];
    if (!w.weight_enabled) {
        return {kScaleDisabledText, Colour::grey};
    }
    if (scale_lost(p, n)) {
        return {kNoConnectionText, Colour::red};
    }
    return {};
}

ScaleLayout scale_layout(const weight_record& w) {
    std::string widest(std::to_string(std::max(w.max_weight, 1)).size() + 1, '8');
    if (w.precision > 0) {
        widest += "." + std::string(static_cast<std::size_t>(std::min(w.precision, 6)), '8');
    }
    return {"maks. " + std::to_string(w.max_weight) + " kg", w.weight_enabled ? Colour::black : Colour::grey,
            w.weight_enabled, widest};
}

bool technical_panel_shown(const Settings& settings) {
    return settings.log == 1;
}

int window_min_height(const Settings& settings) {
    return technical_panel_shown(settings) ? kMinHeightWithLog : kMinHeightWithoutLog;
}

ScaleView scale_view(const ProcessState& p, int n, int v, ScaleButton down, const Tolerances& tolerances,
                     const SentDoses* sent) {
    ScaleView view;
    view.down = down;
    if (!Scales::in_range(n)) {
        return view;
    }
    const weight_record& w = p.w[n];
    const int k = v == 0 ? w.curr_cycle : v;
    const int total = p.r.total_cycle;

    for (int j = 1; j <= materials_of(w); ++j) {
        view.materials.push_back(material_row(w, j, k, total, tolerances));
        if (sent && CycleMasses::in_range(k)) {
            if (const auto& dose = (*sent)[k][j]) {
                view.materials.back().sent = sent_dose_text(*dose, w.precision);
            }
        }
    }
    const double gross = mass_in_cycle(w.curr_weight, k);
    view.mass = w.weight_enabled ? fixed_text(gross, w.precision) : kDisabledMass;
    view.target =
        fixed_text(cycle_mass(w.recipe_total_weight_c1, w.recipe_total_weight_clast, k, total), w.precision);
    view.gauge = w.weight_enabled && w.max_weight > 0 ? percent(gross, w.max_weight) : 0;
    view.state = state_icon(w, k);
    if (w.curr_cycle > p.r.curr_cycle) {
        view.ahead = "(+" + std::to_string(w.curr_cycle - p.r.curr_cycle) + "c)";
    }
    return view;
}

std::vector<CycleRow> cycle_rows(const ProcessState& p, int total_precision) {
    const int total = p.r.total_cycle;
    std::vector<CycleRow> rows;
    for (int k = 1; k <= std::min(total, kCycles); ++k) {
        double jest = 0;
        double ma_byc = 0;
        for (const weight_record& w : p.w) {
            jest += w.curr_cycle_weight[k];
            ma_byc += cycle_mass(w.recipe_total_weight_c1, w.recipe_total_weight_clast, k, total);
        }
        rows.push_back({numbered(k), fixed_text(jest, total_precision), fixed_text(ma_byc, total_precision),
                        cycle_icon(p, k)});
    }
    return rows;
}

ProcessView process_view(const ProcessState& p, const Settings& settings) {
    const recipe_record& r = p.r;
    ProcessView view;
    view.jest = fixed_text(r.curr_weight, settings.total_precision);
    view.ma_byc = fixed_text(r.recipe_total_weight, settings.total_precision);
    view.gauge = percent(r.curr_weight, r.recipe_total_weight);
    view.start = screen_date_time(r.start_time);
    view.stop = screen_date_time(r.stop_time);
    view.cycle = std::to_string(r.curr_cycle) + " z " + std::to_string(r.total_cycle);
    view.weight_doc = r.weight_doc;
    view.client = r.recipe_client;
    view.recipe = r.recipe_name;
    view.show_current_down = r.view_cycle == 0;
    view.shown_cycle = std::to_string(view.show_current_down ? r.curr_cycle : r.view_cycle);
    view.cycles_button_enabled = r.total_cycle_init == 1;
    return view;
}

const std::vector<std::string>& technical_names() {
    static const std::vector<std::string> names{"r.cp_status", "cp_timeout_num",  "cpq.status",
                                                "cpq.msg",     "cpq.timeout_num", "w.curr_cycle_statys",
                                                "r.cp_msg"};
    return names;
}

std::vector<std::string> technical_values(const ProcessState& p, const std::vector<std::string>& previous) {
    return {
        status_name(
            p.r.cp_status,
            {{line_status::NONE, "NONE"}, {line_status::SEND, "SEND"}, {line_status::RECEIVED, "RECEIVED"}}),
        std::to_string(p.w[1].cp_timeout_num),
        status_name(p.cpq.status, {{command_status::EMPTY, "EMPTY"},
                                   {command_status::SEND, "SEND"},
                                   {command_status::WAITING, "WAITING"}}),
        kind_name(p.cpq.msg, previous, 3),
        std::to_string(p.cpq.timeout_num),
        status_name(p.w[1].curr_cycle_status, {{cycle_status::NOT_STARTED, "NOT_STARTED"},
                                               {cycle_status::STARTED, "STARTED"},
                                               {cycle_status::OPEN_TRAY, "OPEN_TRAY"},
                                               {cycle_status::COMPLETED, "COMPLETED"}}),
        kind_name(p.r.cp_msg, previous, 6),
    };
}

std::string scale_title(int n) {
    return "Waga " + std::to_string(n);
}

}  // namespace wazenie
