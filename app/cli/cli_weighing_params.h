#pragma once

#include <string>

namespace wazenie {

class Dialogs;
class Station;
struct RunOptions;

// The weighing-parameters confirmation with the run's recipe, mass and client in place of the
// operator's choices in the dialog. False when it was refused (its message has been shown).
bool confirm_weighing_params(Station& station, const RunOptions& options, Dialogs& dialogs);

}  // namespace wazenie
