#include "station/change_trail.h"

#include "comm/exchange_log.h"
#include "core/clock.h"
#include "core/dialogs.h"

namespace wazenie {

std::string process_title(const recipe_record& r) {
    return r.weight_doc.empty() ? r.recipe_name : r.recipe_name + " (" + r.weight_doc + ")";
}

ChangeTrail::ChangeTrail(const std::filesystem::path& data_dir, const Clock& clock, Dialogs& dialogs,
                         ExchangeLog& log, std::function<std::string()> who)
    : trail_(audit_trail_path(data_dir)), clock_(clock), dialogs_(dialogs), log_(log), who_(std::move(who)) {}

void ChangeTrail::record(const Change& change) {
    const Status written = trail_.append({clock_.now(), who_(), change});
    if (written) {
        return;
    }
    const std::string file = trail_.file().string();
    log_.log_line(log_code::ERROR, "błąd zapisu pliku " + file + ": " + written.error().what);
    if (!failure_shown_) {
        failure_shown_ = true;
        dialogs_.warning("Nie udało się zapisać pliku " + file + " (" + written.error().what +
                         "). Program działa dalej, ale zmiany nie zostaną zapisane w dzienniku zmian.");
    }
}

}  // namespace wazenie
