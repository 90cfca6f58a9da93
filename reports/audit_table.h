#pragma once

#include <vector>

#include "reports/table_output.h"
#include "storage/audit_trail.h"

namespace wazenie {

// The audit trail as a table: "Data", "Operator", "Co", "Czego dotyczy", "Było", "Jest", one row an
// entry in file order (the terminal, the CSV and the window "Dziennik zmian" show the same).
TextTable audit_table(const std::vector<AuditEntry>& entries);

}  // namespace wazenie
