#pragma once

#include "platform/qt_clipboard.h"

class QWidget;

namespace wazenie {

class Dialogs;
class Display;
class Printer;
class Station;

// The data windows as the main window opens them: settings, recipes, clients and the weighing
// parameters, each modal over `parent`. Every opening reads its files afresh, and the logged-in
// operator's rights decide what a restricted operator may change.
class DataWindows {
public:
    DataWindows(Station& station, Dialogs& dialogs, Printer& printer, Display& display, QWidget* parent);

    // " Ustawienia": true when the settings were applied with OK (the caller redraws the layout).
    bool open_settings();
    // "Baza receptur" and " Baza klientów" of the main window.
    void open_recipes();
    void open_clients();
    // "Parametry naważania": the guard, the dialog, loading the recipe into the process.
    void open_weighing_params();

private:
    bool restricted(bool admin_only_setting) const;

    Station& station_;
    Dialogs& dialogs_;
    Printer& printer_;
    Display& display_;
    QWidget* parent_;
    QtClipboard clipboard_;
};

}  // namespace wazenie
