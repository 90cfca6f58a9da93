#include "recipes/recipe_file.h"

#include "core/number_text.h"
#include "recipes/data_files.h"
#include "recipes/recipe_line.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

const char* const kRecipeFileName = "receptury.txt";

// Masses in totals: an empty field or a text that is not a number counts as 0.
double mass_or_zero(const std::string& text) {
    return parse_decimal(empty_to_zero(text)).value_or(0);
}

double line_total(const std::string& line) {
    double total = 0;
    for (int k = 1; k <= kMaterials; ++k) {
        total += mass_or_zero(tab_field(line, mass_field(k)));
    }
    return total;
}

std::optional<std::vector<std::string>> read_recipe_lines(const std::filesystem::path& data_dir) {
    auto lines = text_file::read_lines(recipe_file_path(data_dir));
    if (!lines) {
        return std::nullopt;
    }
    return std::move(lines.value());
}

// Calls visit(name, total) for every recipe that begins with a "waga1" line. Only the lines right after
// it that carry the same name and another scale's tag count, so a damaged file cannot lend one recipe
// the masses of the next.
template <typename Visit>
void for_each_recipe_total(const std::vector<std::string>& lines, Visit visit) {
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string& first = lines[i];
        ++i;
        if (line_scale(first) != 1) {
            continue;
        }
        std::string name = tab_field(first, 0);
        double total = line_total(first);
        for (int taken = 1; taken < kScales && i < lines.size(); ++taken, ++i) {
            int scale = line_scale(lines[i]);
            if (scale < 2 || tab_field(lines[i], 0) != name) {
                break;
            }
            total += line_total(lines[i]);
        }
        visit(name, total);
    }
}

std::string recipe_file_text() {
    return std::string("dane/") + kRecipeFileName;
}

Error failure(std::string message, const std::filesystem::path& where) {
    return Error{std::move(message), where.string(), 0};
}

}  // namespace

std::filesystem::path recipe_file_path(const std::filesystem::path& data_dir) {
    return data_dir / kRecipeFileName;
}

std::vector<std::string> read_recipe_names(const std::filesystem::path& data_dir) {
    std::vector<std::string> names;
    auto lines = read_recipe_lines(data_dir);
    if (!lines) {
        return names;
    }
    for (const std::string& line : *lines) {
        if (line_scale(line) == 1) {
            names.push_back(tab_field(line, 0));
        }
    }
    return names;
}

std::vector<RecipeTotal> read_recipe_totals(const std::filesystem::path& data_dir) {
    std::vector<RecipeTotal> totals;
    auto lines = read_recipe_lines(data_dir);
    if (lines) {
        for_each_recipe_total(*lines, [&](const std::string& name, double total) {
            totals.push_back({name, total});
        });
    }
    return totals;
}

std::optional<double> recipe_total(const std::filesystem::path& data_dir, const std::string& name) {
    auto lines = read_recipe_lines(data_dir);
    if (!lines) {
        return std::nullopt;
    }
    double found = 0;
    for_each_recipe_total(*lines, [&](const std::string& recipe, double total) {
        if (recipe == name) {
            found = total;
        }
    });
    return found;
}

RecipeLoad load_recipe(ProcessState& p, const std::filesystem::path& data_dir, const std::string& name) {
    auto lines = read_recipe_lines(data_dir);
    if (!lines) {
        return RecipeLoad::missing_file;
    }
    // Built aside and copied in only when every mass is sound, so a refusal changes nothing.
    Scales loaded = p.w;
    for (weight_record& scale : loaded) {
        scale.max_material = 0;
        for (material_record& material : scale.m) {
            material.material_name.clear();
            material.recipe_total_weight = 0;
        }
    }
    bool found = false;
    for (const std::string& line : *lines) {
        int s = line_scale(line);
        if (s == 0 || tab_field(line, 0) != name) {
            continue;
        }
        found = true;
        weight_record& scale = loaded[s];
        scale.max_material = 0;
        for (int k = 1; k <= kMaterials; ++k) {
            material_record& material = scale.m[k];
            material.material_name = tab_field(line, name_field(k));
            material.recipe_total_weight = 0;
            if (material.material_name.empty()) {
                continue;
            }
            std::optional<double> mass = parse_decimal(tab_field(line, mass_field(k)));
            if (!mass || *mass < 0) {
                return RecipeLoad::bad_mass;
            }
            material.recipe_total_weight = *mass;
            scale.max_material = k;
        }
    }
    p.w = loaded;
    return found ? RecipeLoad::loaded : RecipeLoad::not_found;
}

std::string bad_mass_message(const std::string& name) {
    return "Błędna masa w recepturze: " + name;
}

RecipeLists load_recipe_lists(const std::filesystem::path& data_dir, const std::string& name) {
    RecipeLists lists;
    auto lines = read_recipe_lines(data_dir);
    if (!lines) {
        return lists;
    }
    for (const std::string& line : *lines) {
        int s = line_scale(line);
        if (s == 0 || tab_field(line, 0) != name) {
            continue;
        }
        MaterialList& list = lists[s];
        list.clear();
        for (int k = 1; k <= kMaterials; ++k) {
            std::string material = tab_field(line, name_field(k));
            if (!material.empty()) {
                list.push_back({row_number(list.size() + 1), material, tab_field(line, mass_field(k)), "0"});
            }
        }
    }
    compute_percentages(lists);
    return lists;
}

double lists_total(const RecipeLists& lists) {
    double total = 0;
    for (const MaterialList& list : lists) {
        for (const MaterialRow& row : list) {
            total += mass_or_zero(row.mass);
        }
    }
    return total;
}

void compute_percentages(RecipeLists& lists) {
    double total = lists_total(lists);
    for (MaterialList& list : lists) {
        for (MaterialRow& row : list) {
            row.percent = total == 0 ? "0.0" : fixed_text(mass_or_zero(row.mass) * 100 / total, 1);
        }
    }
}

Status store_recipe(const std::filesystem::path& data_dir, const std::string& old_name,
                    const std::string& new_name, const RecipeLists& lists) {
    auto read = text_file::read_lines(recipe_file_path(data_dir));
    if (!read) {
        if (read.error().what == "missing") {
            return failure(
                "Brak pliku z recepturami: " + recipe_file_text() + ".\rReceptura nie została zapisana.",
                recipe_file_path(data_dir));
        }
        return failure(
            "Błąd przy odczycie pliku: " + recipe_file_text() + ".\rReceptura nie została zapisana.",
            recipe_file_path(data_dir));
    }
    bool drop_old = !old_name.empty() && (new_name == old_name || new_name.empty());
    std::vector<std::string> lines;
    lines.reserve(read->size() + kScales);
    for (std::string& line : read.value()) {
        if (!(drop_old && tab_field(line, 0) == old_name)) {
            lines.push_back(std::move(line));
        }
    }
    if (!new_name.empty()) {
        for (int s = 1; s <= kScales; ++s) {
            lines.push_back(recipe_line(new_name, s, lists[s]));
        }
    }
    Status written =
        text_file::replace_atomically(recipe_file_path(data_dir), data_dir / kWorkFileName, lines);
    if (!written) {
        if (written.error().what == "rename") {
            return failure("Błąd przy zapisie do pliku: " + recipe_file_text() + ".\r" + kWriteCause,
                           recipe_file_path(data_dir));
        }
        return failure(std::string("Błąd przy zapisie do pliku tymczasowego: dane/") + kWorkFileName + ".\r" +
                           kWriteCause,
                       data_dir / kWorkFileName);
    }
    return {};
}

}  // namespace wazenie
