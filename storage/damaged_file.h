#pragma once

#include <filesystem>

#include "core/change_journal.h"
#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// Keeps a file that did not read cleanly before the program writes over it: copied beside it as
// "<stem>-uszkodzony-yyyymmdd-hhmmss<ext>" (local time `now`). A copy kept earlier is never replaced;
// a second one within the same second gets "-2", "-3", ... Gives the copy's path, or an Error whose
// `what` is the system's reason.
Result<std::filesystem::path> keep_damaged_copy(const std::filesystem::path& file, DateTime now);
// The audit trail's line for it: the file, and the copy or why there is none.
Change damaged_file_change(const std::filesystem::path& file, const Result<std::filesystem::path>& kept);

}  // namespace wazenie
