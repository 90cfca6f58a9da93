#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clients/client_file.h"
#include "core/change_journal.h"
#include "core/client_editor.h"
#include "core/clipboard.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/printer.h"

namespace wazenie {

// What the client window does, without the window. The view shows rows() in the list, keeps
// selected() in step, shows search_text() and the label while search_enabled(), and forwards the
// buttons; choose() gives the short name when the window closes with OK.
class ClientWindow {
public:
    struct Seams {
        Dialogs& dialogs;
        ClientEditor& editor;
        Clipboard& clipboard;
        Printer& printer;
        const Clock& clock;
        // Each client added, changed or deleted.
        ChangeJournal& changes = ChangeJournal::none();
    };

    // Loads the full list once, as the window does when it is created.
    ClientWindow(std::filesystem::path data_dir, Seams seams);

    // Each showing: empties the search, reloads the full list if it was filtered, selects row 0.
    void show();

    const std::vector<Client>& rows() const { return rows_; }
    int selected() const { return selected_; }  // -1: nothing selected
    void select(int row);
    const std::string& search_text() const { return search_; }
    bool search_enabled() const { return filtered_; }
    static constexpr const char* kSearchLabel = "<wyszukiwanie włączone>";

    // After every key in the search field: the text is kept in upper case (Polish letters too);
    // more than two characters filter the list by the short name.
    void search_changed(const std::string& text);

    // OK or a double click: the chosen short name, or nothing (message shown, window stays open).
    std::optional<std::string> choose();
    void add_client();
    void edit_client();
    void delete_client();
    void copy_table();
    void print_table();

    // Rights (may_change_clients): without them edit and delete are disabled, and refused here too.
    void set_changes_allowed(bool allowed) { changes_allowed_ = allowed; }
    bool changes_allowed() const { return changes_allowed_; }

private:
    void load(const std::string& filter);
    void reload_full();
    bool rewrite(const std::function<std::optional<std::string>(const std::string&)>& change);
    void select_short_name(const std::string& short_name, const std::string& missing_message);

    std::filesystem::path data_dir_;
    Seams seams_;
    std::vector<Client> rows_;
    int selected_ = -1;
    std::string search_;
    bool filtered_ = false;
    bool changes_allowed_ = true;
};

}  // namespace wazenie
