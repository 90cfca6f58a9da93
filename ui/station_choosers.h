#pragma once

#include "ui/client_window.h"
#include "ui/material_window.h"
#include "ui/recipe_editor_launcher.h"

class QWidget;

namespace wazenie {

class Clipboard;
class Dialogs;
class Printer;
class Station;

// The client database and the recipe editor (with its material window) as another window opens
// them: modal over `parent`, reading their files afresh, with the logged-in operator's rights
// (windows/rights.h).
class StationChoosers {
public:
    StationChoosers(Station& station, Dialogs& dialogs, Clipboard& clipboard, Printer& printer,
                    QWidget* parent);

    ClientWindowChooser& clients() { return clients_; }
    RecipeEditorWindowLauncher& recipes() { return recipes_; }

private:
    MaterialWindowChooser materials_;
    RecipeEditorWindowLauncher recipes_;
    ClientWindowChooser clients_;
};

}  // namespace wazenie
