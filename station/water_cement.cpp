#include "station/water_cement.h"

#include "core/number_text.h"

namespace wazenie {

std::string water_cement_text(const ProcessState& p, const std::vector<DryTarget>& materials, int shown) {
    const auto whole = water_cement_ratio(p, materials, 0);
    if (!whole) {
        return {};
    }
    std::string text = fixed_text(*whole, 2);
    if (const auto in_cycle = water_cement_ratio(p, materials, shown); in_cycle && p.r.total_cycle > 1) {
        text += " (cykl " + std::to_string(shown) + ": " + fixed_text(*in_cycle, 2) + ")";
    }
    return text;
}

}  // namespace wazenie
