#pragma once

#include <string>
#include <vector>

#include "core/change_journal.h"
#include "storage/ini_document.h"

namespace wazenie {

// The audit trail's lines for what differs between two versions of konfig.ini: one per key whose
// value changed or that was added, "ustawienie" (the WZ counter "numer WZ") on "[Sekcja] klucz",
// old → new, in the file's order. A key holding a password is told as changed, without its values.
std::vector<Change> setting_changes(const IniDocument& before, const IniDocument& after);

}  // namespace wazenie
