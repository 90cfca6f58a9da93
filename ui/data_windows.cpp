#include "ui/data_windows.h"

#include "core/display.h"
#include "recipes/weighing_params.h"
#include "station/station.h"
#include "storage/operators.h"
#include "ui/client_window.h"
#include "ui/material_window.h"
#include "platform/qt_text.h"
#include "ui/recipe_editor_launcher.h"
#include "ui/report_window.h"
#include "ui/settings_window.h"
#include "ui/weighing_params_window.h"

namespace wazenie {

DataWindows::DataWindows(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
                         Display& display, std::function<void(const std::string&)> show_printer_name,
                         QWidget* parent)
    : station_(station),
      dialogs_(dialogs),
      printer_(printer),
      clock_(clock),
      display_(display),
      show_printer_name_(std::move(show_printer_name)),
      parent_(parent) {}

DataWindows::~DataWindows() = default;

// Rights are the logged-in operator's: the administrator has no restriction, any other operator
// those that the settings name.
bool DataWindows::restricted(bool admin_only_setting) const {
    return admin_only_setting && !has_admin_rights(station_.operator_name());
}

bool DataWindows::open_settings() {
    TFormUstaw window(station_, dialogs_, parent_);
    QObject::connect(&window, &TFormUstaw::precision_changed, &window,
                     [this] { display_.refresh_process(); });
    return window.run();
}

void DataWindows::open_recipes() {
    MaterialWindowChooser materials(dialogs_, clipboard_, station_.data_dir(), parent_);
    RecipeEditorWindowLauncher editor(station_.data_dir(), station_.settings(), dialogs_, materials,
                                      station_.process().w, station_.operator_name(),
                                      restricted(station_.settings().admin_change_recipe), parent_);
    editor.open_recipe_editor();
}

void DataWindows::open_clients() {
    ClientWindowChooser clients(station_.data_dir(), dialogs_, clipboard_, printer_,
                                restricted(station_.settings().admin_change_client), parent_);
    clients.choose_client();
}

void DataWindows::open_weighing_params() {
    const Settings& settings = station_.settings();
    MaterialWindowChooser materials(dialogs_, clipboard_, station_.data_dir(), parent_);
    RecipeEditorWindowLauncher editor(station_.data_dir(), settings, dialogs_, materials,
                                      station_.process().w, station_.operator_name(),
                                      restricted(settings.admin_change_recipe), parent_);
    ClientWindowChooser clients(station_.data_dir(), dialogs_, clipboard_, printer_,
                                restricted(settings.admin_change_client), parent_);
    WeighingParamsDialog controller(station_.data_dir(), settings, dialogs_, editor, clients);
    editor.show_recipe_from([&controller] { return controller.values().recipe_name; });
    WeighingParamsConfirmation confirmation(station_.data_dir(), settings, dialogs_, display_,
                                            [this] { station_.save_status(); });
    ProcessState& p = station_.process();
    confirmation.run(p, [&] { return TFrecipe_summary(controller, parent_).run(p.r); });
}

void DataWindows::open_reports() {
    if (!reports_) {
        reports_ = std::make_unique<TFraport>(station_, dialogs_, printer_, clock_, parent_);
        QObject::connect(reports_.get(), &TFraport::printer_chosen, reports_.get(),
                         [this](const QString& name) { show_printer_name_(from_qt(name)); });
    }
    reports_->run();
}

}  // namespace wazenie
