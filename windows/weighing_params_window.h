#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/client_chooser.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/process_records.h"
#include "core/recipe_editor_launcher.h"
#include "recipes/weighing_params.h"
#include "station/station.h"
#include "storage/settings.h"
#include "windows/aggregate_moisture.h"

namespace wazenie {

// "Parametry naważania" as a controller: the sorted recipe list with its selection, the total-mass
// field, the client label and the moisture of the chosen recipe's aggregates. It changes no process
// record; the confirmation does. A moisture typed is the logged-in operator's, set at the clock's time.
class WeighingParamsDialog {
public:
    WeighingParamsDialog(std::filesystem::path data_dir, const Settings& settings, Dialogs& dialogs,
                         RecipeEditorLauncher& editor, ClientChooser& clients, const Clock& clock,
                         std::string operator_name);

    // Fills the dialog from what the main window shows of the process.
    void open(const recipe_record& r);

    const std::vector<std::string>& recipe_names() const { return names_; }
    std::optional<int> selected() const { return selected_; }
    const std::string& total_text() const { return total_text_; }
    const std::string& client() const { return client_; }
    // "Samochód:" and "Budowa:" as typed, and the chosen client's last ones to pick from, newest first.
    const std::string& truck() const { return truck_; }
    const std::string& site() const { return site_; }
    const std::vector<std::string>& recent_trucks() const { return recent_trucks_; }
    const std::vector<std::string>& recent_sites() const { return recent_sites_; }
    // Follows the chosen recipe; no aggregate of known kind leaves it empty (and the group hidden).
    AggregateMoisture& moisture() { return moisture_; }
    const AggregateMoisture& moisture() const { return moisture_; }

    // The operator picks entry `index`: the total becomes that recipe's own total.
    void choose_recipe(int index);
    // The same for a recipe given by its exact name; false (nothing changes) when the list lacks it.
    bool choose_recipe(const std::string& name);
    void type_total(std::string text) { total_text_ = std::move(text); }
    void type_truck(std::string text) { truck_ = std::move(text); }
    void type_site(std::string text) { site_ = std::move(text); }
    // Leaving the total field: false after "Błędna wartość!" (the focus goes back to the field).
    bool leave_total();
    // " Baza receptur" and " Baza klientów".
    void recipe_base();
    void client_base();

    WeighingParams values() const;

private:
    void fill_names();
    void select_exact(const std::string& name);
    void show_aggregates();
    void show_recent_deliveries();
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
    std::string truck_;
    std::string site_;
    std::vector<std::string> recent_trucks_;
    std::vector<std::string> recent_sites_;
    AggregateMoisture moisture_;
};

enum class ParamsOutcome {
    process_running,  // step 1 warned; the dialog did not open
    cancelled,        // the dialog was not closed with OK
    refused,          // a value was wrong; its message was shown and nothing changed
    accepted,
};

// The main window's "Parametry naważania": the guard, the dialog, and the station loading the
// process the parameters define, split into cycles (at most 9). A moisture older than its validity is
// asked about first; once the process is loaded, the moisture that differs from dane/wilgotnosc.txt
// (what was typed now) is stored there, and a truck or site given goes into the client's history.
class WeighingParamsConfirmation {
public:
    WeighingParamsConfirmation(Station& station, Dialogs& dialogs, const Clock& clock)
        : station_(station), dialogs_(dialogs), clock_(clock) {}

    // show_dialog returns the dialog's values when it was closed with OK.
    ParamsOutcome run(const std::function<std::optional<WeighingParams>()>& show_dialog);
    // Steps from the dialog's values on, for a caller that has them already.
    ParamsOutcome confirm(const WeighingParams& params);

private:
    bool old_moisture_accepted(const MoistureTable& moisture);
    void store_moisture(const MoistureTable& moisture);
    void store_delivery(const std::string& client, const Delivery& delivery);

    Station& station_;
    Dialogs& dialogs_;
    const Clock& clock_;
};

}  // namespace wazenie
