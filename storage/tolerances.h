#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "storage/ini_document.h"

namespace wazenie {

// The batching tolerance most materials are held to, in percent of the dose's target.
inline constexpr double kDefaultTolerance = 3.0;

// Dosing tolerances of konfig.ini: [Tolerancje] domyslna=PERCENT for every material, and NAME=PERCENT for
// single materials (admixtures are usually allowed more). A value that does not read as a number of 0 or
// more is passed over: the material keeps the default.
class Tolerances {
public:
    Tolerances() = default;
    static Tolerances from(const IniDocument& ini);

    // The material's tolerance; names are compared trimmed and without regard to case.
    double percent_for(std::string_view material_name) const;
    double default_percent() const { return default_percent_; }

private:
    double default_percent_ = kDefaultTolerance;
    std::unordered_map<std::string, double> by_name_;  // upper-case names
};

// One dose against its target: the deviation in kg, in percent of the target (none for a target of 0),
// and whether it lies outside the tolerance (never for a target of 0).
struct DoseDeviation {
    double kg = 0;
    std::optional<double> percent;
    bool outside = false;
};
// Inline: the production analysis judges every dose of a year.
inline DoseDeviation dose_deviation(double target, double dosed, double tolerance_percent) {
    DoseDeviation d;
    d.kg = dosed - target;
    if (target != 0) {
        d.percent = d.kg / target * 100.0;
        // Masses are logged rounded: a dose exactly at the limit is inside, whatever the last binary digit
        // says.
        d.outside = std::fabs(d.kg) * 100.0 > std::fabs(target) * tolerance_percent * (1 + 1e-9);
    }
    return d;
}

}  // namespace wazenie
