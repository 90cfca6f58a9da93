#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/change_journal.h"
#include "core/process_records.h"
#include "storage/audit_trail.h"

namespace wazenie {

class Clock;
class Dialogs;
class ExchangeLog;

// What a process's line in the trail concerns: its recipe, with its WZ number once it has one.
std::string process_title(const recipe_record& r);

// The journal that writes data_dir/dziennik_zmian.txt, each change with the time and the name `who`
// gives. A line that cannot be written never stops the plant: it is an exchange-log error every time,
// and a box the first time only.
class ChangeTrail final : public ChangeJournal {
public:
    ChangeTrail(const std::filesystem::path& data_dir, const Clock& clock, Dialogs& dialogs, ExchangeLog& log,
                std::function<std::string()> who);
    void record(const Change& change) override;

private:
    AuditTrail trail_;
    const Clock& clock_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    std::function<std::string()> who_;
    bool failure_shown_ = false;
};

}  // namespace wazenie
