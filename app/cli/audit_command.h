#pragma once

#include "app/cli/cli_command.h"

namespace wazenie {

// wazenie-cli dziennik: the audit trail (dane/dziennik_zmian.txt) as a table, or with --csv as CSV;
// --from and --to (whole days) bound it.
int audit_command(const CommandContext& context);

}  // namespace wazenie
