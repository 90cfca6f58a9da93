#include "windows/weighing_params_window.h"

#include <algorithm>
#include <utility>

#include "core/number_text.h"
#include "recipes/recipe_file.h"
#include "storage/text_helpers.h"
#include "storage/value_check.h"

namespace wazenie {

WeighingParamsDialog::WeighingParamsDialog(std::filesystem::path data_dir, const Settings& settings,
                                           Dialogs& dialogs, RecipeEditorLauncher& editor,
                                           ClientChooser& clients)
    : data_dir_(std::move(data_dir)),
      settings_(settings),
      dialogs_(dialogs),
      editor_(editor),
      clients_(clients) {}

void WeighingParamsDialog::open(const recipe_record& r) {
    fill_names();
    select_exact(r.recipe_name);
    if (!selected_ && !names_.empty()) {
        selected_ = 0;
    }
    total_text_ = total_for_field(r.recipe_total_weight);
    client_ = r.recipe_client;
}

void WeighingParamsDialog::fill_names() {
    names_ = read_recipe_names(data_dir_);
    std::stable_sort(names_.begin(), names_.end(),
                     [](const std::string& a, const std::string& b) { return polish_less(a, b); });
    selected_.reset();
}

void WeighingParamsDialog::select_exact(const std::string& name) {
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found != names_.end()) {
        selected_ = static_cast<int>(found - names_.begin());
    } else {
        selected_.reset();
    }
}

std::string WeighingParamsDialog::total_for_field(double total) const {
    return fixed_text(total, settings_.total_precision);
}

void WeighingParamsDialog::choose_recipe(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        return;
    }
    selected_ = index;
    // A missing recipe file keeps the total the field holds.
    if (auto total = recipe_total(data_dir_, names_[static_cast<std::size_t>(index)])) {
        total_text_ = total_for_field(*total);
    }
}

bool WeighingParamsDialog::choose_recipe(const std::string& name) {
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end()) {
        return false;
    }
    choose_recipe(static_cast<int>(found - names_.begin()));
    return true;
}

bool WeighingParamsDialog::leave_total() {
    if (parse_decimal(total_text_)) {
        return true;
    }
    dialogs_.error(std::string(kBadValueMessage));
    return false;
}

void WeighingParamsDialog::recipe_base() {
    auto choice = editor_.open_recipe_editor();
    if (!choice) {
        return;
    }
    fill_names();
    select_exact(choice->recipe_name);
    if (selected_) {
        total_text_ = choice->total_text;
    }
}

void WeighingParamsDialog::client_base() {
    if (auto chosen = clients_.choose_client()) {
        client_ = *chosen;
    }
}

WeighingParams WeighingParamsDialog::values() const {
    WeighingParams params;
    if (selected_) {
        params.recipe_name = names_[static_cast<std::size_t>(*selected_)];
    }
    params.total_text = total_text_;
    params.client = client_;
    return params;
}

ParamsOutcome WeighingParamsConfirmation::run(
    const std::function<std::optional<WeighingParams>()>& show_dialog) {
    const recipe_record& r = station_.process().r;
    if (r.start_time != 0 && r.stop_time == 0) {
        dialogs_.warning(
            "Proces naważania nie został zakończony.\rNaciśnij STOP aby zakończyć aktualny proces "
            "naważania.");
        return ParamsOutcome::process_running;
    }
    auto params = show_dialog();
    if (!params) {
        return ParamsOutcome::cancelled;
    }
    return confirm(*params);
}

ParamsOutcome WeighingParamsConfirmation::confirm(const WeighingParams& params) {
    // Worked out on a copy, so a refusal leaves the process exactly as it was.
    auto prepared = prepare_weighing(station_.process(), params, station_.data_dir(), dialogs_);
    if (!prepared) {
        return ParamsOutcome::refused;
    }
    station_.load_weighing_params(prepared->process, std::move(prepared->dry));
    if (prepared->process.r.total_cycle_init > kCycles) {
        dialogs_.error("Maksymalna ilość cykli to: " + std::to_string(kCycles));
    }
    return ParamsOutcome::accepted;
}

}  // namespace wazenie
