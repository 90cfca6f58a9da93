#pragma once

#include <optional>
#include <string>

#include "core/dialogs.h"

class QWidget;

namespace wazenie {

class QtPrinter;

// The dialogs seam for the desktop: message boxes, the input dialog and the print dialog. The only
// place in the windows that opens a QMessageBox, so every box looks and reads the same.
class QtDialogs final : public Dialogs {
public:
    // The print dialog's choice of printer goes to `printer` when one is given.
    explicit QtDialogs(QtPrinter* printer = nullptr);
    // The window the boxes are centred over and modal to; none until the main window exists.
    void set_parent(QWidget* parent);

    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void information(const std::string& text) override;
    void notify(MessageKind kind, const std::string& text) override;
    bool question(const std::string& text) override;
    std::string ask_value(const ValueRequest& request) override;
    std::optional<int> ask_print_copies() override;

private:
    QtPrinter* printer_;
    QWidget* parent_ = nullptr;
};

}  // namespace wazenie
