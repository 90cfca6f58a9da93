#pragma once

#include <optional>
#include <string>

#include "core/print_document.h"
#include "core/result.h"

namespace wazenie {

class Printer {
public:
    virtual ~Printer() = default;
    // The current printer's name, or nothing when no printer is installed.
    virtual std::optional<std::string> printer_name() const = 0;
    // Prints one copy as one job.
    virtual Status print(const PrintDocument& document) = 0;
};

}  // namespace wazenie
