#pragma once

#include <climits>
#include <optional>
#include <string>

#include "core/process_records.h"

namespace wazenie {

struct Settings;

// The numbers that can be issued: from 1, and below INT_MAX, since the counter is written advanced
// past a number before the number is used.
inline constexpr int kLastWeightDocNumber = INT_MAX - 1;
inline bool weight_doc_number_usable(int number) {
    return number >= 1 && number <= kLastWeightDocNumber;
}
// Whether weightdoc_next can be issued.
bool weight_doc_available(const Settings& settings);
// A new WZ number from weightdoc_format; advances settings.weightdoc_next. Nothing while the counter
// is not available.
std::optional<std::string> next_weight_doc(Settings& settings, DateTime now);
// The operator's message while the counter is not available: the value in question and what to do.
std::string weight_doc_refusal(const Settings& settings);

}  // namespace wazenie
