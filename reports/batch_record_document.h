#pragma once

#include "core/print_document.h"
#include "reports/batch_record.h"

namespace wazenie {

// The printed batch record ("Karta zarobu"), landscape for the width of its table; `copy` from 1, the
// job titles of copies 2.. end in " c<n>" as the WZ's do.
PrintDocument batch_record_document(const BatchRecord& record, DateTime now, int copy);

// "w/c: 0,52 (maks. 0,55) — zgodne" or "... — PRZEKROCZONE", "w/c: 0,52 (bez w/c maks.)"; empty when the
// process has no ratio. Judged on the ratio as printed, so the line never contradicts its own figures.
std::string water_cement_verdict(const BatchRecord& record);

}  // namespace wazenie
