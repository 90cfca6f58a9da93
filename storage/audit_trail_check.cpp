#include "storage/audit_trail_check.h"

#include <system_error>

#include "storage/audit_trail.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"

namespace wazenie {

BookReport check_audit_trail(const std::filesystem::path& data_dir) {
    BookReport report;
    const auto file = audit_trail_path(data_dir);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return report;
    }
    const std::string name = shown_file(data_dir, file);
    const auto lines = text_file::read_lines(file);
    if (!lines) {
        report.unreadable = true;
        report.lines.push_back(name + ": nie można odczytać pliku");
        return report;
    }
    for (const std::size_t i : broken_links(*lines)) {
        report.found(name + " linia " + std::to_string(i + 1) +
                     ": wiersz zmieniony, usunięty lub wstawiony po zapisaniu (łańcuch przerwany)");
    }
    report.lines.push_back(name + ": " + counted(lines->size(), {"wiersz", "wiersze", "wierszy"}) +
                           (report.tampered ? ", niezgodny" : ", zgodny"));
    return report;
}

}  // namespace wazenie
