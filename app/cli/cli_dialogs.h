#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "core/dialogs.h"

namespace wazenie {

// The dialogs seam on a terminal: boxes become "błąd: ...", "ostrzeżenie: ...", "informacja: ..."
// lines, the input dialog takes its initial text, the print dialog one copy. Questions are answered
// Yes, since nobody sits at a headless station to answer, unless `answers` is given: then each takes
// one line of it, "t" or "tak" for Yes, anything else or its end for No.
class TerminalDialogs final : public Dialogs {
public:
    explicit TerminalDialogs(std::ostream& out, std::istream* answers = nullptr)
        : out_(out), answers_(answers) {}

    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void information(const std::string& text) override;
    bool question(const std::string& text) override;
    std::string ask_value(const ValueRequest& request) override;
    std::optional<int> ask_print_copies() override { return 1; }

    int errors_shown() const { return errors_; }

private:
    void show(const char* kind, const std::string& text);

    std::ostream& out_;
    std::istream* answers_;
    int errors_ = 0;
};

// The lines on standard output: done, or the file-error code when it did not take them (a full
// device, a closed pipe).
int print_lines(const std::vector<std::string>& lines);

}  // namespace wazenie
