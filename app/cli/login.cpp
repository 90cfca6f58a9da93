#include "app/cli/login.h"

#include <cstdlib>
#include <iostream>

#include "storage/operators.h"

namespace wazenie {

namespace {

std::optional<std::string> typed_password(std::istream& in) {
    if (const char* env = std::getenv("WAZENIE_HASLO")) {
        return std::string(env);
    }
    std::cerr << "Podaj hasło: " << std::flush;
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::optional<std::string> log_in_operator(const std::filesystem::path& data_dir, const std::string& name,
                                           std::istream& in, Dialogs& dialogs) {
    LoadedOperators loaded = load_operators(operators_file_path(data_dir));
    if (loaded.error) {
        dialogs.error(*loaded.error);
    }
    std::optional<Operator> op = find_operator(loaded.operators, name);
    if (!op) {
        dialogs.error("Nie ma operatora: " + name);
        return std::nullopt;
    }
    std::optional<std::string> password = typed_password(in);
    if (!password || !password_correct(*op, *password)) {
        dialogs.error("Błędne hasło!");
        return std::nullopt;
    }
    return op->name;
}

}  // namespace wazenie
