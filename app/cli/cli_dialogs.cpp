#include "app/cli/cli_dialogs.h"

#include <iostream>

#include "app/cli/exit_codes.h"

namespace wazenie {

void TerminalDialogs::show(const char* kind, const std::string& text) {
    // "\r" is the boxes' line break; a terminal wants "\n".
    std::string lines = text;
    for (char& c : lines) {
        if (c == '\r') {
            c = '\n';
        }
    }
    out_ << kind << ": " << lines << std::endl;
}

void TerminalDialogs::error(const std::string& text) {
    ++errors_;
    show("błąd", text);
}

void TerminalDialogs::warning(const std::string& text) {
    // One marked line per line of the box: a log filtered for warnings keeps every item of a list.
    std::size_t start = 0;
    for (std::size_t end = text.find('\r'); end != std::string::npos; end = text.find('\r', start)) {
        show("ostrzeżenie", text.substr(start, end - start));
        start = end + 1;
    }
    show("ostrzeżenie", text.substr(start));
}

void TerminalDialogs::information(const std::string& text) {
    show("informacja", text);
}

bool TerminalDialogs::question(const std::string& text) {
    if (!answers_) {
        show("pytanie", text + " Tak");
        return true;
    }
    show("pytanie", text + " [t/N]");
    std::string line;
    if (!std::getline(*answers_, line)) {
        return false;
    }
    return line == "t" || line == "T" || line == "tak" || line == "Tak" || line == "TAK";
}

std::string TerminalDialogs::ask_value(const ValueRequest& request) {
    return request.initial;
}

int print_lines(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::cout << line << "\n";
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "błąd: Błąd zapisu na standardowe wyjście.\n";
        return exit_code::kFileError;
    }
    return exit_code::kDone;
}

}  // namespace wazenie
