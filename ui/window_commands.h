#pragma once

#include <functional>
#include <string>

#include "core/dialogs.h"

class QWidget;

namespace wazenie {

class Clock;
class Printer;
class Station;

// "  Drukuj WZ": the chosen printer's name goes to `show_printer_name`.
void print_wz_of_station(Station& station, Printer& printer, Dialogs& dialogs, const Clock& clock,
                         const std::function<void(const std::string&)>& show_printer_name);

}  // namespace wazenie
