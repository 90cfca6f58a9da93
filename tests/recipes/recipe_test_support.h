#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/material_chooser.h"
#include "fakes/scratch_dir.h"
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

using Slots = std::vector<std::pair<std::string, std::string>>;

// A 16-field recipe line: name, "wagaN", then the given (material, mass) pairs and empty slots.
inline std::string line_of(const std::string& name, int scale, const Slots& slots = {}) {
    std::string line = name + "\twaga" + std::to_string(scale);
    for (std::size_t k = 0; k < 7; ++k) {
        line += k < slots.size() ? "\t" + slots[k].first + "\t" + slots[k].second : "\t\t";
    }
    return line;
}

// The four lines of a recipe, each scale with its (material, mass) pairs.
inline std::vector<std::string> recipe_lines(const std::string& name, const Slots& s1 = {},
                                             const Slots& s2 = {}, const Slots& s3 = {},
                                             const Slots& s4 = {}) {
    return {line_of(name, 1, s1), line_of(name, 2, s2), line_of(name, 3, s3), line_of(name, 4, s4)};
}

// The four lines of a recipe without materials.
inline std::vector<std::string> empty_recipe(const std::string& name) {
    return recipe_lines(name);
}

// The weighing parameters' tests: the recipes "Beton B20", "zaprawa" and "Ałun", and the client BUDREX.
inline void write_weighing_data(const std::filesystem::path& dir) {
    auto lines = recipe_lines("Beton B20", {{"cement", "300"}}, {{"piasek", "700"}, {"żwir", "1000"}},
                              {{"woda", "150"}});
    for (const auto& more : {recipe_lines("zaprawa", {{"cement", "100"}, {"wapno", "50"}}),
                             recipe_lines("Ałun", {{"popiół", "10"}})}) {
        lines.insert(lines.end(), more.begin(), more.end());
    }
    text_file::write_lines(dir / "receptury.txt", lines);
    text_file::write_lines(dir / "klienci.txt",
                           {"BUDREX\tBudrex Sp. z o.o.\tul. Polna 1, Kielce\t123-456-78-90"});
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
