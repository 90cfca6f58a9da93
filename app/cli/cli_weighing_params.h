#pragma once

#include <string>

namespace wazenie {

class Dialogs;
class Station;
struct RunOptions;

// The weighing-parameters confirmation with the run's recipe, mass, client and aggregates' moisture in
// place of the operator's choices in the dialog; an aggregate not given keeps its stored moisture, and
// one out of date refuses the start without --tak. False when it was refused (its message has been shown).
bool confirm_weighing_params(Station& station, const RunOptions& options, Dialogs& dialogs);

}  // namespace wazenie
