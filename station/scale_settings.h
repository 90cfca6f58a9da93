#pragma once

#include "core/indexed_array.h"
#include "core/process_records.h"

namespace wazenie {

// What the settings window sets of a scale; the rest of its record belongs to the process.
struct ScaleSettings {
    int max_weight = 0;
    double min_weight = 0;
    double sta_weight = 0;
    bool weight_enabled = false;
    int precision = 0;
};
using ScalesSettings = IndexedArray<ScaleSettings, kScales>;

ScalesSettings scale_settings_of(const Scales& w);
void set_scale_settings(Scales& w, const ScalesSettings& settings);

}  // namespace wazenie
