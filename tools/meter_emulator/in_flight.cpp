#include "in_flight.h"

#include <vector>

#include "core/number_text.h"
#include "core/process_records.h"

namespace wazenie::emulator {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

}  // namespace

std::optional<std::map<int, InFlight>> parse_in_flight(const std::string& text) {
    std::map<int, InFlight> out;
    for (const std::string& scale_part : split(text, ',')) {
        const std::vector<std::string> fields = split(scale_part, ':');
        if (fields.size() < 2 || fields.size() > 3) {
            return std::nullopt;
        }
        const auto scale = parse_int(fields[0]);
        const auto kg = parse_decimal(fields[1]);
        const auto noise = fields.size() == 3 ? parse_decimal(fields[2]) : 0.0;
        if (!scale || *scale < 1 || *scale > kScales || out.count(*scale) || !kg || *kg < 0 || !noise ||
            *noise < 0) {
            return std::nullopt;
        }
        out[*scale] = {*kg, *noise};
    }
    return out;
}

}  // namespace wazenie::emulator
