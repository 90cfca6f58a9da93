#include "ui/recipe_editor_launcher.h"

#include "ui/recipe_editor_window.h"
#include "windows/recipe_editor_window.h"

namespace wazenie {

RecipeEditorWindowLauncher::RecipeEditorWindowLauncher(std::filesystem::path data_dir,
                                                       const Settings& settings, Dialogs& dialogs,
                                                       MaterialChooser& materials, const Scales& w,
                                                       std::string operator_name, ChangeJournal& changes,
                                                       QWidget* parent)
    : data_dir_(std::move(data_dir)),
      settings_(settings),
      dialogs_(dialogs),
      materials_(materials),
      w_(w),
      operator_name_(std::move(operator_name)),
      changes_(changes),
      parent_(parent) {}

std::optional<RecipeEditorLauncher::Choice> RecipeEditorWindowLauncher::open_recipe_editor() {
    RecipeEditor controller(dialogs_, materials_, data_dir_, settings_, w_, operator_name_, changes_);
    TFrecipe window(controller, parent_);
    return window.run(shown_recipe_ ? shown_recipe_() : std::string());
}

}  // namespace wazenie
