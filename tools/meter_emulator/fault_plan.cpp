#include "fault_plan.h"

#include "core/number_text.h"

namespace wazenie::emulator {

bool FaultRate::parse(const std::string& text) {
    if (!text.empty() && text.back() == '%') {
        const auto value = parse_decimal(text.substr(0, text.size() - 1));
        if (!value || *value < 0 || *value > 100) {
            return false;
        }
        percent_ = *value;
        every_ = 0;
        return true;
    }
    const auto value = parse_int(text);
    if (!value || *value < 0) {
        return false;
    }
    every_ = *value;
    percent_ = 0;
    return true;
}

bool FaultRate::strikes(std::mt19937& random) {
    if (every_ > 0) {
        return ++count_ % every_ == 0;
    }
    if (percent_ > 0) {
        return std::uniform_real_distribution<double>(0, 100)(random) < percent_;
    }
    return false;
}

}  // namespace wazenie::emulator
