#include "recipes/material_file.h"

#include <algorithm>

#include "recipes/data_files.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

const char* const kMaterialFileText = "dane/materialy.txt";

}  // namespace

std::filesystem::path material_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "materialy.txt";
}

void sort_names(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return polish_less(a, b); });
}

std::vector<std::string> load_materials(const std::filesystem::path& data_dir, const std::string& filter) {
    std::vector<std::string> names;
    auto lines = text_file::read_lines(material_file_path(data_dir));
    if (!lines) {
        return names;
    }
    for (std::string& line : lines.value()) {
        if (!line.empty() && (filter.empty() || upper_pl(line).find(filter) != std::string::npos)) {
            names.push_back(std::move(line));
        }
    }
    sort_names(names);
    return names;
}

Status write_materials(const std::filesystem::path& data_dir, const std::vector<std::string>& names) {
    Status written =
        text_file::replace_atomically(material_file_path(data_dir), data_dir / kWorkFileName, names);
    if (written) {
        return written;
    }
    const Error& error = written.error();
    // A line that could not be written keeps the message that names it; a work file that could not be
    // made or put in place is the file that could not be created.
    std::string message = error.what == "write"
                              ? std::string("Błąd (2) przy zapisie do pliku: ") + kMaterialFileText +
                                    " linia " + std::to_string(error.line) + "."
                              : std::string("Błąd (1) przy zapisie do pliku: ") + kMaterialFileText + ".";
    return Error{message + "\r" + kWriteCause, material_file_path(data_dir).string(), error.line};
}

}  // namespace wazenie
