#include "reports/correction_table.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie {

LearnedCorrections sorted_corrections(LearnedCorrections corrections) {
    std::sort(
        corrections.begin(), corrections.end(), [](const LearnedCorrection& a, const LearnedCorrection& b) {
            return std::tuple(a.scale, upper_pl(a.material)) < std::tuple(b.scale, upper_pl(b.material));
        });
    return corrections;
}

TextTable corrections_table(const LearnedCorrections& corrections, const Scales& w) {
    TextTable table{{"Waga", "Materiał", "Korekta [kg]", "Dozowań"}, {true, false, true, true}, {}};
    for (const LearnedCorrection& c : corrections) {
        table.rows.push_back({std::to_string(c.scale), c.material, fixed_text(c.kg, w[c.scale].precision),
                              std::to_string(c.count)});
    }
    return table;
}

}  // namespace wazenie
