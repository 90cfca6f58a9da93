#pragma once

#include "app/cli/cli_command.h"

namespace wazenie {

// wazenie-cli korekty: what the in-flight correction has learned, by scale and material; with
// --zeruj it is cleared, all of it or that of one scale and/or one material.
int corrections_command(const CommandContext& context);

}  // namespace wazenie
