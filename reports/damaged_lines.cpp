#include "reports/damaged_lines.h"

namespace wazenie {

std::string damaged_lines_text(const std::filesystem::path& file, const std::vector<std::string>& damaged) {
    std::string text = "Pominięto uszkodzone wiersze pliku " + file.string() + ":";
    for (const std::string& line : damaged) {
        text += "\r" + line;
    }
    return text;
}

}  // namespace wazenie
