#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/qt_clipboard.h"

class QWidget;

namespace wazenie {

class Clock;
class Dialogs;
class Printer;
class Station;
class TFraport;

// The data windows as the main window opens them: settings, recipes, clients and the weighing
// parameters, each modal over `parent`. Every opening reads its files afresh, and the logged-in
// operator's rights decide what a restricted operator may change.
class DataWindows {
public:
    DataWindows(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
                std::function<void(const std::string&)> show_printer_name, QWidget* parent);
    ~DataWindows();

    // " Ustawienia": true when the settings were applied with OK (the caller redraws the layout).
    bool open_settings();
    // "Baza receptur" and " Baza klientów" of the main window.
    void open_recipes();
    void open_clients();
    // "Parametry naważania": the guard, the dialog, loading the recipe into the process.
    void open_weighing_params();
    // "  Magazyn": the stock window, read afresh at every opening.
    void open_stock();
    // "   Raporty": one report window for the program's life, so that its dates and filters stay.
    void open_reports();

private:
    Station& station_;
    Dialogs& dialogs_;
    Printer& printer_;
    const Clock& clock_;
    std::function<void(const std::string&)> show_printer_name_;
    QWidget* parent_;
    QtClipboard clipboard_;
    std::unique_ptr<TFraport> reports_;
};

}  // namespace wazenie
