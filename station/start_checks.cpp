#include "station/start_checks.h"

#include <string>

#include "storage/date_time.h"
#include "storage/month_books_check.h"

namespace wazenie {

void report_free_space(std::optional<std::int64_t> free_bytes, Dialogs& dialogs) {
    if (!free_bytes) {
        dialogs.error("Błąd przy próbie sprawdzania ilości wolnego miejsca na dysku.");
    } else if (*free_bytes < kMinimumFreeBytes) {
        dialogs.warning(std::string("Zbyt mało wolnego miejsca na dysku!\rProgram potrzebuje około ") + "1" +
                        "MB wolnej przestrzeni do prawidłowego funkcjonowania.");
    }
}

void report_month_books(const std::filesystem::path& data_dir, DateTime now, Dialogs& dialogs) {
    const std::string month = month_key(now);
    if (!month_has_chain(data_dir, month)) {
        return;
    }
    const BookReport report = check_month_books(data_dir, month);
    if (!report.tampered && !report.unreadable) {
        return;
    }
    // The box names a few; the inspector's command names them all.
    constexpr std::size_t kShown = 5;
    std::string text = "Zapisy miesiąca " + month + " nie zgadzają się z ich podpisami:";
    for (std::size_t i = 0; i < report.findings.size() && i < kShown; ++i) {
        text += "\r" + report.findings[i];
    }
    if (report.findings.size() > kShown) {
        text += "\r... i " + std::to_string(report.findings.size() - kShown) + " więcej";
    }
    if (report.unreadable) {
        text += "\rNie wszystkie pliki miesiąca dały się odczytać.";
    }
    dialogs.warning(text + "\rPełny wynik: wazenie-cli weryfikuj --from " + month + " --to " + month);
}

}  // namespace wazenie
