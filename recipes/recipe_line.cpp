#include "recipes/recipe_line.h"

#include "storage/text_helpers.h"

namespace wazenie {

int line_scale(std::string_view line) {
    std::string tag = tab_field(line, 1);
    if (tag.size() == 5 && tag.compare(0, 4, "waga") == 0 && tag[4] >= '1' && tag[4] <= '0' + kScales) {
        return tag[4] - '0';
    }
    return 0;
}

std::string row_number(std::size_t k) {
    return std::to_string(k) + ".";
}

std::string recipe_line(const std::string& name, int s, const MaterialList& list) {
    std::string line = clean_field(name) + "\twaga" + std::to_string(s);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kMaterials); ++k) {
        line += '\t';
        if (k < list.size()) {
            line += clean_field(list[k].name);
            line += '\t';
            line += clean_field(list[k].mass);
        } else {
            line += '\t';
        }
    }
    return line;
}

}  // namespace wazenie
