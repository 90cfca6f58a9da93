#include "meter.h"

#include <algorithm>
#include <cmath>

#include "comm/meter_frames.h"
#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie::emulator {

namespace {

// Intact empty readings reported while emptying before the meter stops: the station needs two in a row.
constexpr int kSteadyAnswers = 3;
constexpr int kFieldWidth = 9;

}  // namespace

void Meter::set_recipe(const std::array<std::string, 7>& digits) {
    for (std::size_t k = 0; k < digits.size(); ++k) {
        const auto value = parse_decimal(digits[k]);
        targets_[k] = value ? *value / std::pow(10.0, config_.decimals) : 0;
    }
}

void Meter::command(int message) {
    switch (message) {
        case CP_MSG_START:
            // A start for the next cycle may come while the tank still empties: it waits for the empty tank.
            if (phase_ == Phase::PAUSED) {
                phase_ = Phase::DOSING;
            } else if (phase_ == Phase::STOPPED || (phase_ == Phase::EMPTYING && reading_ <= 0)) {
                begin_dosing();
            } else if (phase_ == Phase::EMPTYING) {
                start_waiting_ = true;
            }
            break;
        case CP_MSG_PAUSE:
            if (phase_ == Phase::DOSING) {
                phase_ = Phase::PAUSED;
            }
            break;
        case CP_MSG_STOP:
            phase_ = Phase::STOPPED;
            start_waiting_ = false;
            break;
        case CP_MSG_TARE:
        case CP_MSG_ZERO:
            reading_ = 0;
            break;
        default:
            break;
    }
}

void Meter::begin_dosing() {
    phase_ = Phase::DOSING;
    start_waiting_ = false;
    material_ = 0;
    dosed_before_ = reading_;
    next_material();
}

// The next material with something to dose; after the last one the tank is emptied.
void Meter::next_material() {
    landed_ = false;
    while (++material_ <= 7) {
        if (target(material_) > 0) {
            return;
        }
    }
    material_ = 0;
    phase_ = Phase::EMPTYING;
    empty_step_ = config_.empty_rate > 0 ? config_.empty_rate : std::max(reading_ / 4, 1.0);
    empty_answers_ = 0;
}

// The station cuts a frame at CR, LF or ";" wherever it stands, so an answer whose check sum holds
// one never arrives. Shown a unit or two off, the reading goes through; an empty tank would
// otherwise never be seen empty by the station.
std::string Meter::weight_answer(bool reaches_station) {
    std::string answer;
    for (const int units : {0, -1, 1, -2, 2}) {
        answer = weight_answer_frame(config_.scale, status_byte(), mass_field(units));
        if (answer.find_first_of("\r\n;") == std::string::npos) {
            break;
        }
    }
    step(reaches_station);
    return answer;
}

int Meter::status_byte() const {
    switch (phase_) {
        case Phase::DOSING:
            return encode_status({material_, run_mode::RUNNING, 0});
        case Phase::PAUSED:
            return encode_status({material_, run_mode::PAUSED, 0});
        case Phase::EMPTYING:
            return encode_status({kEmptyingB03, 0, 0});
        case Phase::STOPPED:
            break;
    }
    return encode_status({0, 0, 0});
}

void Meter::step(bool reaches_station) {
    if (phase_ == Phase::DOSING) {
        // The feed closes at the goal; what was in the air lands on the next question. A material
        // complete is still named until an intact answer has shown it, so the station records its
        // full mass, and the next material is dosed on top of the reading as it stands.
        const double goal = dosed_before_ + target(material_);
        if (!landed_ && reading_ < goal) {
            reading_ = std::min(goal, reading_ + config_.rate);
        } else if (!landed_ && config_.in_flight.any()) {
            reading_ += config_.in_flight.kg + landing_spread();
            landed_ = true;
        } else if (reaches_station) {
            dosed_before_ = reading_;
            next_material();
        }
    } else if (phase_ == Phase::EMPTYING) {
        if (reading_ <= 0) {
            reading_ = 0;
            empty_answers_ += reaches_station ? 1 : 0;
            if (start_waiting_) {
                begin_dosing();
            } else if (empty_answers_ >= kSteadyAnswers) {
                phase_ = Phase::STOPPED;
            }
        } else {
            reading_ = std::max(0.0, reading_ - empty_step_);
        }
    }
}

double Meter::landing_spread() {
    const double noise = config_.in_flight.noise;
    return noise > 0 ? std::uniform_real_distribution<double>(-noise, noise)(random_) : 0;
}

// Right-aligned in nine characters, `units` of the last shown place added; a reading that would not fit is
// shown as the largest that does.
std::string Meter::mass_field(int units) const {
    const double largest =
        std::pow(10.0, kFieldWidth - (config_.decimals > 0 ? config_.decimals + 1 : 0)) - 1;
    const double shown =
        std::clamp(reading_ + units * std::pow(10.0, -config_.decimals), -largest / 10, largest);
    return pad_left(fixed_text(shown, config_.decimals), kFieldWidth);
}

}  // namespace wazenie::emulator
