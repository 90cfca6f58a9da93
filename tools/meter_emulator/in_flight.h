#pragma once

#include <map>
#include <optional>
#include <string>

namespace wazenie::emulator {

// The material still in the air when a meter closes its feed: it lands after the reading has reached
// the mass the meter was sent, `kg` more with a uniform spread of ±`noise` kg.
struct InFlight {
    double kg = 0;
    double noise = 0;

    bool any() const { return kg != 0 || noise > 0; }
};

// The value of --in-flight, "N:KG[:NOISE],...", by scale: scales 1..4, each named once, KG and NOISE
// numbers of 0 or more with a decimal point (the comma parts the scales). Nothing for any other text.
std::optional<std::map<int, InFlight>> parse_in_flight(const std::string& text);

}  // namespace wazenie::emulator
