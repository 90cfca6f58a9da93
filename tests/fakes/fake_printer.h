#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/printer.h"

namespace wazenie::testing {

class FakePrinter : public Printer {
public:
    std::optional<std::string> name = std::string("Drukarka testowa");
    std::vector<PrintDocument> printed;

    std::optional<std::string> printer_name() const override { return name; }
    Status print(const PrintDocument& document) override {
        printed.push_back(document);
        return {};
    }
};

}  // namespace wazenie::testing
