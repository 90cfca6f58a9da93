#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/folder_choice.h"

namespace wazenie::testing {

class FakeFolderChoice : public FolderChoice {
public:
    std::optional<std::filesystem::path> folder;  // nothing: cancelled
    std::vector<std::string> prompts;

    std::optional<std::filesystem::path> choose_folder(const std::string& prompt) override {
        prompts.push_back(prompt);
        return folder;
    }
};

}  // namespace wazenie::testing
