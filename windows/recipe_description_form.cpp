#include "windows/recipe_description_form.h"

#include <algorithm>
#include <vector>

#include "core/number_text.h"
#include "core/trim.h"
#include "recipes/data_files.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

struct NumberRule {
    std::optional<double> RecipeDescription::*member;
    double lo;
    double hi;
    const char* message;
};

const NumberRule* rule_of(DescriptionField field) {
    static const NumberRule dmax{&RecipeDescription::dmax, 1, 125,
                                 "Dmax kruszywa musi być liczbą od 1 do 125 [mm]."};
    static const NumberRule wc{&RecipeDescription::wc_maks, 0.2, 1.2,
                               "w/c maks. musi być liczbą od 0,2 do 1,2."};
    static const NumberRule density{&RecipeDescription::gestosc, 1000, 3500,
                                    "Gęstość betonu musi być liczbą od 1000 do 3500 [kg/m³]."};
    switch (field) {
        case DescriptionField::dmax:
            return &dmax;
        case DescriptionField::wc_maks:
            return &wc;
        case DescriptionField::gestosc:
            return &density;
        default:
            return nullptr;
    }
}

std::string* text_member(RecipeDescription& d, DescriptionField field) {
    switch (field) {
        case DescriptionField::klasa:
            return &d.klasa;
        case DescriptionField::ekspozycja:
            return &d.ekspozycja;
        case DescriptionField::chlorki:
            return &d.chlorki;
        case DescriptionField::konsystencja:
            return &d.konsystencja;
        default:
            return nullptr;
    }
}

// Nothing for an empty field; false in `read` when the text is no number of the range.
std::optional<double> number_in(const std::string& text, const NumberRule& rule, bool& read) {
    read = true;
    if (trim(text).empty()) {
        return std::nullopt;
    }
    const auto value = parse_decimal(trim(text));
    read = value && *value >= rule.lo && *value <= rule.hi;
    return read ? value : std::nullopt;
}

}  // namespace

void RecipeDescriptionForm::show(const RecipeDescription& description) {
    RecipeDescription d = description;
    for (std::size_t k = 0; k < kDescriptionFields; ++k) {
        const auto field = static_cast<DescriptionField>(k);
        if (const NumberRule* rule = rule_of(field)) {
            const auto& value = d.*(rule->member);
            texts_[k] = value ? general_text(*value) : "";
        } else {
            texts_[k] = *text_member(d, field);
        }
    }
}

bool RecipeDescriptionForm::leave(DescriptionField field, Dialogs& dialogs) const {
    const NumberRule* rule = rule_of(field);
    bool read = true;
    if (rule) {
        number_in(text(field), *rule, read);
    }
    if (!read) {
        dialogs.error(rule->message);
    }
    return read;
}

std::optional<RecipeDescription> RecipeDescriptionForm::description(Dialogs& dialogs) const {
    RecipeDescription d;
    for (std::size_t k = 0; k < kDescriptionFields; ++k) {
        const auto field = static_cast<DescriptionField>(k);
        if (!leave(field, dialogs)) {
            return std::nullopt;
        }
        if (const NumberRule* rule = rule_of(field)) {
            bool read = true;
            d.*(rule->member) = number_in(texts_[k], *rule, read);
        } else {
            *text_member(d, field) = std::string(trim(texts_[k]));
        }
    }
    return d;
}

namespace {

// One line for each recipe whose description is no longer what it was, its fields as the file holds them.
void record_changes(const RecipeDescriptions& before, const RecipeDescriptions& after,
                    ChangeJournal& changes) {
    std::vector<std::string> recipes;
    for (const auto* list : {&before, &after}) {
        for (const auto& entry : list->entries()) {
            if (std::none_of(recipes.begin(), recipes.end(),
                             [&](const std::string& r) { return same_material_name(r, entry.first); })) {
                recipes.push_back(entry.first);
            }
        }
    }
    // "klasa=C25/30; dmax=16": the file's fields, which are tab-separated, in one field of the trail.
    const auto text = [](const RecipeDescription& d) {
        std::string fields = description_fields(d);
        for (auto tab = fields.find('\t'); tab != std::string::npos; tab = fields.find('\t', tab)) {
            fields.replace(tab, 1, tab == 0 ? "" : "; ");
        }
        return fields;
    };
    for (const std::string& recipe : recipes) {
        const RecipeDescription was = before.of(recipe);
        const RecipeDescription is = after.of(recipe);
        if (was != is) {
            changes.record({"opis receptury", recipe, text(was), text(is)});
        }
    }
}

}  // namespace

bool change_recipe_descriptions(const std::filesystem::path& data_dir, Dialogs& dialogs,
                                ChangeJournal& changes,
                                const std::function<void(RecipeDescriptions&)>& change) {
    const std::filesystem::path file = recipe_descriptions_path(data_dir);
    auto read = read_recipe_descriptions(file);
    Status saved = read ? Status() : Status(read.error());
    if (read) {
        RecipeDescriptions changed = read->descriptions;
        change(changed);
        if (changed.entries() != read->descriptions.entries()) {
            saved = save_recipe_descriptions(file, changed);
        }
        if (saved) {
            record_changes(read->descriptions, changed, changes);
        }
    }
    if (!saved) {
        dialogs.error("Nie zapisano opisu receptury w pliku: " + file.string() + ".\r" + kWriteCause);
    }
    return saved.ok();
}

}  // namespace wazenie
