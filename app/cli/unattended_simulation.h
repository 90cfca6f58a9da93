#pragma once

#include <memory>

#include "core/process_records.h"

namespace wazenie {

class Simulation;
class Station;

// The simulation answering for every enabled scale, opening and closing the tanks by itself, with
// readings that reach a cycle's mass in about ten questions.
std::unique_ptr<Simulation> make_unattended_simulation(Station& station);

// One round of automatic answers. A tank still open when its scale has already moved on to a new
// cycle (the advance can come before the scale is asked again) is closed, or it would report
// emptying for ever and the scale would never start.
void answer_unattended(Simulation& simulation, const ProcessState& p);

}  // namespace wazenie
