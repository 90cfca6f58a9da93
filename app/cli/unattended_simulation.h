#pragma once

#include <memory>

namespace wazenie {

class Simulation;
class Station;

// The simulation answering for every enabled scale, opening and closing the tanks by itself, with
// readings that reach a cycle's mass in about ten questions.
std::unique_ptr<Simulation> make_unattended_simulation(Station& station);

}  // namespace wazenie
