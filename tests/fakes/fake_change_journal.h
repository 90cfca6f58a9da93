#pragma once

#include <vector>

#include "core/change_journal.h"

namespace wazenie::testing {

// Keeps every change it is told of.
struct FakeChangeJournal : ChangeJournal {
    std::vector<Change> changes;
    void record(const Change& change) override { changes.push_back(change); }
};

}  // namespace wazenie::testing
