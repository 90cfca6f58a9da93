#include "windows/recipe_editor_window.h"

#include <algorithm>

#include "core/number_text.h"
#include "recipes/entered_name.h"
#include "recipes/recipe_change.h"
#include "recipes/recipe_line.h"
#include "storage/text_helpers.h"
#include "storage/value_check.h"
#include "windows/rights.h"

namespace wazenie {

namespace {

const char* const kNoRecipe = "Żadna receptura nie została wskazana!";
const char* const kNoMaterial = "Żadna substancja nie została wskazana!";

void renumber(MaterialList& list) {
    for (std::size_t k = 0; k < list.size(); ++k) {
        list[k].number = row_number(k + 1);
    }
}

RowIndex row_at_or_last(std::size_t row, std::size_t size) {
    return size == 0 ? RowIndex() : RowIndex(std::min(row, size - 1));
}

}  // namespace

RecipeEditor::RecipeEditor(Dialogs& dialogs, MaterialChooser& materials, std::filesystem::path data_dir,
                           const Settings& settings, const Scales& w, const std::string& operator_name,
                           ChangeJournal& changes)
    : dialogs_(dialogs),
      materials_(materials),
      data_dir_(std::move(data_dir)),
      settings_(settings),
      w_(w),
      may_modify_(may_change_recipes(settings, operator_name)),
      changes_(changes) {}

std::string RecipeEditor::total_text(double total) const {
    return fixed_text(total, settings_.total_precision);
}

void RecipeEditor::open(const std::string& shown_recipe) {
    mode_ = Mode::browse;
    recipes_.clear();
    for (const RecipeTotal& recipe : read_recipe_totals(data_dir_)) {
        recipes_.push_back({recipe.name, total_text(recipe.total)});
    }
    std::stable_sort(recipes_.begin(), recipes_.end(),
                     [](const RecipeRow& a, const RecipeRow& b) { return polish_less(a.name, b.name); });
    select_recipe(recipes_.empty() ? RowIndex() : RowIndex(0));
    if (!shown_recipe.empty()) {
        for (std::size_t i = 0; i < recipes_.size(); ++i) {
            if (same_name_ignoring_case(recipes_[i].name, shown_recipe)) {
                select_recipe(i);
                break;
            }
        }
    }
    focus_ = 0;
}

void RecipeEditor::select_recipe(RowIndex row) {
    if (mode_ != Mode::browse) {
        return;
    }
    selected_ = row && *row < recipes_.size() ? row : RowIndex();
    lists_ = selected_ ? load_recipe_lists(data_dir_, recipes_[*selected_].name) : RecipeLists();
    material_selected_ = {};
    description_.show(selected_ ? recipe_descriptions_in(data_dir_).of(recipes_[*selected_].name)
                                : RecipeDescription{});
}

void RecipeEditor::type_description(DescriptionField field, std::string text) {
    if (description_enabled()) {
        description_.type(field, std::move(text));
    }
}

bool RecipeEditor::leave_description(DescriptionField field) {
    return !description_enabled() || description_.leave(field, dialogs_);
}

void RecipeEditor::select_material(int scale, RowIndex row) {
    if (!RecipeLists::in_range(scale)) {
        return;
    }
    material_selected_[scale] = row && *row < lists_[scale].size() ? row : RowIndex();
}

RowIndex RecipeEditor::selected_material(int scale) const {
    return RecipeLists::in_range(scale) ? material_selected_[scale] : RowIndex();
}

std::optional<RecipeRow> RecipeEditor::selected_row() const {
    if (!selected_) {
        return std::nullopt;
    }
    return recipes_[*selected_];
}

std::string RecipeEditor::max_weight_label(int scale) const {
    if (!Scales::in_range(scale)) {
        return {};
    }
    return "maks. " + std::to_string(w_[scale].max_weight) + " kg";
}

bool RecipeEditor::has_recipe(const std::string& name) const {
    return std::any_of(recipes_.begin(), recipes_.end(),
                       [&](const RecipeRow& row) { return same_name_ignoring_case(row.name, name); });
}

// The new name, or empty when the operator gave none or it is taken (the refusal then shown).
std::string RecipeEditor::ask_new_name(const char* caption) {
    std::string name =
        entered_name(dialogs_.ask_value({caption, "Podaj nazwę nowej receptury:", "", "string", false}));
    if (!name.empty() && has_recipe(name)) {
        dialogs_.error("Receptura o podanej nazwie już istnieje!");
        return {};
    }
    return name;
}

void RecipeEditor::insert_recipe(RecipeRow row) {
    auto place =
        std::upper_bound(recipes_.begin(), recipes_.end(), row,
                         [](const RecipeRow& a, const RecipeRow& b) { return polish_less(a.name, b.name); });
    place = recipes_.insert(place, std::move(row));
    select_recipe(static_cast<std::size_t>(place - recipes_.begin()));
    focus_ = 0;
}

bool RecipeEditor::recipe_selected_in(Mode mode) {
    if (mode_ != mode) {
        return false;
    }
    if (!selected_) {
        dialogs_.error(kNoRecipe);
        return false;
    }
    return true;
}

bool RecipeEditor::store(const std::string& old_name, const std::string& new_name, const RecipeLists& lists) {
    const RecipeLists before = old_name.empty() ? RecipeLists() : load_recipe_lists(data_dir_, old_name);
    Status stored = store_recipe(data_dir_, old_name, new_name, lists);
    if (!stored) {
        dialogs_.error(stored.error().what);
    } else {
        changes_.record(recipe_change(old_name, new_name, before, lists));
    }
    return stored.ok();
}

// The list changes only after the file has, so it never shows a recipe the file does not hold.
void RecipeEditor::add_recipe() {
    if (mode_ != Mode::browse) {
        return;
    }
    std::string name = ask_new_name("Nowa receptura");
    if (name.empty()) {
        return;
    }
    if (!store("", name, RecipeLists())) {
        return;
    }
    insert_recipe({name, total_text(0)});
}

void RecipeEditor::delete_recipe() {
    if (!recipe_selected_in(Mode::browse)) {
        return;
    }
    std::size_t row = *selected_;
    const std::string name = recipes_[row].name;
    if (!dialogs_.question("Czy napewno usunąć recepturę: \"" + name + "\"?")) {
        focus_ = 0;
        return;
    }
    if (!store(name, "", RecipeLists())) {
        return;
    }
    change_recipe_descriptions(data_dir_, dialogs_, changes_,
                               [&](RecipeDescriptions& d) { d.set(name, {}); });
    recipes_.erase(recipes_.begin() + static_cast<std::ptrdiff_t>(row));
    select_recipe(row_at_or_last(row, recipes_.size()));
}

void RecipeEditor::copy_recipe() {
    if (!recipe_selected_in(Mode::browse)) {
        return;
    }
    const RecipeRow source = recipes_[*selected_];
    std::string name = ask_new_name("Kopiowanie receptury");
    if (name.empty()) {
        return;
    }
    if (!store(source.name, name, lists_)) {
        return;
    }
    change_recipe_descriptions(data_dir_, dialogs_, changes_,
                               [&](RecipeDescriptions& d) { d.set(name, d.of(source.name)); });
    insert_recipe({name, source.total});
}

void RecipeEditor::modify() {
    if (!may_modify_ || !recipe_selected_in(Mode::browse)) {
        return;
    }
    mode_ = Mode::modify;
}

void RecipeEditor::save() {
    if (!recipe_selected_in(Mode::modify)) {
        return;
    }
    const std::optional<RecipeDescription> description = description_.description(dialogs_);
    if (!description) {
        return;
    }
    RecipeRow& row = recipes_[*selected_];
    // A failed save stays in modify mode with the lists as they are, so the operator can try again.
    if (!store(row.name, row.name, lists_)) {
        return;
    }
    row.total = total_text(lists_total(lists_));
    if (!change_recipe_descriptions(data_dir_, dialogs_, changes_,
                                    [&](RecipeDescriptions& d) { d.set(row.name, *description); })) {
        return;
    }
    mode_ = Mode::browse;
    focus_ = 0;
}

std::optional<std::string> RecipeEditor::ask_mass(int scale, const char* prompt, const std::string& initial) {
    std::string answer = dialogs_.ask_value({"Masa", prompt, initial, "float", false});
    if (answer.empty()) {
        return std::nullopt;
    }
    // A negative mass would reach the meter as malformed digits.
    std::optional<double> mass = parse_decimal(answer);
    if (!mass || *mass < 0) {
        dialogs_.error(std::string(kBadValueMessage));
        return std::nullopt;
    }
    int precision = std::clamp(w_[scale].precision, 0, 3);
    return fixed_text(round_to(*mass, precision) + 0.0, precision);
}

MaterialList* RecipeEditor::material_target(int scale, bool needs_row) {
    if (mode_ != Mode::modify || !RecipeLists::in_range(scale)) {
        return nullptr;
    }
    if (needs_row && !material_selected_[scale]) {
        dialogs_.error(kNoMaterial);
        return nullptr;
    }
    return &lists_[scale];
}

void RecipeEditor::add_material(int scale) {
    MaterialList* list = material_target(scale, false);
    if (!list) {
        return;
    }
    std::optional<std::string> material = materials_.choose_material();
    if (!material) {
        return;
    }
    std::optional<std::string> mass = ask_mass(scale, "Podaj masę substancji [kg]:", "");
    if (!mass) {
        return;
    }
    if (list->size() >= static_cast<std::size_t>(kMaterials)) {
        dialogs_.error("Nie można dodać więcej substancji!");
        return;
    }
    list->push_back({row_number(list->size() + 1), *material, *mass, "0"});
    material_selected_[scale] = list->size() - 1;
    focus_ = scale;
    compute_percentages(lists_);
}

void RecipeEditor::delete_material(int scale) {
    MaterialList* list = material_target(scale, true);
    if (!list) {
        return;
    }
    std::size_t row = *material_selected_[scale];
    list->erase(list->begin() + static_cast<std::ptrdiff_t>(row));
    renumber(*list);
    material_selected_[scale] = row_at_or_last(row, list->size());
    compute_percentages(lists_);
}

void RecipeEditor::change_mass(int scale) {
    MaterialList* list = material_target(scale, true);
    if (!list) {
        return;
    }
    MaterialRow& row = (*list)[*material_selected_[scale]];
    if (std::optional<std::string> mass = ask_mass(scale, "Podaj nową masę substancji [kg]:", row.mass)) {
        row.mass = *mass;
    }
    compute_percentages(lists_);
}

void RecipeEditor::move_up(int scale) {
    move_material(scale, -1);
}

void RecipeEditor::move_down(int scale) {
    move_material(scale, +1);
}

void RecipeEditor::move_material(int scale, int step) {
    MaterialList* list = material_target(scale, true);
    if (!list) {
        return;
    }
    std::size_t row = *material_selected_[scale];
    if ((step < 0 && row == 0) || (step > 0 && row + 1 >= list->size())) {
        return;
    }
    std::size_t other = step < 0 ? row - 1 : row + 1;
    MaterialRow& a = (*list)[row];
    MaterialRow& b = (*list)[other];
    std::swap(a.name, b.name);
    std::swap(a.mass, b.mass);
    std::swap(a.percent, b.percent);
    material_selected_[scale] = other;
}

}  // namespace wazenie
