#include "ui/window_commands.h"

#include "recipes/weighing_params.h"
#include "reports/wz_print.h"
#include "station/station.h"
#include "ui/null_choosers.h"
#include "ui/weighing_params_window.h"

namespace wazenie {

void open_weighing_params(Station& station, Dialogs& dialogs, Display& display, QWidget* parent) {
    NoRecipeEditorWindow editor;
    NoClientWindow clients;
    WeighingParamsDialog controller(station.data_dir(), station.settings(), dialogs, editor, clients);
    WeighingParamsConfirmation confirmation(station.data_dir(), station.settings(), dialogs, display,
                                            [&station] { station.save_status(); });
    ProcessState& p = station.process();
    confirmation.run(p, [&] { return TFrecipe_summary(controller, parent).run(p.r); });
}

void print_wz_of_station(Station& station, Printer& printer, Dialogs& dialogs, const Clock& clock,
                         const std::function<void(const std::string&)>& show_printer_name) {
    WzPrintSeams seams{printer, dialogs, clock, show_printer_name};
    print_wz_of_process(station.process(), station.settings(), seams);
}

}  // namespace wazenie
