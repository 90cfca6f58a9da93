#include "windows/client_window.h"

#include <algorithm>

#include "clients/client_print.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// A client as the audit trail shows its values.
std::string client_text(const Client& c) {
    return c.short_name + "; " + c.full_name + "; " + c.address + "; " + c.nip;
}

constexpr const char* kWriteFailed =
    "Błąd zapisu do pliku! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca";
constexpr const char* kRenameFailed =
    "Błąd zapisu do pliku (2)! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca";

Client cleaned(const Client& entry) {
    Client c = client_from_line(client_line(entry));
    if (c.nip.empty()) {
        c.nip = kEmptyNip;
    }
    return c;
}

}  // namespace

ClientWindow::ClientWindow(std::filesystem::path data_dir, Seams seams)
    : data_dir_(std::move(data_dir)), seams_(seams) {
    load("");
}

void ClientWindow::load(const std::string& filter) {
    rows_.clear();
    selected_ = -1;
    auto lines = text_file::read_lines(clients_file_path(data_dir_));
    if (!lines) {
        seams_.dialogs.warning("Nie znaleziono pliku z kontrahentami!");
        return;
    }
    for (const std::string& line : *lines) {
        if (filter.empty() || upper_pl(tab_field(line, 0)).find(filter) != std::string::npos) {
            rows_.push_back(client_from_line(line));
        }
    }
    std::stable_sort(rows_.begin(), rows_.end(), [](const Client& a, const Client& b) {
        return polish_less(a.short_name, b.short_name);
    });
    if (!rows_.empty()) {
        selected_ = 0;
    }
}

void ClientWindow::reload_full() {
    search_.clear();
    filtered_ = false;
    load("");
}

void ClientWindow::show() {
    search_.clear();
    if (filtered_) {
        reload_full();
    }
    select(0);
}

void ClientWindow::select(int row) {
    selected_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void ClientWindow::search_changed(const std::string& text) {
    search_ = upper_pl(text);
    if (text_length(search_) > 2) {
        filtered_ = true;
        load(search_);
    } else if (filtered_) {
        filtered_ = false;
        load("");
    }
}

std::optional<std::string> ClientWindow::choose() {
    if (selected_ < 0) {
        seams_.dialogs.error("Nie wybrano żadnego klienta!");
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(selected_)].short_name;
}

void ClientWindow::select_short_name(const std::string& short_name, const std::string& missing_message) {
    auto found = std::find_if(rows_.begin(), rows_.end(),
                              [&short_name](const Client& c) { return c.short_name == short_name; });
    if (found == rows_.end()) {
        seams_.dialogs.error(missing_message);
        return;
    }
    selected_ = static_cast<int>(found - rows_.begin());
}

void ClientWindow::add_client() {
    auto entry = seams_.editor.edit("Nowy klient", Client{"", "", "", std::string(kEmptyNip)});
    if (!entry) {
        return;
    }
    const Client client = cleaned(*entry);
    const std::filesystem::path file = clients_file_path(data_dir_);
    std::vector<std::string> lines{client_line(client)};
    if (!text_file::ends_with_line_end(file)) {
        // A file edited by hand may lack its last line end; the new client must not join that line.
        lines.insert(lines.begin(), "");
    }
    if (!text_file::append_lines(file, lines)) {
        seams_.dialogs.error(kWriteFailed);
        return;
    }
    seams_.changes.record({"klient", client.short_name, "", client_text(client)});
    reload_full();
    select_short_name(client.short_name, "Błąd!? Brak kontrahenta.");
}

bool ClientWindow::rewrite(const std::function<std::optional<std::string>(const std::string&)>& change) {
    const std::filesystem::path file = clients_file_path(data_dir_);
    auto lines = text_file::read_lines(file);
    if (!lines) {
        seams_.dialogs.error("Plik z klientami nie istnieje !?!?!? Błąd systemu lub uszkodzony dysk?!?!?");
        return false;
    }
    std::vector<std::string> out;
    out.reserve(lines->size());
    for (const std::string& line : *lines) {
        if (auto kept = change(line)) {
            out.push_back(std::move(*kept));
        }
    }
    auto written = text_file::replace_atomically(file, clients_work_file_path(data_dir_), out);
    if (!written) {
        seams_.dialogs.error(written.error().what == "rename" ? kRenameFailed : kWriteFailed);
        return false;
    }
    return true;
}

void ClientWindow::edit_client() {
    if (!changes_allowed_) {
        return;
    }
    if (selected_ < 0) {
        seams_.dialogs.error("Nie wskazano klienta!");
        return;
    }
    const Client old = rows_[static_cast<std::size_t>(selected_)];
    const std::string old_line = old.short_name + '\t' + old.full_name + '\t' + old.address + '\t' + old.nip;
    auto entry = seams_.editor.edit("Edycja klienta", old);
    if (!entry) {
        return;
    }
    const Client client = cleaned(*entry);
    const std::string new_line = client_line(client);
    if (!rewrite([&](const std::string& line) { return line == old_line ? new_line : line; })) {
        return;
    }
    seams_.changes.record({"klient", old.short_name, client_text(old), client_text(client)});
    reload_full();
    select_short_name(client.short_name, "Błąd!? Brak klienta.");
}

void ClientWindow::delete_client() {
    if (!changes_allowed_) {
        return;
    }
    if (selected_ < 0) {
        seams_.dialogs.error("Nie wskazano kontrahenta!");
        return;
    }
    const int position = selected_;
    const std::string name = rows_[static_cast<std::size_t>(position)].short_name;
    if (!seams_.dialogs.question("Czy napewno usunąć kontrahenta: " + name + " ?")) {
        return;
    }
    auto drop = [&name](const std::string& line) -> std::optional<std::string> {
        if (tab_field(line, 0) == name) {
            return std::nullopt;
        }
        return line;
    };
    if (!rewrite(drop)) {
        return;
    }
    seams_.changes.record({"klient", name, "", "usunięty"});
    reload_full();
    if (!rows_.empty()) {
        selected_ = std::min(position, static_cast<int>(rows_.size()) - 1);
    }
}

void ClientWindow::copy_table() {
    std::string text = "Nazwa klienta\tAdres klienta\r\n";
    for (const Client& c : rows_) {
        text += c.short_name + '\t' + c.full_name + "\r\n";
    }
    seams_.clipboard.put_text(text);
}

void ClientWindow::print_table() {
    if (!seams_.dialogs.question("Czy napewno drukować tabelę klientów?")) {
        return;
    }
    if (!seams_.printer.printer_name()) {
        seams_.dialogs.error("Żadna drukarka nie jest aktualnie zainstalowana!");
        return;
    }
    auto printed = seams_.printer.print(client_table_document(rows_, seams_.clock.now()));
    if (!printed) {
        seams_.dialogs.error(printed.error().what);
    }
}

}  // namespace wazenie
