#include "recipes/weighing_params.h"

#include <algorithm>
#include <utility>

#include "clients/client_file.h"
#include "core/mass_operations.h"
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

WeighingParamsConfirmation::WeighingParamsConfirmation(std::filesystem::path data_dir,
                                                       const Settings& settings, Dialogs& dialogs,
                                                       Display& display, std::function<void()> save_status)
    : data_dir_(std::move(data_dir)),
      settings_(settings),
      dialogs_(dialogs),
      display_(display),
      save_status_(std::move(save_status)) {}

ParamsOutcome WeighingParamsConfirmation::run(
    ProcessState& p, const std::function<std::optional<WeighingParams>()>& show_dialog) {
    if (p.r.start_time != 0 && p.r.stop_time == 0) {
        dialogs_.warning(
            "Proces naważania nie został zakończony.\rNaciśnij STOP aby zakończyć aktualny proces "
            "naważania.");
        return ParamsOutcome::process_running;
    }
    auto params = show_dialog();
    if (!params) {
        return ParamsOutcome::cancelled;
    }
    return confirm(p, *params);
}

namespace {

// A scale that must hold a share needs a positive capacity, or the split would divide by it.
int scale_without_capacity(const ProcessState& p) {
    for (int s = 1; s <= kScales; ++s) {
        if (p.w[s].max_weight <= 0) {
            return s;
        }
    }
    return 0;
}

}  // namespace

ParamsOutcome WeighingParamsConfirmation::confirm(ProcessState& p, const WeighingParams& params) {
    // Everything is worked out on a copy, so a refusal leaves the process exactly as it was.
    auto total = parse_decimal(params.total_text);
    if (!total || *total < 0) {
        dialogs_.error(std::string(kBadValueMessage));
        return ParamsOutcome::refused;
    }
    if (params.recipe_name.empty()) {
        dialogs_.error(kNoRecipeMessage);
        return ParamsOutcome::refused;
    }
    ProcessState q = p;
    q.r.cp_tick = 0;
    q.r.cp_time = 0;
    q.r.recipe_name = params.recipe_name;
    q.r.recipe_client = params.client;
    // No client chosen leaves the three fields empty.
    Client client =
        params.client.empty() ? Client{} : find_client(data_dir_, params.client).value_or(Client{});
    q.r.client_full_name = client.full_name;
    q.r.client_address = client.address;
    q.r.client_nip = client.nip;
    q.r.recipe_total_weight = *total;
    switch (load_recipe(q, data_dir_, params.recipe_name)) {
        case RecipeLoad::loaded:
            break;
        case RecipeLoad::bad_mass:
            dialogs_.error(bad_mass_message(params.recipe_name));
            return ParamsOutcome::refused;
        case RecipeLoad::not_found:
        case RecipeLoad::missing_file:
            dialogs_.error(kNoRecipeMessage);
            return ParamsOutcome::refused;
    }
    if (int s = scale_without_capacity(q)) {
        dialogs_.error("Błędna maksymalna masa wagi " + std::to_string(s) + ": " +
                       std::to_string(q.w[s].max_weight) + " kg.");
        return ParamsOutcome::refused;
    }
    int n = split_into_cycles(q);
    q.r.total_cycle_init = n;
    q.r.total_cycle = std::min(n, kCycles);
    restart_process(q);
    p = std::move(q);
    if (save_status_) {
        save_status_();
    }
    display_.refresh_process();
    if (n > kCycles) {
        dialogs_.error("Maksymalna ilość cykli to: " + std::to_string(kCycles));
    }
    return ParamsOutcome::accepted;
}

}  // namespace wazenie
