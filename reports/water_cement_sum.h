#pragma once

#include <optional>

#include "storage/material_kinds.h"

namespace wazenie {

// The water/cement ratio of dosed masses: the water materials and the free water the aggregates
// brought (a wet mass m at moisture w, in percent of its dry mass, holds m * w / (100 + w) of it),
// over the cement materials. Other kinds count for neither.
class WaterCementSum {
public:
    // `moisture` counts for an aggregate only.
    void add(MaterialKind kind, double dosed, double moisture);

    double cement() const { return cement_; }
    double water() const { return water_; }
    // Nothing while no cement has been dosed.
    std::optional<double> ratio() const;

private:
    double cement_ = 0;
    double water_ = 0;
};

}  // namespace wazenie
