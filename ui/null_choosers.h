#pragma once

#include <optional>
#include <string>

#include "recipes/weighing_params.h"

namespace wazenie {

// The weighing-parameters dialog's " Baza receptur" and " Baza klientów" until the recipe editor and
// the client database have their windows: they open nothing and change nothing.
class NoRecipeEditorWindow final : public RecipeEditorLauncher {
public:
    std::optional<Choice> open_recipe_editor() override { return std::nullopt; }
};

class NoClientWindow final : public ClientChooser {
public:
    std::optional<std::string> choose_client() override { return std::nullopt; }
};

}  // namespace wazenie
