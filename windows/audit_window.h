#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "storage/audit_trail.h"

namespace wazenie {

// The window "Dziennik zmian" (administrator only, from the settings window): the audit trail read
// at each opening, shown newest first between two dates and through a text filter.
class AuditWindow {
public:
    AuditWindow(std::filesystem::path data_dir, Dialogs& dialogs, const Clock& clock);

    static std::vector<std::string> titles();

    // Reads the file; a file that does not read is told, lines that do not read once together. The
    // dates open on the last 30 days up to today.
    void open();
    void set_from(DateTime day);
    void set_to(DateTime day);
    void set_filter(const std::string& text);

    DateTime from() const { return from_; }
    DateTime to() const { return to_; }
    // The entries shown, newest first, as the columns of titles().
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }

private:
    void refilter();

    std::filesystem::path data_dir_;
    Dialogs& dialogs_;
    const Clock& clock_;
    std::vector<AuditEntry> entries_;
    DateTime from_ = 0;
    DateTime to_ = 0;
    std::string filter_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace wazenie
