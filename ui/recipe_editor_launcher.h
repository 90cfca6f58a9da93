#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/change_journal.h"
#include "core/dialogs.h"
#include "core/material_chooser.h"
#include "core/process_records.h"
#include "storage/settings.h"
#include "windows/weighing_params_window.h"

class QWidget;

namespace wazenie {

// "Baza receptur" as the main window and the weighing-parameters dialog open it: a fresh editor over
// the recipe file, shown modally over `parent`. Everything given must outlive the launcher.
class RecipeEditorWindowLauncher final : public RecipeEditorLauncher {
public:
    RecipeEditorWindowLauncher(std::filesystem::path data_dir, const Settings& settings, Dialogs& dialogs,
                               MaterialChooser& materials, const Scales& w, std::string operator_name,
                               ChangeJournal& changes, QWidget* parent);

    // The recipe to select when the editor opens (the weighing-parameters dialog's), asked at each opening.
    void show_recipe_from(std::function<std::string()> shown_recipe) {
        shown_recipe_ = std::move(shown_recipe);
    }

    std::optional<Choice> open_recipe_editor() override;

private:
    std::filesystem::path data_dir_;
    const Settings& settings_;
    Dialogs& dialogs_;
    MaterialChooser& materials_;
    const Scales& w_;
    std::string operator_name_;
    ChangeJournal& changes_;
    QWidget* parent_;
    std::function<std::string()> shown_recipe_;
};

}  // namespace wazenie
