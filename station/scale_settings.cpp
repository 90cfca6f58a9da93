#include "station/scale_settings.h"

namespace wazenie {

ScalesSettings scale_settings_of(const Scales& w) {
    ScalesSettings settings;
    for (int n = 1; n <= kScales; ++n) {
        settings[n] = {w[n].max_weight, w[n].min_weight, w[n].sta_weight, w[n].weight_enabled,
                       w[n].precision};
    }
    return settings;
}

void set_scale_settings(Scales& w, const ScalesSettings& settings) {
    for (int n = 1; n <= kScales; ++n) {
        const ScaleSettings& s = settings[n];
        w[n].max_weight = s.max_weight;
        w[n].min_weight = s.min_weight;
        w[n].sta_weight = s.sta_weight;
        w[n].weight_enabled = s.weight_enabled;
        w[n].precision = s.precision;
    }
}

}  // namespace wazenie
