#pragma once

#include <array>
#include <random>
#include <string>

#include "in_flight.h"

namespace wazenie::emulator {

// One weighing meter: takes its recipe, doses the materials in order after a start, then empties the
// tank with a falling reading until it is empty and steady, and stops. Time is counted in weight
// questions, so the station's polling paces the dosing. With material in flight, each material lands
// that much more (the spread drawn from `seed`) a question after the feed closed, and the next one is
// dosed on top of what the tank then holds.
class Meter {
public:
    struct Config {
        int scale = 1;
        int decimals = 0;       // places the meter reads in the recipe digits and shows in its reading
        double rate = 25;       // kg dosed per weight question
        double empty_rate = 0;  // kg emptied per question; 0: a quarter of the full tank
        InFlight in_flight;
        unsigned seed = 1;
    };

    explicit Meter(const Config& config) : config_(config), random_(config.seed) {}

    // The seven mass frames of a recipe transfer, digits as sent.
    void set_recipe(const std::array<std::string, 7>& digits);
    // STA, STO, PAU, TAR, ZER: what the meter does with them (every one is carried out).
    void command(int message);
    // Answers a weight question and moves on by one question. `reaches_station` is false for an
    // answer that a fault will spoil: the station cannot have seen that tank empty.
    std::string weight_answer(bool reaches_station = true);

    double reading() const { return reading_; }
    double target(int material) const { return targets_[static_cast<std::size_t>(material - 1)]; }

private:
    enum class Phase { STOPPED, DOSING, PAUSED, EMPTYING };

    int status_byte() const;
    void step(bool reaches_station);
    void begin_dosing();
    void next_material();
    double landing_spread();
    std::string mass_field(int units) const;

    Config config_;
    std::mt19937 random_;
    std::array<double, 7> targets_{};
    Phase phase_ = Phase::STOPPED;
    int material_ = 0;         // 1..7 while dosing or paused
    double dosed_before_ = 0;  // what the tank held when the current material began
    double reading_ = 0;
    bool landed_ = false;  // the current material's feed has closed and what was in the air has landed
    double empty_step_ = 0;
    bool start_waiting_ = false;  // a start came while the tank was still being emptied
    int empty_answers_ = 0;       // intact answers with an empty tank while emptying
};

}  // namespace wazenie::emulator
