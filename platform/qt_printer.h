#pragma once

#include <optional>
#include <string>

#include "core/printer.h"

namespace wazenie {

// The system's printers (CUPS on Linux) through QPrinter. Each print() is one job of one copy: the
// copies the operator asks for are separate jobs with their own titles.
class QtPrinter final : public Printer {
public:
    // The printer chosen in the print dialog; the system's default printer until then.
    void choose_printer(std::string name) { chosen_ = std::move(name); }

    std::optional<std::string> printer_name() const override;
    Status print(const PrintDocument& document) override;

private:
    std::optional<std::string> chosen_;
};

}  // namespace wazenie
