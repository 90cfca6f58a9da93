#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/result.h"

namespace wazenie {

// What a delivery document of designed concrete states about the recipe. Every field may be left out;
// a recipe without a description prints as it always did.
struct RecipeDescription {
    std::string klasa;              // strength class, "C25/30"
    std::string ekspozycja;         // exposure classes, "XC2, XF1"
    std::string chlorki;            // chloride class, "Cl 0,20"
    std::string konsystencja;       // consistence, "S3"
    std::optional<double> dmax;     // largest aggregate size, mm
    std::optional<double> wc_maks;  // the highest water/cement ratio allowed
    std::optional<double> gestosc;  // density of the fresh concrete, kg/m³

    bool empty() const { return *this == RecipeDescription{}; }
    bool operator==(const RecipeDescription&) const = default;
};

// The descriptions given to recipe names; names are compared trimmed and without regard to case.
class RecipeDescriptions {
public:
    // An empty description when the recipe has none.
    RecipeDescription of(std::string_view recipe) const;
    // An empty description takes the recipe off the list.
    void set(std::string_view recipe, const RecipeDescription& description);
    const std::vector<std::pair<std::string, RecipeDescription>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, RecipeDescription>> entries_;
};

// The "key=value" fields of a description, each after a tab ("" when it is empty), and their reading
// back from such a text: false when a field does not read (see the file below).
std::string description_fields(const RecipeDescription& description);
bool read_description_fields(std::string_view fields, RecipeDescription& description);

// data_dir / "receptury_opis.txt": a line a recipe, its name and then "key=value" fields, tab-separated
// (klasa, ekspozycja, chlorki, konsystencja, dmax, wc_maks, gestosc; numbers with a point, a comma read
// too), an empty field left out. Windows-1250, CR LF.
std::filesystem::path recipe_descriptions_path(const std::filesystem::path& data_dir);

// A missing file gives none. A line without a name, a field without "=", a key not listed above or a
// number that does not read makes the line left out and named in `damaged`.
struct ReadRecipeDescriptions {
    RecipeDescriptions descriptions;
    std::vector<std::string> damaged;
};
Result<ReadRecipeDescriptions> read_recipe_descriptions(const std::filesystem::path& file);
// What a reader that only needs the descriptions gets: a file that cannot be read gives none.
RecipeDescriptions recipe_descriptions_in(const std::filesystem::path& data_dir);
// Rewritten atomically through "receptury_opis_tmp.txt" beside it.
Status save_recipe_descriptions(const std::filesystem::path& file, const RecipeDescriptions& descriptions);

}  // namespace wazenie
