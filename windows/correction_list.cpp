#include "windows/correction_list.h"

#include <algorithm>

#include "reports/correction_table.h"
#include "station/in_flight_correction.h"

namespace wazenie {

namespace {

const char* question_for(std::size_t selected) {
    if (selected == 0) {
        return "Czy wyzerować wszystkie korekty?";
    }
    return selected == 1 ? "Czy wyzerować wybraną korektę?" : "Czy wyzerować wybrane korekty?";
}

}  // namespace

CorrectionList::CorrectionList(Station& station, Dialogs& dialogs) : station_(station), dialogs_(dialogs) {}

std::vector<std::string> CorrectionList::titles() {
    return corrections_table({}, Scales{}).titles;
}

void CorrectionList::reload() {
    shown_ = sorted_corrections(station_.correction().learned());
    table_ = corrections_table(shown_, station_.process().w);
}

bool CorrectionList::clear(const std::vector<std::size_t>& selected) {
    if (shown_.empty() || !dialogs_.question(question_for(selected.size()))) {
        return false;
    }
    InFlightCorrection& correction = station_.correction();
    const bool written =
        selected.empty()
            ? correction.clear(0, "")
            : std::all_of(selected.begin(), selected.end(), [&](std::size_t row) {
                  return row >= shown_.size() || correction.clear(shown_[row].scale, shown_[row].material);
              });
    reload();
    return written;
}

}  // namespace wazenie
