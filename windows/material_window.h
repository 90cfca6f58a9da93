#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/change_journal.h"
#include "core/clipboard.h"
#include "core/dialogs.h"
#include "storage/material_kinds.h"

namespace wazenie {

using RowIndex = std::optional<std::size_t>;

// The material database window "Baza substancji": its list with each material's kind, search,
// selection and every rule of its buttons. The rows are read from the file when the program starts and
// again whenever the search changes; they stay between openings. The kinds live in their own file
// (materialy_rodzaje.txt), written at each change; materialy.txt keeps one name a line.
class MaterialWindow {
public:
    enum class Focus { list, search };

    // `may_set_kinds`: the operator may change recipes (windows/rights.h), as a kind changes how they dose.
    // Each name added, deleted or renamed and each kind set goes into `changes`.
    MaterialWindow(Dialogs& dialogs, Clipboard& clipboard, std::filesystem::path data_dir, bool may_set_kinds,
                   ChangeJournal& changes = ChangeJournal::none());

    // At program start.
    void load();
    // Each time the window is shown: search cleared (and switched off), first row selected.
    void open();
    // After every key released in the search field: its text, turned into capitals.
    void search_changed(const std::string& text);
    // Key F3.
    void focus_search() { focus_ = Focus::search; }

    // OK and double click: true when the window closes with the selected name chosen.
    bool ok();
    bool double_click();

    void add();
    void remove();
    // " Edytuj substancję": true when the selected row's name is now being edited in place.
    bool begin_rename();
    // The in-place editing ended with Enter or by leaving the row, holding `text`.
    void finish_rename(const std::string& text);
    // The in-place editing ended with Esc.
    void cancel_rename();
    void copy();

    // "Rodzaj" of the selected row; none takes its kind away. A file that cannot be written keeps the
    // kinds as they were. The filter may be on: the kinds file is not the list.
    void set_kind(MaterialKind kind);
    bool kind_enabled() const { return may_set_kinds_ && selected_.has_value(); }
    MaterialKind kind_of(std::size_t row) const;

    void select(RowIndex row);

    const std::vector<std::string>& rows() const { return rows_; }
    RowIndex selected() const { return selected_; }
    const std::string& search_text() const { return search_; }
    // Lsearch_enable is visible and the add, delete and rename buttons are disabled.
    bool search_on() const { return search_on_; }
    bool edit_buttons_enabled() const { return !search_on_; }
    bool renaming() const { return renaming_; }
    bool ok_is_default() const { return !renaming_; }
    Focus focus() const { return focus_; }
    const std::optional<std::string>& chosen() const { return chosen_; }

private:
    bool choose(const char* refusal);
    void reload();
    // Writes `rows` to the file; only when that succeeded they become the shown rows, with `row`
    // selected, so the list never shows what the file does not hold.
    bool commit(std::vector<std::string> rows, RowIndex row);
    // After the list changed: the kind of `from` goes to `to`, and stays with `from` only while a row
    // still holds that name. An empty `to` drops it.
    void carry_kind(const std::string& from, const std::string& to);
    // Reads the kinds file afresh, gives each name its kind and writes it back; the shown kinds change
    // only when the file took them.
    bool store_kinds(const std::vector<std::pair<std::string, MaterialKind>>& changes);

    Dialogs& dialogs_;
    Clipboard& clipboard_;
    ChangeJournal& changes_;
    std::filesystem::path data_dir_;
    bool may_set_kinds_;
    std::vector<std::string> rows_;
    MaterialKinds kinds_;
    RowIndex selected_;
    std::string search_;
    bool search_on_ = false;
    bool renaming_ = false;
    std::string rename_from_;
    std::size_t rename_row_ = 0;
    Focus focus_ = Focus::list;
    std::optional<std::string> chosen_;
};

// "Materiał" and every name, each followed by CR LF, cut to 1 000 000 characters.
std::string material_copy_text(const std::vector<std::string>& names);

}  // namespace wazenie
