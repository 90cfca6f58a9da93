#pragma once

#include "app/cli/cli_command.h"

namespace wazenie {

// wazenie-cli weryfikuj: the audit trail and the month logs with their cards checked against their
// chains; every finding and a summary line per file printed. Exit 0 when all holds, kTampered when
// something does not, kFileError when a file cannot be read.
int verify_command(const CommandContext& context);

}  // namespace wazenie
