#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/dialogs.h"
#include "core/process_records.h"

namespace wazenie {

// The three fields of "Parametry naważania" as they are confirmed.
struct WeighingParams {
    std::string recipe_name;
    std::string total_text;
    std::string client;
};

inline constexpr const char* kNoRecipeMessage = "Żadna receptura nie została wskazana!";

// The process the parameters define, worked out on a copy of `p`: the recipe and the client loaded,
// split into cycles (r.total_cycle_init holds the split's count, r.total_cycle at most 9) and set back
// to its first cycle. Nothing when a value is wrong; its message has been shown.
std::optional<ProcessState> prepare_weighing(const ProcessState& p, const WeighingParams& params,
                                             const std::filesystem::path& data_dir, Dialogs& dialogs);

}  // namespace wazenie
