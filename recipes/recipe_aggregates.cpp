#include "recipes/recipe_aggregates.h"

#include <algorithm>

#include "recipes/entered_name.h"
#include "recipes/recipe_file.h"
#include "storage/material_kinds.h"

namespace wazenie {

std::vector<RecipeAggregate> recipe_aggregates(const std::filesystem::path& data_dir,
                                               const std::string& recipe_name) {
    std::vector<RecipeAggregate> aggregates;
    const MaterialKinds kinds = material_kinds_in(data_dir);
    if (kinds.entries().empty()) {
        return aggregates;
    }
    const auto moisture = read_moisture(moisture_path(data_dir));
    const RecipeLists lists = load_recipe_lists(data_dir, recipe_name);
    for (int s = 1; s <= kScales; ++s) {
        for (const MaterialRow& row : lists[s]) {
            const bool listed = std::any_of(
                aggregates.begin(), aggregates.end(),
                [&](const RecipeAggregate& a) { return same_name_ignoring_case(a.name, row.name); });
            if (listed || kinds.of(row.name) != MaterialKind::aggregate) {
                continue;
            }
            const MoistureEntry* entry = moisture ? moisture->table.find(row.name) : nullptr;
            aggregates.push_back({row.name, entry ? std::optional(*entry) : std::nullopt});
        }
    }
    return aggregates;
}

}  // namespace wazenie
