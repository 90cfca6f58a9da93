#include "recipes/recipe_change.h"

namespace wazenie {

namespace {

std::string lists_text(const RecipeLists& lists) {
    std::string text;
    for (int n = 1; n <= kScales; ++n) {
        if (lists[n].empty()) {
            continue;
        }
        text += (text.empty() ? "waga " : " | waga ") + std::to_string(n) + ":";
        for (std::size_t k = 0; k < lists[n].size(); ++k) {
            text += (k == 0 ? " " : "; ") + lists[n][k].name + " " + lists[n][k].mass;
        }
    }
    return text;
}

}  // namespace

Change recipe_change(const std::string& old_name, const std::string& new_name, const RecipeLists& before,
                     const RecipeLists& after) {
    if (old_name.empty()) {
        return {"receptura", new_name, "", "dodana"};
    }
    if (new_name.empty()) {
        return {"receptura", old_name, lists_text(before), "usunięta"};
    }
    if (old_name != new_name) {
        return {"receptura", new_name, "", "skopiowana z " + old_name + ": " + lists_text(after)};
    }
    return {"receptura", new_name, lists_text(before), lists_text(after)};
}

}  // namespace wazenie
