#include "app/cli/cli_changes.h"

#include "storage/audit_trail.h"
#include "storage/system_clock.h"

namespace wazenie {

void record_cli_change(const std::filesystem::path& data_dir, const Change& change, Dialogs& dialogs) {
    AuditTrail trail(audit_trail_path(data_dir));
    if (const Status written = trail.append({SystemClock().now(), kCliOperator, change}); !written) {
        dialogs.warning("Nie udało się zapisać pliku " + trail.file().string() + " (" + written.error().what +
                        "); zmiany nie zapisano w dzienniku zmian.");
    }
}

}  // namespace wazenie
