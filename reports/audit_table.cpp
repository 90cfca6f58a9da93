#include "reports/audit_table.h"

#include "storage/date_time.h"

namespace wazenie {

TextTable audit_table(const std::vector<AuditEntry>& entries) {
    TextTable table{
        {"Data", "Operator", "Co", "Czego dotyczy", "Było", "Jest"}, std::vector<bool>(6, false), {}};
    table.rows.reserve(entries.size());
    for (const AuditEntry& e : entries) {
        table.rows.push_back(
            {file_date_time(e.at), e.who, e.change.what, e.change.object, e.change.before, e.change.after});
    }
    return table;
}

}  // namespace wazenie
