#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/change_journal.h"
#include "core/dialogs.h"
#include "storage/operators.h"

namespace wazenie {

// What the operators window (login and management) does, without the window. The view shows
// names() in its one column, keeps selected() in step and calls the commands; after a command it
// puts the focus back into the list.
class OperatorWindow {
public:
    enum class Mode { Login, Management };

    // Loads the list at once (creating the file at the first start); a load error is shown. Each
    // operator added or deleted and each password changed goes into `changes`, never a password.
    OperatorWindow(std::filesystem::path file, Dialogs& dialogs,
                   ChangeJournal& changes = ChangeJournal::none());

    // Selects the first operator, as every showing does.
    void show(Mode mode);
    Mode mode() const { return mode_; }

    const std::vector<Operator>& operators() const { return operators_; }
    std::vector<std::string> names() const;
    // -1 when nothing is selected.
    int selected() const { return selected_; }
    void select(int row);
    std::optional<std::string> selected_name() const;

    // OK or a double click: true when the window closes with OK, the selected operator logged in.
    // Always false in management mode.
    bool login();
    void add_operator();
    void delete_operator();
    void change_password();

private:
    std::string ask(const std::string& caption, const std::string& prompt, bool masked);
    void save();

    std::filesystem::path file_;
    Dialogs& dialogs_;
    ChangeJournal& changes_;
    std::vector<Operator> operators_;
    int selected_ = -1;
    Mode mode_ = Mode::Login;
};

}  // namespace wazenie
