#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/save_file_dialog.h"

namespace wazenie::testing {

// Queued answers of the save-file dialog (an empty queue cancels) and the requests it was shown.
class FakeSaveFileDialog : public SaveFileDialog {
public:
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<SaveFileRequest> requests;

    std::optional<std::filesystem::path> ask_save_file(const SaveFileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace wazenie::testing
