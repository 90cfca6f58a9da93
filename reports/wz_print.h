#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/printer.h"
#include "core/process_records.h"
#include "reports/wz_delivery.h"
#include "storage/settings.h"

namespace wazenie {

inline constexpr const char* kNoPrinter = "Żadna drukarka nie jest aktualnie zainstalowana!";

struct WzPrintSeams {
    Printer& printer;
    Dialogs& dialogs;
    const Clock& clock;
    // Puts the chosen printer's name into the main window's status bar; may be empty.
    std::function<void(const std::string&)> show_printer_name;
};

// One copy of the WZ document as one print job; a failed job is shown as an error and gives false.
// `delivery`: see wz_document.
bool print_wz(const recipe_record& r, const Scales& w, const Settings& settings, int copy,
              WzPrintSeams& seams, const std::optional<WzDelivery>& delivery = std::nullopt);

// The print dialog's copies, the printer check, then one job per copy of document(copy) (the printer's
// own copy count stays 1). Printing stops at the first failed job rather than repeating the same error
// for every copy.
void print_copies(const std::function<PrintDocument(int copy)>& document, WzPrintSeams& seams);

// The print command of the main window and of the report: print_copies of the WZ document.
void print_wz_copies(const recipe_record& r, const Scales& w, const Settings& settings, WzPrintSeams& seams,
                     const std::optional<WzDelivery>& delivery = std::nullopt);

// The main window's "  Drukuj WZ": a process that has not ended is printed only after a Yes.
void print_wz_of_process(const ProcessState& p, const Settings& settings, WzPrintSeams& seams,
                         const std::optional<WzDelivery>& delivery = std::nullopt);

}  // namespace wazenie
