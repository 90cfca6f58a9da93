#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "reports/table_output.h"
#include "station/station.h"
#include "storage/learned_corrections.h"

namespace wazenie {

// The settings window's list of what the in-flight correction learned, by scale and material, and
// its button "Zeruj". A cleared entry is gone at once, OK or not: the station learns it again from
// the next doses of that material.
class CorrectionList {
public:
    CorrectionList(Station& station, Dialogs& dialogs);

    static std::vector<std::string> titles();
    // What the station knows now; the list shows it until the next reload.
    void reload();
    const TextTable& table() const { return table_; }

    // "Zeruj": after the question, the rows `selected` (indexes into table().rows), or every row when
    // none is; the list is then read again. False when nothing was cleared: no row, the answer No,
    // or a file that could not be written (the station has told).
    bool clear(const std::vector<std::size_t>& selected);

private:
    Station& station_;
    Dialogs& dialogs_;
    LearnedCorrections shown_;
    TextTable table_;
};

}  // namespace wazenie
