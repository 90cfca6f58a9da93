#include "ui/data_windows.h"

#include "platform/qt_text.h"
#include "recipes/material_file.h"
#include "station/station.h"
#include "ui/report_window.h"
#include "ui/settings_window.h"
#include "ui/station_choosers.h"
#include "ui/stock_window.h"
#include "ui/weighing_params_window.h"
#include "windows/weighing_params_window.h"

namespace wazenie {

DataWindows::DataWindows(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
                         std::function<void(const std::string&)> show_printer_name, QWidget* parent)
    : station_(station),
      dialogs_(dialogs),
      printer_(printer),
      clock_(clock),
      show_printer_name_(std::move(show_printer_name)),
      parent_(parent) {}

DataWindows::~DataWindows() = default;

bool DataWindows::open_settings() {
    TFormUstaw window(station_, dialogs_, parent_);
    return window.run();
}

void DataWindows::open_recipes() {
    StationChoosers(station_, dialogs_, clipboard_, printer_, parent_).recipes().open_recipe_editor();
}

void DataWindows::open_clients() {
    StationChoosers(station_, dialogs_, clipboard_, printer_, parent_).clients().choose_client();
}

void DataWindows::open_weighing_params() {
    const Settings& settings = station_.settings();
    StationChoosers choosers(station_, dialogs_, clipboard_, printer_, parent_);
    WeighingParamsDialog controller(station_.data_dir(), settings, dialogs_, choosers.recipes(),
                                    choosers.clients(), clock_, station_.operator_name());
    choosers.recipes().show_recipe_from([&controller] { return controller.values().recipe_name; });
    WeighingParamsConfirmation confirmation(station_, dialogs_, clock_);
    confirmation.run([&] { return TFrecipe_summary(controller, parent_).run(station_.process().r); });
}

void DataWindows::open_stock() {
    TFmagazyn window(station_.data_dir(), station_.operator_name(), load_materials(station_.data_dir()),
                     dialogs_, printer_, clock_, parent_);
    window.exec();
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
