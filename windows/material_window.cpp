#include "windows/material_window.h"

#include <algorithm>

#include "recipes/entered_name.h"
#include "recipes/material_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

const char* const kNoMaterial = "Żadna substancja nie została wskazana!";
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

MaterialWindow::MaterialWindow(Dialogs& dialogs, Clipboard& clipboard, std::filesystem::path data_dir)
    : dialogs_(dialogs), clipboard_(clipboard), data_dir_(std::move(data_dir)) {}

void MaterialWindow::load() {
    reload();
}

void MaterialWindow::reload() {
    rows_ = load_materials(data_dir_, search_on_ ? search_ : std::string());
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

void MaterialWindow::commit(std::vector<std::string> rows, RowIndex row) {
    Status written = write_materials(data_dir_, rows);
    if (!written) {
        dialogs_.error(written.error().what);
        return;
    }
    rows_ = std::move(rows);
    select(row);
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
    commit(std::move(rows), place);
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
    std::vector<std::string> rows = rows_;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
    RowIndex next = rows.empty() ? RowIndex() : RowIndex(std::min(row, rows.size() - 1));
    commit(std::move(rows), next);
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
    commit(std::move(rows), place);
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
