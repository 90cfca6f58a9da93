#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/client_chooser.h"
#include "core/dialogs.h"
#include "core/display.h"
#include "core/process_records.h"
#include "core/recipe_editor_launcher.h"
#include "recipes/weighing_params.h"
#include "storage/settings.h"

namespace wazenie {

// "Parametry naważania" as a controller: the sorted recipe list with its selection, the total-mass
// field and the client label. It changes no process record; the confirmation does.
class WeighingParamsDialog {
public:
    WeighingParamsDialog(std::filesystem::path data_dir, const Settings& settings, Dialogs& dialogs,
                         RecipeEditorLauncher& editor, ClientChooser& clients);

    // Fills the dialog from what the main window shows of the process.
    void open(const recipe_record& r);

    const std::vector<std::string>& recipe_names() const { return names_; }
    std::optional<int> selected() const { return selected_; }
    const std::string& total_text() const { return total_text_; }
    const std::string& client() const { return client_; }

    // The operator picks entry `index`: the total becomes that recipe's own total.
    void choose_recipe(int index);
    // The same for a recipe given by its exact name; false (nothing changes) when the list lacks it.
    bool choose_recipe(const std::string& name);
    void type_total(std::string text) { total_text_ = std::move(text); }
    // Leaving the total field: false after "Błędna wartość!" (the focus goes back to the field).
    bool leave_total();
    // " Baza receptur" and " Baza klientów".
    void recipe_base();
    void client_base();

    WeighingParams values() const;

private:
    void fill_names();
    void select_exact(const std::string& name);
    std::string total_for_field(double total) const;

    std::filesystem::path data_dir_;
    const Settings& settings_;
    Dialogs& dialogs_;
    RecipeEditorLauncher& editor_;
    ClientChooser& clients_;
    std::vector<std::string> names_;
    std::optional<int> selected_;
    std::string total_text_;
    std::string client_;
};

enum class ParamsOutcome {
    process_running,  // step 1 warned; the dialog did not open
    cancelled,        // the dialog was not closed with OK
    refused,          // a value was wrong; its message was shown and nothing changed
    accepted,
};

// The main window's "Parametry naważania": the guard, the dialog, and loading the recipe into the
// process, split into cycles (at most 9). `save_status` writes the status file after an acceptance.
class WeighingParamsConfirmation {
public:
    WeighingParamsConfirmation(std::filesystem::path data_dir, const Settings& settings, Dialogs& dialogs,
                               Display& display, std::function<void()> save_status);

    // show_dialog returns the dialog's values when it was closed with OK.
    ParamsOutcome run(ProcessState& p, const std::function<std::optional<WeighingParams>()>& show_dialog);
    // Steps from the dialog's values on, for a caller that has them already.
    ParamsOutcome confirm(ProcessState& p, const WeighingParams& params);

private:
    std::filesystem::path data_dir_;
    const Settings& settings_;
    Dialogs& dialogs_;
    Display& display_;
    std::function<void()> save_status_;
};

}  // namespace wazenie
