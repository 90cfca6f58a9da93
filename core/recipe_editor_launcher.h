#pragma once

#include <optional>
#include <string>

namespace wazenie {

// The recipe editor as the weighing-parameters dialog opens it (modally).
class RecipeEditorLauncher {
public:
    virtual ~RecipeEditorLauncher() = default;
    struct Choice {
        std::string recipe_name;  // empty when no recipe was selected in the editor
        std::string total_text;   // that recipe's total as the editor's list shows it
    };
    // The editor's selection when it was closed with OK; nothing otherwise.
    virtual std::optional<Choice> open_recipe_editor() = 0;
};

}  // namespace wazenie
