#include "windows/weighing_params_window.h"

#include <algorithm>
#include <utility>

#include "core/change_journal.h"
#include "core/number_text.h"
#include "core/trim.h"
#include "recipes/data_files.h"
#include "recipes/recipe_file.h"
#include "storage/date_time.h"
#include "storage/delivery_history.h"
#include "storage/text_helpers.h"
#include "storage/value_check.h"

namespace wazenie {

namespace {

// The entries of `confirmed` that differ from the file's (those typed now) go into it, and into the
// audit trail once written; a file they all equal is left untouched.
Status store_changed_moisture(const std::filesystem::path& file, const MoistureTable& confirmed,
                              ChangeJournal& changes) {
    if (confirmed.entries().empty()) {
        return {};
    }
    auto stored = read_moisture(file);
    if (!stored) {
        return stored.error();
    }
    std::vector<Change> changed;
    for (const MoistureEntry& entry : confirmed.entries()) {
        const MoistureEntry* kept = stored->table.find(entry.material);
        if (!kept || *kept != entry) {
            changed.push_back({"wilgotność", entry.material, kept ? moisture_text(kept->percent) : "",
                               moisture_text(entry.percent)});
            stored->table.set(entry);
        }
    }
    if (changed.empty()) {
        return {};
    }
    const Status saved = save_moisture(file, stored->table);
    if (saved) {
        for (const Change& change : changed) {
            changes.record(change);
        }
    }
    return saved;
}

}  // namespace

WeighingParamsDialog::WeighingParamsDialog(std::filesystem::path data_dir, const Settings& settings,
                                           Dialogs& dialogs, RecipeEditorLauncher& editor,
                                           ClientChooser& clients, const Clock& clock,
                                           std::string operator_name)
    : data_dir_(std::move(data_dir)),
      settings_(settings),
      dialogs_(dialogs),
      editor_(editor),
      clients_(clients),
      moisture_(data_dir_, settings, dialogs, clock, std::move(operator_name)) {}

void WeighingParamsDialog::open(const recipe_record& r) {
    fill_names();
    select_exact(r.recipe_name);
    if (!selected_ && !names_.empty()) {
        selected_ = 0;
    }
    total_text_ = total_for_field(r.recipe_total_weight);
    client_ = r.recipe_client;
    truck_.clear();
    site_.clear();
    show_aggregates();
    show_recent_deliveries();
}

// A history that cannot be read offers nothing; the fields take any text still.
void WeighingParamsDialog::show_recent_deliveries() {
    const auto history = read_delivery_history(delivery_history_path(data_dir_));
    const DeliveryHistory none;
    const DeliveryHistory& kept = history ? *history : none;
    recent_trucks_ = kept.recent(client_, DeliveryHistory::Kind::truck);
    recent_sites_ = kept.recent(client_, DeliveryHistory::Kind::site);
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

void WeighingParamsDialog::show_aggregates() {
    moisture_.show_recipe(selected_ ? names_[static_cast<std::size_t>(*selected_)] : std::string());
}

std::string WeighingParamsDialog::total_for_field(double total) const {
    return fixed_text(total, settings_.total_precision);
}

void WeighingParamsDialog::choose_recipe(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        return;
    }
    selected_ = index;
    show_aggregates();
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
    show_aggregates();
}

void WeighingParamsDialog::client_base() {
    if (auto chosen = clients_.choose_client()) {
        client_ = *chosen;
        show_recent_deliveries();
    }
}

WeighingParams WeighingParamsDialog::values() const {
    WeighingParams params;
    if (selected_) {
        params.recipe_name = names_[static_cast<std::size_t>(*selected_)];
    }
    params.total_text = total_text_;
    params.client = client_;
    params.moisture = moisture_.values();
    params.delivery = {std::string(trim(truck_)), std::string(trim(site_))};
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
    if (!old_moisture_accepted(params.moisture)) {
        return ParamsOutcome::refused;
    }
    // Worked out on a copy, so a refusal leaves the process exactly as it was.
    auto prepared = prepare_weighing(station_.process(), params, station_.data_dir(), dialogs_);
    if (!prepared) {
        return ParamsOutcome::refused;
    }
    station_.load_weighing_params(prepared->process, std::move(prepared->dry), params.delivery);
    store_moisture(params.moisture);
    store_delivery(prepared->process.r.recipe_client, params.delivery);
    if (prepared->process.r.total_cycle_init > kCycles) {
        dialogs_.error("Maksymalna ilość cykli to: " + std::to_string(kCycles));
    }
    return ParamsOutcome::accepted;
}

bool WeighingParamsConfirmation::old_moisture_accepted(const MoistureTable& moisture) {
    const DateTime now = clock_.now();
    std::optional<DateTime> oldest;
    for (const MoistureEntry& entry : moisture.entries()) {
        if (moisture_is_old(entry, now, station_.settings().moisture_valid_hours) &&
            (!oldest || entry.set_at < *oldest)) {
            oldest = entry.set_at;
        }
    }
    return !oldest || dialogs_.question("Wilgotność kruszyw nie była aktualizowana od " +
                                        file_date_time(*oldest) + ". Czy kontynuować?");
}

void WeighingParamsConfirmation::store_moisture(const MoistureTable& moisture) {
    const std::filesystem::path file = moisture_path(station_.data_dir());
    if (Status saved = store_changed_moisture(file, moisture, station_.changes()); !saved) {
        dialogs_.warning("Nie zapisano wilgotności kruszyw w pliku: " + file.string() + ".\r" + kWriteCause);
    }
}

// Only a truck or site typed writes the file, so a plant that never gives one has none.
void WeighingParamsConfirmation::store_delivery(const std::string& client, const Delivery& delivery) {
    if (delivery.empty()) {
        return;
    }
    const std::filesystem::path file = delivery_history_path(station_.data_dir());
    auto history = read_delivery_history(file);
    Status saved = history ? Status() : Status(history.error());
    if (history) {
        const bool truck = history->remember(client, DeliveryHistory::Kind::truck, delivery.truck);
        const bool site = history->remember(client, DeliveryHistory::Kind::site, delivery.site);
        if (truck || site) {
            saved = save_delivery_history(file, *history);
        }
    }
    if (!saved) {
        dialogs_.warning("Nie zapisano samochodu i budowy w pliku: " + file.string() + ".\r" + kWriteCause);
    }
}

}  // namespace wazenie
