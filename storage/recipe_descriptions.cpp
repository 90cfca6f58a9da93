#include "storage/recipe_descriptions.h"

#include <algorithm>
#include <array>

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {
namespace {

using TextField = std::string RecipeDescription::*;
using NumberField = std::optional<double> RecipeDescription::*;

constexpr std::array<std::pair<std::string_view, TextField>, 4> kTextFields = {{
    {"klasa", &RecipeDescription::klasa},
    {"ekspozycja", &RecipeDescription::ekspozycja},
    {"chlorki", &RecipeDescription::chlorki},
    {"konsystencja", &RecipeDescription::konsystencja},
}};
constexpr std::array<std::pair<std::string_view, NumberField>, 3> kNumberFields = {{
    {"dmax", &RecipeDescription::dmax},
    {"wc_maks", &RecipeDescription::wc_maks},
    {"gestosc", &RecipeDescription::gestosc},
}};

// One "key=value" field into `d`; false when it does not read.
bool read_field(std::string_view field, RecipeDescription& d) {
    const auto equals = field.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view key = trim(field.substr(0, equals));
    const std::string_view value = trim(field.substr(equals + 1));
    for (const auto& [name, member] : kTextFields) {
        if (key == name) {
            d.*member = std::string(value);
            return true;
        }
    }
    for (const auto& [name, member] : kNumberFields) {
        if (key == name) {
            d.*member = parse_decimal(value);
            return (d.*member).has_value();
        }
    }
    return false;
}

}  // namespace

std::string description_fields(const RecipeDescription& d) {
    std::string line;
    for (const auto& [name, member] : kTextFields) {
        if (!(d.*member).empty()) {
            line += '\t' + std::string(name) + '=' + clean_field(d.*member);
        }
    }
    for (const auto& [name, member] : kNumberFields) {
        if (d.*member) {
            line += '\t' + std::string(name) + '=' + general_text(*(d.*member));
        }
    }
    return line;
}

bool read_description_fields(std::string_view fields, RecipeDescription& description) {
    for (std::size_t start = 0; start < fields.size();) {
        if (fields[start] != '\t') {
            return false;
        }
        const auto end = std::min(fields.find('\t', start + 1), fields.size());
        if (!read_field(fields.substr(start + 1, end - start - 1), description)) {
            return false;
        }
        start = end;
    }
    return true;
}

RecipeDescription RecipeDescriptions::of(std::string_view recipe) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return same_material_name(entry.first, recipe); });
    return it == entries_.end() ? RecipeDescription{} : it->second;
}

void RecipeDescriptions::set(std::string_view recipe, const RecipeDescription& description) {
    std::erase_if(entries_, [&](const auto& entry) { return same_material_name(entry.first, recipe); });
    if (!description.empty() && !trim(recipe).empty()) {
        entries_.emplace_back(std::string(trim(recipe)), description);
    }
}

std::filesystem::path recipe_descriptions_path(const std::filesystem::path& data_dir) {
    return data_dir / "receptury_opis.txt";
}

Result<ReadRecipeDescriptions> read_recipe_descriptions(const std::filesystem::path& file) {
    ReadRecipeDescriptions out;
    const Status read = text_file::read_data_lines(file, out.damaged, [&](const std::string& line) {
        const std::string_view text = line;
        const auto first_tab = std::min(text.find('\t'), text.size());
        const std::string name(trim(text.substr(0, first_tab)));
        RecipeDescription description;
        if (name.empty() || !read_description_fields(text.substr(first_tab), description)) {
            return false;
        }
        out.descriptions.set(name, description);
        return true;
    });
    if (!read) {
        return read.error();
    }
    return out;
}

RecipeDescriptions recipe_descriptions_in(const std::filesystem::path& data_dir) {
    auto read = read_recipe_descriptions(recipe_descriptions_path(data_dir));
    return read ? std::move(read->descriptions) : RecipeDescriptions{};
}

Status save_recipe_descriptions(const std::filesystem::path& file, const RecipeDescriptions& descriptions) {
    std::vector<std::string> lines;
    for (const auto& [recipe, description] : descriptions.entries()) {
        lines.push_back(clean_field(recipe) + description_fields(description));
    }
    return text_file::replace_atomically(file, file.parent_path() / "receptury_opis_tmp.txt", lines);
}

}  // namespace wazenie
