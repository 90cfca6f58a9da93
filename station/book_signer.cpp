#include "station/book_signer.h"

#include "comm/exchange_log.h"
#include "core/dialogs.h"
#include "storage/chain_entry.h"

namespace wazenie {

void BookSigner::sign(const std::string& yyyymm, BookKind kind, std::uintmax_t before) {
    const Status signed_now = writer_.sign_appended(data_dir_, yyyymm, kind, before);
    if (signed_now) {
        failure_shown_ = false;
        return;
    }
    const std::string chain = month_chain_path(data_dir_, yyyymm).string();
    log_.log_line(log_code::ERROR, "błąd zapisu podpisu do pliku " + chain + ": " + signed_now.error().what);
    if (!failure_shown_) {
        failure_shown_ = true;
        dialogs_.notify(
            MessageKind::warning,
            "Nie udało się zapisać podpisu do pliku: " + chain + " (" + signed_now.error().what +
                ").\rZapis w pliku " + book_path(data_dir_, yyyymm, kind).string() +
                " jest zachowany; podpisze go następny zapis, a do tego czasu sprawdzenie zapisów "
                "wskaże go jako zapis bez wpisu w łańcuchu.");
    }
}

}  // namespace wazenie
