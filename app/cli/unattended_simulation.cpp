#include "app/cli/unattended_simulation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "comm/simulation.h"
#include "station/station.h"

namespace wazenie {

std::unique_ptr<Simulation> make_unattended_simulation(Station& station) {
    const ProcessState& p = station.process();
    auto simulation = std::make_unique<Simulation>(
        p, [&station](const std::string& frame) { station.handle_answer(frame); });
    simulation->auto_tank = true;
    for (int s = 1; s <= kScales; ++s) {
        SimulatedScale& scale = simulation->scales[s];
        scale.auto_answer = p.w[s].weight_enabled;
        double per_question = std::ceil(p.w[s].recipe_total_weight_c1 / 10);
        scale.delta = static_cast<int>(std::clamp(per_question, 1.0, 1e6));
    }
    return simulation;
}

}  // namespace wazenie
