#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/cli/cli_command.h"
#include "core/dialogs.h"
#include "core/print_document.h"
#include "core/process_records.h"
#include "storage/settings.h"

namespace wazenie {

// A logged process found for a document, with the month of its log and the program's settings.
struct FoundProcess {
    ProcessState p;
    std::string month;
    Settings settings;
};

// The commands that print one logged process: --doc NR with --month RRRRMM and --start as logged, or
// without both the latest record of the number; the document as text lines, or with --pdf as a PDF.
// `document` gives nothing when it cannot be made (the message has been shown): a file error.
using ProcessDocument = std::function<std::optional<PrintDocument>(const FoundProcess&, Dialogs&)>;
int document_command(const CommandContext& context, const ProcessDocument& document);

}  // namespace wazenie
