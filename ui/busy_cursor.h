#pragma once

#include "core/dialogs.h"
#include "core/save_file_dialog.h"

namespace wazenie {

// The busy cursor for as long as the object lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A long command may stop to ask or tell the operator something: while its box is open the cursor is
// the ordinary arrow again, and busy once more when the box closes.
class ArrowForDialogs final : public Dialogs {
public:
    explicit ArrowForDialogs(Dialogs& dialogs) : dialogs_(dialogs) {}

    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void information(const std::string& text) override;
    bool question(const std::string& text) override;
    std::string ask_value(const ValueRequest& request) override;
    std::optional<int> ask_print_copies() override;

private:
    Dialogs& dialogs_;
};

class ArrowForSaveDialog final : public SaveFileDialog {
public:
    explicit ArrowForSaveDialog(SaveFileDialog& dialog) : dialog_(dialog) {}
    std::optional<std::filesystem::path> ask_save_file(const SaveFileRequest& request) override;

private:
    SaveFileDialog& dialog_;
};

}  // namespace wazenie
