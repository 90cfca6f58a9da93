#include "app/cli/cli_weighing_params.h"

#include "app/cli/run_options.h"
#include "core/dialogs.h"
#include "station/station.h"
#include "storage/system_clock.h"
#include "windows/weighing_params_window.h"

namespace wazenie {

namespace {

// The CLI offers no recipe editor: the recipe is named on the command line.
class NoRecipeEditor final : public RecipeEditorLauncher {
public:
    std::optional<Choice> open_recipe_editor() override { return std::nullopt; }
};

// The client named on the command line (none when it was not given).
class GivenClient final : public ClientChooser {
public:
    explicit GivenClient(std::string short_name) : short_name_(std::move(short_name)) {}
    std::optional<std::string> choose_client() override { return short_name_; }

private:
    std::string short_name_;
};

// Nobody is there to answer the confirmation's question: --tak answers Yes, without it the question is
// told and the start refused, as with the stock's.
class UnattendedQuestions final : public Dialogs {
public:
    UnattendedQuestions(Dialogs& shown, bool yes) : shown_(shown), yes_(yes) {}

    void error(const std::string& text) override { shown_.error(text); }
    void warning(const std::string& text) override { shown_.warning(text); }
    void information(const std::string& text) override { shown_.information(text); }
    bool question(const std::string& text) override {
        if (yes_) {
            return shown_.question(text);
        }
        shown_.error(text + " Proces nie został rozpoczęty (--tak: mimo to rozpocząć).");
        return false;
    }
    std::string ask_value(const ValueRequest& request) override { return shown_.ask_value(request); }
    std::optional<int> ask_print_copies() override { return shown_.ask_print_copies(); }

private:
    Dialogs& shown_;
    bool yes_;
};

// The --wilgotnosc values typed into the recipe's aggregate fields; false when one names no aggregate
// of the recipe (its message has been shown).
bool type_given_moisture(WeighingParamsDialog& dialog, const RunOptions& options, Dialogs& dialogs) {
    AggregateMoisture& moisture = dialog.moisture();
    for (const auto& [material, percent] : options.moisture) {
        const auto row = moisture.find(material);
        if (!row) {
            dialogs.error("Materiał \"" + material + "\" nie jest kruszywem receptury \"" + options.recipe +
                          "\" (--wilgotnosc; rodzaje w materialy_rodzaje.txt).");
            return false;
        }
        moisture.type(*row, percent);
        if (!moisture.leave(*row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool confirm_weighing_params(Station& station, const RunOptions& options, Dialogs& dialogs) {
    NoRecipeEditor editor;
    GivenClient clients(options.client);
    SystemClock clock;
    UnattendedQuestions questions(dialogs, options.yes);
    WeighingParamsDialog dialog(station.data_dir(), station.settings(), dialogs, editor, clients, clock,
                                station.operator_name());
    WeighingParamsConfirmation confirmation(station, questions, clock);
    auto outcome = confirmation.run([&]() -> std::optional<WeighingParams> {
        dialog.open(station.process().r);
        if (!dialog.choose_recipe(options.recipe)) {
            dialogs.error("Nie ma receptury: " + options.recipe);
            return std::nullopt;
        }
        if (!type_given_moisture(dialog, options, dialogs)) {
            return std::nullopt;
        }
        dialog.type_total(options.mass);
        if (!dialog.leave_total()) {
            return std::nullopt;
        }
        dialog.client_base();
        dialog.type_truck(options.truck);
        dialog.type_site(options.site);
        return dialog.values();
    });
    return outcome == ParamsOutcome::accepted;
}

}  // namespace wazenie
