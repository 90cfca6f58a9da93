#include "reports/correction_table.h"

#include <algorithm>
#include <string>

#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie {

LearnedCorrections sorted_corrections(LearnedCorrections corrections) {
    std::sort(corrections.begin(), corrections.end(),
              [](const LearnedCorrection& a, const LearnedCorrection& b) {
                  return a.scale != b.scale ? a.scale < b.scale : polish_less(a.material, b.material);
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
