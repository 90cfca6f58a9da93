#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace wazenie {

struct SaveFileRequest {
    std::string title;
    std::string default_name;
    std::string extension;
    std::string filter;  // several file types separated by ";;", the first one chosen at first
};

// The save-file dialog: the chosen file, or nothing when cancelled. An existing file is chosen
// without a question, and the program's current directory stays as it was.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    virtual std::optional<std::filesystem::path> ask_save_file(const SaveFileRequest& request) = 0;
};

}  // namespace wazenie
