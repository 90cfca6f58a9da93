#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/indexed_array.h"
#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// The recipe file `receptury.txt` in the data directory: four lines per recipe (scales 1 to 4), each
// "name \t wagaN" followed by seven (material, mass) slots, 16 fields in all. Masses are kept as the text
// they were entered with; nothing here keeps the file open.

// One row of the editor's material list of a scale: "k.", the material, the mass text, the percentage.
struct MaterialRow {
    std::string number;
    std::string name;
    std::string mass;
    std::string percent;

    bool operator==(const MaterialRow&) const = default;
};

using MaterialList = std::vector<MaterialRow>;
using RecipeLists = IndexedArray<MaterialList, kScales>;

struct RecipeTotal {
    std::string name;
    double total = 0;

    bool operator==(const RecipeTotal&) const = default;
};

std::filesystem::path recipe_file_path(const std::filesystem::path& data_dir);

// Names of the "waga1" lines in file order; empty when the file is missing.
std::vector<std::string> read_recipe_names(const std::filesystem::path& data_dir);

// (name, total) for every "waga1" line, summed over that line and the lines right after it that belong
// to the same recipe (at most four in all). A mass that is not a number counts as 0.
std::vector<RecipeTotal> read_recipe_totals(const std::filesystem::path& data_dir);

// The total of the last recipe of that name (0 when there is none); nothing when the file is missing,
// so that the caller keeps the value it had.
std::optional<double> recipe_total(const std::filesystem::path& data_dir, const std::string& name);

enum class RecipeLoad {
    loaded,        // the recipe's lines were found and loaded
    not_found,     // no line of that name: the four scales now hold no materials
    missing_file,  // no recipe file: nothing changed
    bad_mass,      // a material's mass is not a number, or is empty or negative: nothing changed
};

// Loads the recipe's materials (material_name, recipe_total_weight, max_material) into p.w[1..4].
// All four scales are cleared first, so a scale without a line of this recipe ends with no materials;
// only lines whose name equals `name` exactly count, wherever they stand. With missing_file or bad_mass
// nothing at all is changed, so the caller can refuse the process cleanly.
RecipeLoad load_recipe(ProcessState& p, const std::filesystem::path& data_dir, const std::string& name);

// "Błędna masa w recepturze: " + name, for the caller that refuses a recipe after bad_mass.
std::string bad_mass_message(const std::string& name);

// The editor's four lists for the recipe, with the percentages computed; empty lists when the file or the
// recipe is missing. Slots without a material name are skipped.
RecipeLists load_recipe_lists(const std::filesystem::path& data_dir, const std::string& name);

// Recomputes every row's percentage of the sum of all four lists ("0.0" when that sum is 0). A mass that
// is not a number counts as 0.
void compute_percentages(RecipeLists& lists);

// Sum of the masses of all rows; a mass that is not a number counts as 0.
double lists_total(const RecipeLists& lists);

// Rewrites the recipe file through the work file `pomiary_tmp.txt`, renamed over it at the end:
//   add:    old_name empty,      new_name the new name  -> four lines of `lists` appended
//   copy:   old_name the source, new_name the new name  -> every line kept, four lines of `lists` appended
//   save:   old_name == new_name                        -> the recipe's lines removed, four new appended
//   delete: old_name the recipe, new_name empty         -> the recipe's lines removed
// The recipe file is never created. On failure the file is as it was and the error's `what` is the
// message to show the operator.
Status store_recipe(const std::filesystem::path& data_dir, const std::string& old_name,
                    const std::string& new_name, const RecipeLists& lists);

}  // namespace wazenie
