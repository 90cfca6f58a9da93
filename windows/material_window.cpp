#include "windows/material_window.h"

#include <algorithm>

#include "recipes/data_files.h"
#include "recipes/entered_name.h"
#include "recipes/material_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

const char* const kNoMaterial = "Żadna substancja nie została wskazana!";
const char* const kKindsFileText = "dane/materialy_rodzaje.txt";
constexpr std::size_t kCopyLimit = 1000000;
constexpr int kSearchStart = 3;

std::string quoted_question(const char* question, const std::string& name) {
    return std::string(question) + "\"" + name + "\"?";
}

// Where a name goes in a sorted list: after its equals, as a newly added row.
std::size_t sorted_place(const std::vector<std::string>& rows, const std::string& name) {
    auto place =
        std::upper_bound(rows.begin(), rows.end(), name,
                         [](const std::string& a, const std::string& b) { return polish_less(a, b); });
    return static_cast<std::size_t>(place - rows.begin());
}

RowIndex first_row(const std::vector<std::string>& rows) {
    return rows.empty() ? RowIndex() : RowIndex(0);
}

}  // namespace

MaterialWindow::MaterialWindow(Dialogs& dialogs, Clipboard& clipboard, std::filesystem::path data_dir,
                               bool may_set_kinds, ChangeJournal& changes)
    : dialogs_(dialogs),
      clipboard_(clipboard),
      changes_(changes),
      data_dir_(std::move(data_dir)),
      may_set_kinds_(may_set_kinds) {}

void MaterialWindow::load() {
    reload();
}

void MaterialWindow::reload() {
    rows_ = load_materials(data_dir_, search_on_ ? search_ : std::string());
    kinds_ = material_kinds_in(data_dir_);
    selected_ = first_row(rows_);
}

void MaterialWindow::open() {
    search_.clear();
    if (search_on_) {
        search_on_ = false;
        reload();
    }
    selected_ = first_row(rows_);
    renaming_ = false;
    chosen_.reset();
    focus_ = Focus::list;
}

void MaterialWindow::search_changed(const std::string& text) {
    search_ = upper_pl(text);
    if (text_length(search_) >= kSearchStart) {
        search_on_ = true;
        reload();
    } else if (search_on_) {
        search_on_ = false;
        reload();
    }
}

bool MaterialWindow::choose(const char* refusal) {
    if (!selected_) {
        dialogs_.error(refusal);
        return false;
    }
    chosen_ = rows_[*selected_];
    return true;
}

bool MaterialWindow::ok() {
    return choose(kNoMaterial);
}

bool MaterialWindow::double_click() {
    return choose("Nie wybrano żadnej substancji!");
}

void MaterialWindow::select(RowIndex row) {
    if (row && *row >= rows_.size()) {
        row.reset();
    }
    selected_ = row;
}

bool MaterialWindow::commit(std::vector<std::string> rows, RowIndex row) {
    Status written = write_materials(data_dir_, rows);
    if (!written) {
        dialogs_.error(written.error().what);
        return false;
    }
    rows_ = std::move(rows);
    select(row);
    return true;
}

MaterialKind MaterialWindow::kind_of(std::size_t row) const {
    return row < rows_.size() ? kinds_.of(rows_[row]) : MaterialKind::none;
}

void MaterialWindow::set_kind(MaterialKind kind) {
    const MaterialKind before = kind_enabled() ? kind_of(*selected_) : kind;
    if (before != kind && store_kinds({{rows_[*selected_], kind}})) {
        changes_.record({"rodzaj materiału", rows_[*selected_], std::string(material_kind_text(before)),
                         std::string(material_kind_text(kind))});
    }
}

void MaterialWindow::carry_kind(const std::string& from, const std::string& to) {
    const MaterialKind kind = kinds_.of(from);
    if (kind == MaterialKind::none) {
        return;
    }
    std::vector<std::pair<std::string, MaterialKind>> changes;
    if (std::none_of(rows_.begin(), rows_.end(),
                     [&](const std::string& name) { return same_name_ignoring_case(name, from); })) {
        changes.emplace_back(from, MaterialKind::none);
    }
    if (!to.empty()) {
        changes.emplace_back(to, kind);
    }
    if (!changes.empty()) {
        store_kinds(changes);
    }
}

