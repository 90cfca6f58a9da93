#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/process_records.h"
#include "storage/batch_card.h"
#include "storage/moisture.h"

namespace wazenie {

// The three fields of "Parametry naważania" as they are confirmed.
struct WeighingParams {
    std::string recipe_name;
    std::string total_text;
    std::string client;
    // The moisture of the recipe's aggregates as confirmed; none counts as dry.
    MoistureTable moisture = {};
    // The truck and site, both optional.
    Delivery delivery = {};
};

// The process the parameters define and, when the moisture of its aggregates changed what the meters
// dose, what each material was asked for dry.
struct PreparedWeighing {
    ProcessState process;
    std::vector<DryTarget> dry;
};

inline constexpr const char* kNoRecipeMessage = "Żadna receptura nie została wskazana!";

// The process the parameters define, worked out on a copy of `p`: the recipe and the client loaded,
// scaled to the total, the moisture of the aggregates counted (see compensate_moisture; the kinds
// come from data_dir), split into cycles (r.total_cycle_init holds the split's count, r.total_cycle
// at most 9) and set back to its first cycle. Nothing when a value is wrong; its message has been shown.
std::optional<PreparedWeighing> prepare_weighing(const ProcessState& p, const WeighingParams& params,
                                                 const std::filesystem::path& data_dir, Dialogs& dialogs);

}  // namespace wazenie
