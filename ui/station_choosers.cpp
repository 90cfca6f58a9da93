#include "ui/station_choosers.h"

#include "station/station.h"
#include "windows/rights.h"

namespace wazenie {

StationChoosers::StationChoosers(Station& station, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                                 QWidget* parent)
    : materials_(dialogs, clipboard, station.data_dir(),
                 may_change_recipes(station.settings(), station.operator_name()), parent, station.changes()),
      recipes_(station.data_dir(), station.settings(), dialogs, materials_, station.process().w,
               station.operator_name(), station.changes(), parent),
      clients_(station.data_dir(), dialogs, clipboard, printer,
               !may_change_clients(station.settings(), station.operator_name()), parent, station.changes()) {}

}  // namespace wazenie
