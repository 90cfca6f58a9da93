#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace wazenie {

// The folder-choice dialog: the chosen folder, or nothing when cancelled.
class FolderChoice {
public:
    virtual ~FolderChoice() = default;
    virtual std::optional<std::filesystem::path> choose_folder(const std::string& prompt) = 0;
};

}  // namespace wazenie
