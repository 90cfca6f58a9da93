#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fakes/scratch_dir.h"
#include "recipes/material_chooser.h"
#include "recipes/recipe_file.h"
#include "storage/text_file.h"

namespace wazenie::testing {

// The material window as the recipe editor's tests script it: queued choices, an empty queue cancels.
class ScriptedChooser : public MaterialChooser {
public:
    std::deque<std::optional<std::string>> choices;
    int opened = 0;

    std::optional<std::string> choose_material() override {
        ++opened;
        if (choices.empty()) {
            return std::nullopt;
        }
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

// A 16-field recipe line: name, "wagaN", then the given (material, mass) pairs and empty slots.
inline std::string line_of(const std::string& name, int scale,
                           const std::vector<std::pair<std::string, std::string>>& slots = {}) {
    std::string line = name + "\twaga" + std::to_string(scale);
    for (std::size_t k = 0; k < 7; ++k) {
        line += k < slots.size() ? "\t" + slots[k].first + "\t" + slots[k].second : "\t\t";
    }
    return line;
}

// The four lines of a recipe without materials.
inline std::vector<std::string> empty_recipe(const std::string& name) {
    return {line_of(name, 1), line_of(name, 2), line_of(name, 3), line_of(name, 4)};
}

inline std::vector<std::string> read_file(const std::filesystem::path& file) {
    auto lines = text_file::read_lines(file);
    return lines ? lines.value() : std::vector<std::string>{};
}

inline MaterialRow row(const std::string& number, const std::string& name, const std::string& mass,
                       const std::string& percent = "0") {
    return {number, name, mass, percent};
}

// Puts every test's injected faults back, whatever the test left.
struct FaultGuard {
    ~FaultGuard() { text_file::reset_faults(); }
};

}  // namespace wazenie::testing
