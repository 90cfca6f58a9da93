#include "reports/water_cement_sum.h"

namespace wazenie {

void WaterCementSum::add(MaterialKind kind, double dosed, double moisture) {
    switch (kind) {
        case MaterialKind::cement:
            cement_ += dosed;
            break;
        case MaterialKind::water:
            water_ += dosed;
            break;
        case MaterialKind::aggregate:
            water_ += dosed * moisture / (100 + moisture);
            break;
        default:
            break;
    }
}

std::optional<double> WaterCementSum::ratio() const {
    return cement_ > 0 ? std::optional(water_ / cement_) : std::nullopt;
}

}  // namespace wazenie
