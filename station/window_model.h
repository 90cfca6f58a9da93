#pragma once

#include <string>
#include <vector>

#include "core/process_records.h"
#include "station/in_flight_correction.h"
#include "station/scale_button.h"

namespace wazenie {

struct Settings;
class Tolerances;

// What every field of the main window shows, computed from the records alone. The window applies
// these values and writes only what differs from what it already shows.

enum class Colour { black, grey, red };      // RGB 0,0,0 / 128,128,128 / 255,0,0
enum class RowIcon { none, current, done };  // the icon of a material or cycle row
enum class StateIcon { none, tank_open, completed };

inline constexpr const char* kDisabledMass = "- - - - -";
inline constexpr const char* kScaleDisabledText = "waga wyłączona";
inline constexpr const char* kNoConnectionText = "brak połączenia z wagą";
inline constexpr int kMinHeightWithLog = 997;
inline constexpr int kMinHeightWithoutLog = 762;

// refresh_connection, for scale n.
struct ConnectionView {
    std::string text;  // "", "waga wyłączona" or "brak połączenia z wagą"
    Colour colour = Colour::black;
    bool operator==(const ConnectionView&) const = default;
};
ConnectionView connection_view(const ProcessState& p, int n);

// refresh_layout, for the header of scale n.
struct ScaleLayout {
    std::string capacity;  // "maks. 100 kg"
    Colour header = Colour::black;
    bool enabled = true;  // a disabled scale's mass field shows kDisabledMass, its gauge 0
    // As wide as the widest mass the material list must show whole ("8888" for 400 kg without
    // decimals): a digit beyond the capacity, for a tank filled past it.
    std::string widest_mass;
    bool operator==(const ScaleLayout&) const = default;
};
ScaleLayout scale_layout(const weight_record& w);

// refresh_layout: the technical panel and the window's minimum height follow the setting `log`.
bool technical_panel_shown(const Settings& settings);
int window_min_height(const Settings& settings);

struct ScaleMaterialRow {
    std::string n;  // "1."
    std::string name;
    std::string jest;
    std::string ma_byc;
    RowIcon icon = RowIcon::none;
    // A dose ended in the shown cycle outside its tolerance: "Jest" is marked and the tooltip gives
    // the deviation ("Odchyłka: +6.4 kg (+3.2 %), tolerancja 3 %"); empty while not marked.
    bool outside_tolerance = false;
    std::string deviation;
    // With the in-flight correction or the make-up on, what the recipe frame carried and why
    // ("wysłano: 196.0 kg (korekta -4.0 kg)"); empty when nothing is known of it.
    std::string sent = {};
    bool operator==(const ScaleMaterialRow&) const = default;
};

// refresh_scales (cycle v), for scale n: v is the shown cycle, 0 meaning the scale's own curr_cycle.
struct ScaleView {
    std::vector<ScaleMaterialRow> materials;
    std::string mass;    // curr_weight[k] with the scale's precision; kDisabledMass for a disabled scale
    std::string target;  // "Ma być:" of the cycle
    int gauge = 0;       // percent of max_weight, rounded
    StateIcon state = StateIcon::none;
    std::string ahead;  // "(+1c)" while the scale is ahead of the system, else empty (hidden)
    ScaleButton down = ScaleButton::none;
    bool operator==(const ScaleView&) const = default;
};
// Finished doses are held to the materials' tolerances; `sent` is what the scale's recipe frames
// carried, by cycle.
ScaleView scale_view(const ProcessState& p, int n, int v, ScaleButton down, const Tolerances& tolerances,
                     const SentDoses* sent = nullptr);

struct CycleRow {
    std::string n;  // "1."
    std::string jest;
    std::string ma_byc;
    RowIcon icon = RowIcon::none;
    bool operator==(const CycleRow&) const = default;
};
// The cycle list: one row per cycle 1..r.total_cycle, sums with total_precision decimals.
std::vector<CycleRow> cycle_rows(const ProcessState& p, int total_precision);

// refresh_process: the groups "Status naważania " and "Parametry naważania ", the shown cycle.
struct ProcessView {
    std::string jest;    // r.curr_weight, total_precision decimals
    std::string ma_byc;  // r.recipe_total_weight
    int gauge = 0;
    std::string start;  // "2024-03-05     07:08:09" or "---"
    std::string stop;
    std::string cycle;  // "2 z 5"
    std::string weight_doc;
    std::string client;
    std::string recipe;
    std::string shown_cycle;             // r.view_cycle, or r.curr_cycle while it is 0
    bool show_current_down = true;       // "Pokazuj aktualny"
    bool cycles_button_enabled = false;  // "Modyfikuj ilość cykli": exactly when r.total_cycle_init is 1
    bool operator==(const ProcessView&) const = default;
};
ProcessView process_view(const ProcessState& p, const Settings& settings);

// refresh_technical: the value column of the technical view, in the order of technical_names().
// "r.cp_msg" and "cpq.msg" name the kinds 1, 2 and 5 and keep their text in `previous` (the column
// as shown, empty at first) for any other kind.
const std::vector<std::string>& technical_names();
std::vector<std::string> technical_values(const ProcessState& p, const std::vector<std::string>& previous);

// "Waga 1" .. "Waga 4".
std::string scale_title(int n);

}  // namespace wazenie
