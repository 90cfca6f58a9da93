#pragma once

#include <vector>

#include "storage/ini_document.h"
#include "storage/replaced_value.h"

namespace wazenie {

inline constexpr const char* kCorrectionSection = "Korekta dozowania";

// konfig.ini's [Korekta dozowania]: whether each dose is sent less the mass learned to land after the
// feed closes (wlaczona), whether the last cycle makes up the order's total (wyrownanie), the weight
// of a new observation in what is learned (wspolczynnik, 0 < a <= 1) and the largest correction in
// percent of a dose's target (maks_procent, above 0 and at most 100).
struct CorrectionSettings {
    bool enabled = false;
    bool make_up = false;
    double weight = 0.3;
    double max_percent = 5.0;

    bool operator==(const CorrectionSettings&) const = default;
};

// A key that does not read keeps its default and is added to `replaced`.
CorrectionSettings read_correction_settings(const IniDocument& ini, std::vector<ReplacedValue>& replaced);
// Writes the four keys; a file never written here keeps no such section.
void store_correction_settings(IniDocument& ini, const CorrectionSettings& settings);

// Whether a value typed for wspolczynnik or maks_procent lies in its range.
bool valid_correction_weight(double a);
bool valid_correction_percent(double percent);

}  // namespace wazenie
