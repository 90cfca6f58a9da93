#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wazenie::fuzz {

// Readers take files: each fuzz input is written to a file in a folder of this process, made on the
// first call and removed when the process ends normally.
const std::filesystem::path& scratch_dir();
// Writes the bytes to scratch_dir() / name, replacing it; returns its path.
std::filesystem::path write_scratch(const std::string& name, std::string_view bytes);
// Removes every file of the scratch folder, so that one input does not see the files of another.
void clear_scratch();

// The input as n parts cut at each kPartSeparator (the last part keeps any further separators;
// parts not present are empty), so one input can hold several files.
inline constexpr std::string_view kPartSeparator = "\n~~~~\n";
std::vector<std::string_view> split_input(const std::uint8_t* data, std::size_t size, std::size_t n);

}  // namespace wazenie::fuzz
