#pragma once

#include "core/save_file_dialog.h"

class QWidget;

namespace wazenie {

// The system's save-file dialog; needs a QApplication. The program's current directory is not changed.
class QtSaveFileDialog final : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::filesystem::path> ask_save_file(const SaveFileRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace wazenie
