#pragma once

#include <filesystem>

#include "core/change_journal.h"
#include "core/dialogs.h"

namespace wazenie {

// What wazenie-cli's name is in the audit trail where no operator logged in.
inline constexpr const char* kCliOperator = "wazenie-cli";

// A change a command made without a station, into data_dir's audit trail; a failure to write it is
// told as a warning and the command's result stands.
void record_cli_change(const std::filesystem::path& data_dir, const Change& change, Dialogs& dialogs);

}  // namespace wazenie
