#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "comm/meter_protocol.h"
#include "core/indexed_array.h"
#include "core/process_records.h"

namespace wazenie {

// The controls of "SYMULACJA: " for one scale.
struct SimulatedScale {
    bool auto_answer = false;  // "włącz symul. dla wagi: N"
    int delta = 1;             // "przyrost: ", kg per weight question
    bool tank_open = false;    // "otwórz zbio." held down
    int open_step = 0;         // kg by which the reading falls per question while the tank is open
};

// The fields of "Symulacja ręczna ".
struct ManualAnswer {
    int x = 1;  // 1..4
    int b03 = 0;
    int b45 = 0;
    int b67 = 0;
    std::string weight = "    100.0";
    std::string text = "P1";
};

// Answers the station's requests in the meters' place by handing made-up frames to
// MeterProtocol::handle_answer, so everything they cause is what a meter's answer would cause.
class Simulation {
public:
    Simulation(const ProcessState& p, MeterProtocol& protocol) : p_(p), protocol_(protocol) {}

    IndexedArray<SimulatedScale, kScales> scales{};
    ManualAnswer manual;
    // Unattended mode (no operator at the toggles): a scale's tank opens by itself once its reading
    // has reached the scale's cycle mass and closes once the scale is COMPLETED; until its next cycle
    // begins a completed scale then reports a stopped, steady tank instead of dosing again.
    bool auto_tank = false;

    // Every 20 ms: answers the request on the line, if the scale last asked has its switch on.
    void auto_answer_tick();
    // "otwórz zbio." of a scale pressed (open) or released; either way the emptying step is set anew.
    void set_tank_open(int scale, bool open);
    // "Odbierz masę": the weight answer built from the manual fields, mass text as typed.
    void receive_manual_weight();
    // "Odbierz cokolwiek": the manual text as it stands.
    void receive_manual_text();

private:
    void answer_weight_question(int scale);
    void update_auto_tank(int scale);

    const ProcessState& p_;
    MeterProtocol& protocol_;
};

// The help window's text ("Pomoc do trybu symulacji"), line by line.
const std::vector<std::string_view>& simulation_help_lines();

}  // namespace wazenie
