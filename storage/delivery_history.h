#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace wazenie {

// The trucks and building sites last given for each client, offered again in "Parametry naważania".
class DeliveryHistory {
public:
    enum class Kind { truck, site };
    static constexpr std::size_t kKept = 10;  // a client's last values of each kind

    // Newest first.
    std::vector<std::string> recent(std::string_view client, Kind kind) const;
    // Moves the value to the front; an empty one changes nothing. False when nothing changed.
    bool remember(std::string_view client, Kind kind, std::string_view value);

    struct Entry {
        std::string client;
        Kind kind;
        std::string value;
    };
    // Oldest first, as in the file.
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// data_dir / "dostawy.txt": a line a value, oldest first: client, "samochod" or "budowa", the value;
// tab-separated, Windows-1250, CR LF.
std::filesystem::path delivery_history_path(const std::filesystem::path& data_dir);
// A missing file holds none; a line that does not read is passed over.
Result<DeliveryHistory> read_delivery_history(const std::filesystem::path& file);
// Rewritten atomically through "dostawy_tmp.txt" beside it.
Status save_delivery_history(const std::filesystem::path& file, const DeliveryHistory& history);

}  // namespace wazenie
