#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/moisture.h"

namespace wazenie {

// An aggregate of a recipe with the moisture last given for it, if any.
struct RecipeAggregate {
    std::string name;
    std::optional<MoistureEntry> stored;

    bool operator==(const RecipeAggregate&) const = default;
};

// The materials of the recipe whose kind is kruszywo (dane/materialy_rodzaje.txt), each once, in the
// recipe's order from scale 1 on, with their entries of dane/wilgotnosc.txt. A file that cannot be read
// gives no kinds or no stored moisture; a recipe without aggregates of known kind gives none.
std::vector<RecipeAggregate> recipe_aggregates(const std::filesystem::path& data_dir,
                                               const std::string& recipe_name);

}  // namespace wazenie
