#pragma once

#include <string>

#include "core/process_records.h"

namespace wazenie {

struct Settings;

// A new WZ number from weightdoc_format; advances settings.weightdoc_next.
std::string next_weight_doc(Settings& settings, DateTime now);

}  // namespace wazenie
