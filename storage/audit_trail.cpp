#include "storage/audit_trail.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "storage/cp1250.h"
#include "storage/date_time.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr int kFields = 6;

std::optional<std::uintmax_t> size_of(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    return error ? std::nullopt : std::optional(size);
}

// What the next line chains to: the hash of the last line that splits.
Result<std::string> read_last_hash(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return std::string(kChainStart);
    }
    std::string last(kChainStart);
    const Status read = text_file::for_each_line(file, [&last](std::string_view line) {
        if (ChainedLine chained; split_chained_line(line, chained)) {
            last = chained.hash;
        }
        return true;
    });
    if (!read) {
        return read.error();
    }
    return last;
}

std::optional<AuditEntry> entry_of(std::string_view text) {
    if (std::count(text.begin(), text.end(), '\t') != kFields - 1) {
        return std::nullopt;
    }
    const std::string date = tab_field(text, 0);
    const auto at = date.size() == 19 ? parse_date_time(date) : std::nullopt;
    if (!at) {
        return std::nullopt;
    }
    return AuditEntry{*at,
                      tab_field(text, 1),
                      {tab_field(text, 2), tab_field(text, 3), tab_field(text, 4), tab_field(text, 5)}};
}

bool holds(const AuditEntry& e, std::string_view upper) {
    for (const std::string* field :
         {&e.who, &e.change.what, &e.change.object, &e.change.before, &e.change.after}) {
        if (upper_pl(*field).find(upper) != std::string::npos) {
            return true;
        }
    }
    return file_date_time(e.at).find(upper) != std::string::npos;
}

}  // namespace

std::filesystem::path audit_trail_path(const std::filesystem::path& data_dir) {
    return data_dir / "dziennik_zmian.txt";
}

std::string audit_text(const AuditEntry& entry) {
    const Change& c = entry.change;
    const std::string text = file_date_time(entry.at) + '\t' + clean_field(entry.who) + '\t' +
                             clean_field(c.what) + '\t' + clean_field(c.object) + '\t' +
                             clean_field(c.before) + '\t' + clean_field(c.after);
    return cp1250_to_utf8(utf8_to_cp1250(text));
}

AuditTrail::AuditTrail(std::filesystem::path file) : file_(std::move(file)) {}

Status AuditTrail::append(const AuditEntry& entry) {
    if (!size_ || size_of(file_) != size_) {
        auto last = read_last_hash(file_);
        if (!last) {
            return last.error();
        }
        last_hash_ = std::move(*last);
    }
    const std::string line = chained_line(last_hash_, audit_text(entry));
    const Status written = text_file::append_own_lines(file_, {line});
    if (!written) {
        size_.reset();
        return written;
    }
    ChainedLine chained;
    split_chained_line(line, chained);
    last_hash_ = chained.hash;
    size_ = size_of(file_);
    return {};
}

Result<AuditRead> read_audit_trail(const std::filesystem::path& file) {
    auto lines = text_file::read_lines_if_present(file);
    if (!lines) {
        return lines.error();
    }
    AuditRead read;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        ChainedLine chained;
        std::optional<AuditEntry> entry;
        if (split_chained_line(line, chained)) {
            entry = entry_of(chained.text);
        }
        if (entry) {
            read.entries.push_back(std::move(*entry));
        } else {
            read.damaged.push_back(text_file::damaged_line(i, line));
        }
    }
    return read;
}

std::vector<AuditEntry> filter_audit(const std::vector<AuditEntry>& entries, DateTime from, DateTime to,
                                     std::string_view text) {
    const std::string upper = upper_pl(trim(text));
    std::vector<AuditEntry> shown;
    for (const AuditEntry& e : entries) {
        if ((from != 0 && e.at < std::floor(from)) || (to != 0 && e.at >= std::floor(to) + 1)) {
            continue;
        }
        if (upper.empty() || holds(e, upper)) {
            shown.push_back(e);
        }
    }
    return shown;
}

}  // namespace wazenie
