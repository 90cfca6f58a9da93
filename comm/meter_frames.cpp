#include "comm/meter_frames.h"

#include <array>
#include <charconv>

#include "comm/exchange_log.h"
#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr std::array<std::uint16_t, 256> make_crc_table() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        std::uint16_t crc = static_cast<std::uint16_t>(b);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                             : static_cast<std::uint16_t>(crc >> 1);
        }
        table[b] = crc;
    }
    return table;
}

constexpr auto kCrcTable = make_crc_table();

const char* keyword(int kind) {
    switch (kind) {
        case CP_MSG_WEIGHT_QUESTION:
            return "A";
        case CP_MSG_START:
            return "STA";
        case CP_MSG_STOP:
            return "STO";
        case CP_MSG_PAUSE:
            return "PAU";
        case CP_MSG_TARE:
            return "TAR";
        case CP_MSG_ZERO:
            return "ZER";
        default:
            return nullptr;
    }
}

bool mass_character(char c) {
    return c == ' ' || c == '+' || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

// An optional sign, digits, at most one decimal separator, at least one digit; nothing else.
std::optional<double> mass_value(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool separator = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',') {
            if (separator) {
                return std::nullopt;
            }
            separator = true;
            number += '.';
        } else if (c >= '0' && c <= '9') {
            digit = true;
            number += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string quoted(std::string_view frame) {
    std::string text = "\"";
    text += frame_text(frame);
    text += '"';
    return text;
}

}  // namespace

std::uint16_t crc16(std::string_view text) {
    std::uint16_t crc = 0xFFFF;
    for (const char c : text) {
        crc =
            static_cast<std::uint16_t>((crc >> 8) ^ kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFu]);
    }
    return crc;
}

std::string crc16_bytes(std::string_view text) {
    const std::uint16_t crc = crc16(text);
    return {static_cast<char>(crc & 0xFFu), static_cast<char>(crc >> 8)};
}

std::string request_frame(int scale, int kind) {
    const char* word = keyword(kind);
    return word ? word + std::to_string(scale) + ";" : std::string();
}

std::string recipe_mass_digits(double mass, std::optional<int> decimals) {
    return strip_points_pad_zero(decimals ? fixed_text(mass, *decimals) : general_text(mass), 5);
}

std::string recipe_frame(const ProcessState& p, int scale, int part) {
    if (part == 0) {
        return "REC" + std::to_string(scale) + ";";
    }
    if (part < 1 || part > kMaterials) {
        return {};
    }
    const weight_record& w = p.w[scale];
    if (part > w.max_material) {
        return "00000" + crc16_bytes("00000") + ";";
    }
    const material_record& m = w.m[part];
    return recipe_mass_frame(
        cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, w.curr_cycle, p.r.total_cycle),
        w.meter_decimals);
}

std::string recipe_mass_frame(double mass, std::optional<int> decimals) {
    const std::string digits = recipe_mass_digits(mass, decimals);
    return digits + crc16_bytes(digits) + ";";
}

std::string weight_answer_frame(int scale, int status_byte, std::string_view mass_field) {
    std::string frame = std::to_string(scale);
    frame += static_cast<char>(status_byte & 0xFF);
    frame += mass_field;
    return frame + crc16_bytes(frame);
}

Result<double> parse_mass(std::string_view frame) {
    if (frame.size() < 11) {
        return Error{"za krótka masa w ciągu: " + quoted(frame), {}};
    }
    std::string text;
    for (const char c : frame.substr(2, 9)) {
        if (!mass_character(c)) {
            return Error{"nieprawidłowy znak w masie: " + quoted(frame), {}};
        }
        if (c != ' ') {
            text += c == '.' ? ',' : c;
        }
    }
    const auto value = mass_value(text);
    if (!value) {
        return Error{"nieprawidłowa masa w ciągu: " + quoted(frame), {}};
    }
    return *value;
}

}  // namespace wazenie
