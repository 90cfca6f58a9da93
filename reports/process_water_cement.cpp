#include "reports/process_water_cement.h"

#include "reports/water_cement_sum.h"

namespace wazenie {

namespace {

double dosed(const material_record& m, int cycle) {
    if (cycle != 0) {
        return CycleMasses::in_range(cycle) ? m.curr_weight[cycle] : 0;
    }
    double sum = 0;
    for (const double kg : m.curr_weight) {
        sum += kg;
    }
    return sum;
}

}  // namespace

std::optional<double> water_cement_ratio(const ProcessState& p, const std::vector<DryTarget>& materials,
                                         int cycle) {
    WaterCementSum sum;
    for (const DryTarget& t : materials) {
        if (!Scales::in_range(t.scale) || t.material < 1 || t.material > p.w[t.scale].max_material ||
            t.material > kMaterials) {
            continue;
        }
        sum.add(t.kind, dosed(p.w[t.scale].m[t.material], cycle), t.moisture);
    }
    return sum.ratio();
}

}  // namespace wazenie
