#include "station/start_checks.h"

#include <string>

namespace wazenie {

void report_free_space(std::optional<std::int64_t> free_bytes, Dialogs& dialogs) {
    if (!free_bytes) {
        dialogs.error("Błąd przy próbie sprawdzania ilości wolnego miejsca na dysku.");
    } else if (*free_bytes < kMinimumFreeBytes) {
        dialogs.warning(std::string("Zbyt mało wolnego miejsca na dysku!\rProgram potrzebuje około ") + "1" +
                        "MB wolnej przestrzeni do prawidłowego funkcjonowania.");
    }
}

}  // namespace wazenie
