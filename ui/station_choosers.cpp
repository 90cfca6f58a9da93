#include "ui/station_choosers.h"

#include "station/station.h"
#include "storage/operators.h"

namespace wazenie {

namespace {

bool restricted(const Station& station, bool admin_only_setting) {
    return admin_only_setting && !has_admin_rights(station.operator_name());
}

}  // namespace

StationChoosers::StationChoosers(Station& station, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                                 QWidget* parent)
    : materials_(dialogs, clipboard, station.data_dir(), parent),
      recipes_(station.data_dir(), station.settings(), dialogs, materials_, station.process().w,
               station.operator_name(), restricted(station, station.settings().admin_change_recipe), parent),
      clients_(station.data_dir(), dialogs, clipboard, printer,
               restricted(station, station.settings().admin_change_client), parent) {}

}  // namespace wazenie
