#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wazenie {

// "Pominięto uszkodzone wiersze pliku FILE:" and the damaged lines, each on a line of its own: how the
// reports tell what a data file's reader passed over.
std::string damaged_lines_text(const std::filesystem::path& file, const std::vector<std::string>& damaged);

}  // namespace wazenie
