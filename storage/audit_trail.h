#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/change_journal.h"
#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// One line of the audit trail: when, who, and the change.
struct AuditEntry {
    DateTime at = 0;
    std::string who;
    Change change;
};

// data_dir / "dziennik_zmian.txt": one chained line per change (storage/hash_chain.h), its text the
// date-time "yyyy-mm-dd hh:mm:ss", who, what, the object, before and after, tab-separated;
// Windows-1250, CR LF. Every line of the file is a chained line.
std::filesystem::path audit_trail_path(const std::filesystem::path& data_dir);

// The text a chained line carries for an entry, as it reads back from the file (characters the code
// page lacks already replaced), so that its hash holds on reading.
std::string audit_text(const AuditEntry& entry);

// Appends to the trail, each line chained to the one before. The last hash is read from the file once
// and then kept; it is read again only when the file's size is not the one this writer left (another
// program appended, or the file was cut). A last line cut short by a crash stays a damaged line of its
// own, and the new line chains to the last line that reads.
class AuditTrail {
public:
    explicit AuditTrail(std::filesystem::path file);
    Status append(const AuditEntry& entry);
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    std::string last_hash_;
    std::optional<std::uintmax_t> size_;  // none: not read yet
};

// The trail as read: the entries in file order, and each line that does not read as one named
// ("linia N: ..."). Whether the chain holds is the verifier's question, not the reader's.
struct AuditRead {
    std::vector<AuditEntry> entries;
    std::vector<std::string> damaged;
};
// A missing file holds nothing.
Result<AuditRead> read_audit_trail(const std::filesystem::path& file);

// The entries from `from` to `to` (whole days; 0: no bound) that hold `text` in any field, letter case
// ignored (empty: all).
std::vector<AuditEntry> filter_audit(const std::vector<AuditEntry>& entries, DateTime from, DateTime to,
                                     std::string_view text);

}  // namespace wazenie
