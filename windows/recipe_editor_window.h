#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/change_journal.h"
#include "core/dialogs.h"
#include "core/material_chooser.h"
#include "core/process_records.h"
#include "recipes/recipe_file.h"
#include "storage/settings.h"
#include "windows/material_window.h"
#include "windows/recipe_description_form.h"

namespace wazenie {

// A row of the recipe list: the name and its total as shown ("[kg]").
struct RecipeRow {
    std::string name;
    std::string total;

    bool operator==(const RecipeRow&) const = default;
};

// The recipe editor "Baza receptur": the sorted recipe list, the four material lists of the selected
// recipe, the browse and modify modes and every rule of their buttons. Every change of a recipe is
// written to the file when it is made; material changes wait in the lists for " Zapisz".
class RecipeEditor {
public:
    enum class Mode { browse, modify };

    // The scales give each list its precision and max_weight; they and the settings must outlive it.
    // Each recipe written goes into `changes`.
    RecipeEditor(Dialogs& dialogs, MaterialChooser& materials, std::filesystem::path data_dir,
                 const Settings& settings, const Scales& w, const std::string& operator_name,
                 ChangeJournal& changes = ChangeJournal::none());

    // Each time the window is shown; `shown_recipe` is the recipe that the weighing parameters show.
    void open(const std::string& shown_recipe = {});
    void select_recipe(RowIndex row);
    void select_material(int scale, RowIndex row);

    void add_recipe();
    void delete_recipe();
    void copy_recipe();
    void modify();
    void save();

    void add_material(int scale);
    void delete_material(int scale);
    void change_mass(int scale);
    void move_up(int scale);
    void move_down(int scale);

    // The selected recipe's description, edited beside the materials in modify mode and saved with them;
    // a copy takes its source's, a deleted recipe's goes with it.
    const RecipeDescriptionForm& description() const { return description_; }
    void type_description(DescriptionField field, std::string text);
    // Leaving a field: false after the message (the focus goes back to the field).
    bool leave_description(DescriptionField field);
    bool description_enabled() const { return mode_ == Mode::modify; }

    Mode mode() const { return mode_; }
    const std::vector<RecipeRow>& recipes() const { return recipes_; }
    RowIndex selected_recipe() const { return selected_; }
    // The selected recipe, for the weighing parameters after OK.
    std::optional<RecipeRow> selected_row() const;
    const RecipeLists& lists() const { return lists_; }
    RowIndex selected_material(int scale) const;
    // 0: the recipe list; 1 to 4: that scale's material list.
    int focus() const { return focus_; }

    // The recipe list and its add, delete and copy buttons.
    bool recipe_controls_enabled() const { return mode_ == Mode::browse; }
    // The material buttons of the four scales and " Zapisz".
    bool material_controls_enabled() const { return mode_ == Mode::modify; }
    bool modify_enabled() const { return may_modify_; }
    bool modify_pressed() const { return mode_ == Mode::modify; }
    // "maks. 500 kg" above a scale's list.
    std::string max_weight_label(int scale) const;

private:
    bool has_recipe(const std::string& name) const;
    // True when the editor is in `mode` with a recipe selected; without one the refusal is shown.
    bool recipe_selected_in(Mode mode);
    // store_recipe, showing its error; true when the file was written.
    bool store(const std::string& old_name, const std::string& new_name, const RecipeLists& lists);
    std::string ask_new_name(const char* caption);
    std::optional<std::string> ask_mass(int scale, const char* prompt, const std::string& initial);
    // The scale's list and its selected row, when the material buttons may act on them; otherwise the
    // refusal has been shown or the call is ignored.
    MaterialList* material_target(int scale, bool needs_row);
    void insert_recipe(RecipeRow row);
    void move_material(int scale, int step);
    std::string total_text(double total) const;

    Dialogs& dialogs_;
    MaterialChooser& materials_;
    std::filesystem::path data_dir_;
    const Settings& settings_;
    const Scales& w_;
    bool may_modify_;
    ChangeJournal& changes_;
    Mode mode_ = Mode::browse;
    std::vector<RecipeRow> recipes_;
    RowIndex selected_;
    RecipeLists lists_;
    IndexedArray<RowIndex, kScales> material_selected_;
    RecipeDescriptionForm description_;
    int focus_ = 0;
};

}  // namespace wazenie
