#include "ui/window_commands.h"

#include "reports/wz_delivery_source.h"
#include "reports/wz_print.h"
#include "station/station.h"

namespace wazenie {

void print_wz_of_station(Station& station, Printer& printer, Dialogs& dialogs, const Clock& clock,
                         const std::function<void(const std::string&)>& show_printer_name) {
    WzPrintSeams seams{printer, dialogs, clock, show_printer_name};
    print_wz_of_process(
        station.process(), station.settings(), seams,
        wz_delivery_of_process(station.settings(), station.process(), station.process_materials(),
                               station.process_delivery(), station.process_description()));
}

}  // namespace wazenie
