#include "windows/operator_dialog.h"

#include <algorithm>

#include "storage/text_helpers.h"
#include "storage/text_prefix.h"
#include "windows/rights.h"

namespace wazenie {

namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

bool same_name(const std::string& a, const std::string& b) {
    return upper_pl(a) == upper_pl(b);
}

constexpr const char* kNoneSelected = "Żaden operator nie został wskazany!";
constexpr const char* kEmptyPassword = "Hasło nie może być puste!";

}  // namespace

OperatorWindow::OperatorWindow(std::filesystem::path file, Dialogs& dialogs, ChangeJournal& changes)
    : file_(std::move(file)), dialogs_(dialogs), changes_(changes) {
    LoadedOperators loaded = load_operators(file_);
    operators_ = std::move(loaded.operators);
    if (loaded.error) {
        dialogs_.error(*loaded.error);
    }
}

void OperatorWindow::show(Mode mode) {
    mode_ = mode;
    select(0);
}

std::vector<std::string> OperatorWindow::names() const {
    std::vector<std::string> out;
    for (const Operator& op : operators_) {
        out.push_back(op.name);
    }
    return out;
}

void OperatorWindow::select(int row) {
    selected_ = row >= 0 && row < static_cast<int>(operators_.size()) ? row : -1;
}

std::optional<std::string> OperatorWindow::selected_name() const {
    if (selected_ < 0) {
        return std::nullopt;
    }
    return operators_[static_cast<std::size_t>(selected_)].name;
}

// The input dialog gives the empty text for Cancel; no name or password may be empty, so an
// empty entry is always treated as Cancel.
std::string OperatorWindow::ask(const std::string& caption, const std::string& prompt, bool masked) {
    ValueRequest request;
    request.caption = caption;
    request.prompt = prompt;
    request.masked = masked;
    return dialogs_.ask_value(request);
}

void OperatorWindow::save() {
    if (auto saved = save_operators(file_, operators_); !saved) {
        dialogs_.error(saved.error().what);
    }
}

bool OperatorWindow::login() {
    if (mode_ != Mode::Login) {
        return false;
    }
    if (selected_ < 0) {
        dialogs_.error("Nie wybrano żadnego operatora!");
        return false;
    }
    const std::string typed = ask("Hasło", "Podaj hasło:", true);
    if (typed.empty()) {
        return false;
    }
    if (!password_correct(operators_[static_cast<std::size_t>(selected_)], typed)) {
        dialogs_.error("Błędne hasło!");
        return false;
    }
    return true;
}

void OperatorWindow::add_operator() {
    const std::string entry = ask("Nowy operator", "Podaj nazwisko operatora:", false);
    if (entry.empty()) {
        return;
    }
    const std::string name = first_chars(entry, kOperatorTextLength);
    if (blank(name)) {
        dialogs_.error("Błędna nazwa operatora!");
        return;
    }
    if (std::any_of(operators_.begin(), operators_.end(),
                    [&name](const Operator& op) { return same_name(op.name, name); })) {
        dialogs_.error("Operator już istnieje!");
        return;
    }
    const std::string password =
        first_chars(ask("Hasło", "Wprowadź hasło dla nowego operatora:", true), kOperatorTextLength);
    if (password.empty()) {
        return;
    }
    if (blank(password)) {
        dialogs_.error(kEmptyPassword);
        return;
    }
    auto place =
        std::upper_bound(operators_.begin(), operators_.end(), name,
                         [](const std::string& n, const Operator& op) { return polish_less(n, op.name); });
    const auto added = operators_.insert(place, Operator{name, password});
    selected_ = static_cast<int>(added - operators_.begin());
    save();
    changes_.record({"operator", name, "", "dodany"});
}

void OperatorWindow::delete_operator() {
    if (selected_ < 0) {
        dialogs_.error(kNoneSelected);
        return;
    }
    const std::string name = operators_[static_cast<std::size_t>(selected_)].name;
    if (!dialogs_.question("Czy napewno usunąć operatora: \"" + name + "\"?")) {
        return;
    }
    if (!may_delete_operator(name)) {
        dialogs_.error("Administrator nie może być usunięty!");
        return;
    }
    operators_.erase(operators_.begin() + selected_);
    save();
    changes_.record({"operator", name, "", "usunięty"});
    select(std::min(selected_, static_cast<int>(operators_.size()) - 1));
}

void OperatorWindow::change_password() {
    if (selected_ < 0) {
        dialogs_.error(kNoneSelected);
        return;
    }
    const std::string entry = ask("Zmiana hasła", "Wprowadź nowe hasło:", true);
    if (entry.empty()) {
        return;
    }
    if (blank(entry)) {
        dialogs_.error(kEmptyPassword);
        return;
    }
    Operator& changed = operators_[static_cast<std::size_t>(selected_)];
    changed.password = first_chars(entry, kOperatorTextLength);
    save();
    changes_.record({"operator", changed.name, "", "hasło zmienione"});
}

}  // namespace wazenie