bool MaterialWindow::store_kinds(const std::vector<std::pair<std::string, MaterialKind>>& changes) {
    const std::filesystem::path file = material_kinds_path(data_dir_);
    auto read = read_material_kinds(file);
    if (!read) {
        dialogs_.error(std::string("Błąd przy odczycie pliku: ") + kKindsFileText + ".");
        return false;
    }
    for (const auto& [name, kind] : changes) {
        read->kinds.set(name, kind);
    }
    if (!save_material_kinds(file, read->kinds)) {
        dialogs_.error(std::string("Błąd przy zapisie do pliku: ") + kKindsFileText + ".\r" + kWriteCause);
        return false;
    }
    kinds_ = std::move(read->kinds);
    return true;
}

void MaterialWindow::add() {
    // With the filter on the list holds only some names; writing it would drop the others.
    if (search_on_) {
        return;
    }
    std::string name =
        entered_name(dialogs_.ask_value({"Nowa substancja", "Podaj nazwę substancji:", "", "string", false}));
    if (name.empty()) {
        return;
    }
    std::vector<std::string> rows = rows_;
    std::size_t place = sorted_place(rows, name);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(place), name);
    if (commit(std::move(rows), place)) {
        changes_.record({"materiał", name, "", "dodany"});
    }
}

void MaterialWindow::remove() {
    if (search_on_) {
        return;
    }
    if (!selected_) {
        dialogs_.error(kNoMaterial);
        return;
    }
    std::size_t row = *selected_;
    if (!dialogs_.question(quoted_question("Czy napewno usunąć substancję: ", rows_[row]))) {
        focus_ = Focus::list;
        return;
    }
    const std::string removed = rows_[row];
    std::vector<std::string> rows = rows_;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
    RowIndex next = rows.empty() ? RowIndex() : RowIndex(std::min(row, rows.size() - 1));
    if (commit(std::move(rows), next)) {
        changes_.record({"materiał", removed, "", "usunięty"});
        carry_kind(removed, {});
    }
}

bool MaterialWindow::begin_rename() {
    if (search_on_) {
        return false;
    }
    if (!selected_) {
        dialogs_.error("Żadna substancja nie zostałs wskazana!");
        return false;
    }
    renaming_ = true;
    rename_row_ = *selected_;
    rename_from_ = rows_[rename_row_];
    focus_ = Focus::list;
    return true;
}

void MaterialWindow::finish_rename(const std::string& text) {
    if (!renaming_) {
        return;
    }
    renaming_ = false;
    // The rows may have been read again meanwhile; rename only the row that was being edited.
    if (rename_row_ >= rows_.size() || rows_[rename_row_] != rename_from_) {
        return;
    }
    std::string name = entered_name(text);
    // An emptied or unchanged name is no renaming: the row keeps its name and nothing is asked.
    if (name.empty() || name == rename_from_) {
        return;
    }
    if (!dialogs_.question(quoted_question("Czy napewno zmienić substancję: ", rename_from_))) {
        return;
    }
    std::vector<std::string> rows = rows_;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(rename_row_));
    std::size_t place = sorted_place(rows, name);
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(place), name);
    if (commit(std::move(rows), place)) {
        changes_.record({"materiał", rename_from_, rename_from_, name});
        carry_kind(rename_from_, name);
    }
}

void MaterialWindow::cancel_rename() {
    renaming_ = false;
}

void MaterialWindow::copy() {
    clipboard_.put_text(material_copy_text(rows_));
}

std::string material_copy_text(const std::vector<std::string>& names) {
    std::string text = "Materiał\r\n";
    for (const std::string& name : names) {
        text += name;
        text += "\r\n";
    }
    // Cut at a character boundary: the limit counts characters, the text is UTF-8.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kCopyLimit) {
            text.resize(i);
            break;
        }
    }
    return text;
}

}  // namespace wazenie
