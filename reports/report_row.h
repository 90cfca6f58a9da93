#pragma once

#include <array>
#include <string>
#include <string_view>

namespace wazenie {

inline constexpr std::array<std::string_view, 11> kReportColumns = {
    "Nr WZ",          "Rozpoczęcie",          "Zakończenie",    "Masa",         "Cykle",   "Receptura",
    "Klient - skrót", "Klient - nazwa pełna", "Klient - adres", "Klient - NIP", "Operator"};

// One row of the report list, the texts as the log holds them.
struct ReportRow {
    std::string weight_doc;
    std::string start_time;
    std::string stop_time;
    std::string mass;
    std::string cycles;
    std::string recipe_name;
    std::string client_short;
    std::string client_full;
    std::string client_address;
    std::string client_nip;
    std::string user_name;
    // "yyyymm" of the log the row was read from; empty for the total and "<brak pomiarów>" rows.
    std::string log_month;

    std::array<std::string_view, 11> columns() const {
        return {weight_doc,   start_time,  stop_time,      mass,       cycles,   recipe_name,
                client_short, client_full, client_address, client_nip, user_name};
    }
    bool operator==(const ReportRow&) const = default;
};

}  // namespace wazenie
