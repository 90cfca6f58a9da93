#include "recipes/weighing_params.h"

#include <algorithm>

#include "clients/client_file.h"
#include "core/mass_operations.h"
#include "core/number_text.h"
#include "recipes/moisture_compensation.h"
#include "recipes/recipe_file.h"
#include "storage/value_check.h"

namespace wazenie {

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

std::optional<PreparedWeighing> prepare_weighing(const ProcessState& p, const WeighingParams& params,
                                                 const std::filesystem::path& data_dir, Dialogs& dialogs) {
    auto total = parse_decimal(params.total_text);
    if (!total || *total < 0) {
        dialogs.error(std::string(kBadValueMessage));
        return std::nullopt;
    }
    if (params.recipe_name.empty()) {
        dialogs.error(kNoRecipeMessage);
        return std::nullopt;
    }
    ProcessState q = p;
    q.r.cp_tick = 0;
    q.r.cp_time = 0;
    q.r.recipe_name = params.recipe_name;
    q.r.recipe_client = params.client;
    // No client chosen leaves the three fields empty.
    Client client =
        params.client.empty() ? Client{} : find_client(data_dir, params.client).value_or(Client{});
    q.r.client_full_name = client.full_name;
    q.r.client_address = client.address;
    q.r.client_nip = client.nip;
    q.r.recipe_total_weight = *total;
    switch (load_recipe(q, data_dir, params.recipe_name)) {
        case RecipeLoad::loaded:
            break;
        case RecipeLoad::bad_mass:
            dialogs.error(bad_mass_message(params.recipe_name));
            return std::nullopt;
        case RecipeLoad::not_found:
        case RecipeLoad::missing_file:
            dialogs.error(kNoRecipeMessage);
            return std::nullopt;
    }
    if (int s = scale_without_capacity(q)) {
        dialogs.error("Błędna maksymalna masa wagi " + std::to_string(s) + ": " +
                      std::to_string(q.w[s].max_weight) + " kg.");
        return std::nullopt;
    }
    scale_recipe_to_total(q);
    std::vector<DryTarget> dry;
    if (const MaterialKinds kinds = material_kinds_in(data_dir); moisture_counts(q, kinds, params.moisture)) {
        auto compensated = compensate_moisture(q, kinds, params.moisture);
        if (!compensated) {
            dialogs.error(compensated.error().what);
            return std::nullopt;
        }
        dry = std::move(*compensated);
    }
    int n = split_scaled_recipe(q);
    q.r.total_cycle_init = n;
    q.r.total_cycle = std::min(n, kCycles);
    restart_process(q);
    return PreparedWeighing{std::move(q), std::move(dry)};
}

}  // namespace wazenie
