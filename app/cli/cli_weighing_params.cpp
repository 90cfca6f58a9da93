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

}  // namespace

bool confirm_weighing_params(Station& station, const RunOptions& options, Dialogs& dialogs) {
    NoRecipeEditor editor;
    GivenClient clients(options.client);
    SystemClock clock;
    WeighingParamsDialog dialog(station.data_dir(), station.settings(), dialogs, editor, clients, clock,
                                station.operator_name());
    WeighingParamsConfirmation confirmation(station, dialogs, clock);
    auto outcome = confirmation.run([&]() -> std::optional<WeighingParams> {
        dialog.open(station.process().r);
        if (!dialog.choose_recipe(options.recipe)) {
            dialogs.error("Nie ma receptury: " + options.recipe);
            return std::nullopt;
        }
        dialog.type_total(options.mass);
        if (!dialog.leave_total()) {
            return std::nullopt;
        }
        dialog.client_base();
        return dialog.values();
    });
    return outcome == ParamsOutcome::accepted;
}

}  // namespace wazenie
