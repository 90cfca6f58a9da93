#include "storage/delivery_history.h"

#include <algorithm>

#include "core/trim.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr std::string_view kTruck = "samochod";
constexpr std::string_view kSite = "budowa";

bool same(const DeliveryHistory::Entry& e, std::string_view client, DeliveryHistory::Kind kind) {
    return e.kind == kind && e.client == client;
}

}  // namespace

std::vector<std::string> DeliveryHistory::recent(std::string_view client, Kind kind) const {
    std::vector<std::string> values;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (same(*it, trim(client), kind)) {
            values.push_back(it->value);
        }
    }
    return values;
}

bool DeliveryHistory::remember(std::string_view client, Kind kind, std::string_view value) {
    const std::string c(trim(clean_field(client)));
    const std::string v(trim(clean_field(value)));
    if (v.empty()) {
        return false;
    }
    const std::vector<std::string> before = recent(c, kind);
    if (!before.empty() && before.front() == v) {
        return false;
    }
    std::erase_if(entries_, [&](const Entry& e) { return same(e, c, kind) && e.value == v; });
    entries_.push_back({c, kind, v});
    // The oldest of the client's values go first.
    const auto kept = static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return same(e, c, kind); }));
    std::size_t excess = kept > kKept ? kept - kKept : 0;
    for (auto it = entries_.begin(); excess > 0 && it != entries_.end();) {
        if (same(*it, c, kind)) {
            it = entries_.erase(it);
            --excess;
        } else {
            ++it;
        }
    }
    return true;
}

std::filesystem::path delivery_history_path(const std::filesystem::path& data_dir) {
    return data_dir / "dostawy.txt";
}

Result<DeliveryHistory> read_delivery_history(const std::filesystem::path& file) {
    auto lines = text_file::read_lines_if_present(file);
    if (!lines) {
        return lines.error();
    }
    DeliveryHistory history;
    for (const std::string& line : *lines) {
        const std::string kind = tab_field(line, 1);
        if (kind == kTruck || kind == kSite) {
            history.remember(tab_field(line, 0),
                             kind == kTruck ? DeliveryHistory::Kind::truck : DeliveryHistory::Kind::site,
                             tab_field(line, 2));
        }
    }
    return history;
}

Status save_delivery_history(const std::filesystem::path& file, const DeliveryHistory& history) {
    std::vector<std::string> lines;
    for (const DeliveryHistory::Entry& e : history.entries()) {
        lines.push_back(e.client + '\t' +
                        std::string(e.kind == DeliveryHistory::Kind::truck ? kTruck : kSite) + '\t' +
                        e.value);
    }
    return text_file::replace_atomically(file, file.parent_path() / "dostawy_tmp.txt", lines);
}

}  // namespace wazenie
