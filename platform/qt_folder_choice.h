#pragma once

#include "core/folder_choice.h"

class QWidget;

namespace wazenie {

// The system's folder-choice dialog; needs a QApplication.
class QtFolderChoice final : public FolderChoice {
public:
    explicit QtFolderChoice(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::filesystem::path> choose_folder(const std::string& prompt) override;

private:
    QWidget* parent_;
};

}  // namespace wazenie
