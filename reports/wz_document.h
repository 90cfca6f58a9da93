#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/print_document.h"
#include "core/process_records.h"
#include "reports/wz_delivery.h"
#include "storage/settings.h"

namespace wazenie {

// The issuer's name and address printed under "Wystawiający:": installation data kept in konfig.ini
// as [Wystawca] linia1 .. linia4 (missing keys print as empty lines).
inline constexpr const char* kIssuerSection = "Wystawca";
std::array<std::string, 4> issuer_lines(const Settings& settings);

// "2024/03/05, 07:08.09", the form of the WZ's job title and weighing times; "---" when not set.
std::string wz_date_time(DateTime t);

// The WZ document of one process in the variant settings.wz_print_content (0 total only, 1 per scale,
// 2 per material, 3 per scale and material); `copy` from 1, the job titles of copies 2.. end in " c<n>".
// A `delivery` adds its block after the masses.
PrintDocument wz_document(const recipe_record& r, const Scales& w, const Settings& settings, DateTime now,
                          int copy, const std::optional<WzDelivery>& delivery = std::nullopt);

}  // namespace wazenie
