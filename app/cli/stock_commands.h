#pragma once

#include "app/cli/cli_command.h"

namespace wazenie {

// wazenie-cli magazyn: the stock of every material kept; with "dostawa" or "inwentura" a delivery or
// a count is posted (by an operator who may keep the stock), with "ruchy" the movements of a range
// are printed or saved as CSV.
int stock_command(const CommandContext& context);

}  // namespace wazenie
