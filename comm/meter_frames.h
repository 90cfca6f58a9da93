#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// CRC-16 with the reflected polynomial 0xA001, start 0xFFFF, no final XOR.
std::uint16_t crc16(std::string_view text);
// The check sum as the two bytes a frame carries: low byte first.
std::string crc16_bytes(std::string_view text);

// The frame of a command or weight question: keyword, scale in decimal, ";". Empty for
// CP_MSG_RECIPE (see recipe_frame) and for an unknown kind.
std::string request_frame(int scale, int kind);

// The mass digits of a recipe frame, points removed, zero-padded to 5: the shortest general text, or
// fixed point with exactly `decimals` places for a meter set to read them.
std::string recipe_mass_digits(double mass, std::optional<int> decimals = std::nullopt);
// Frame `part` of a recipe transfer to `scale` (1..4): part 0 "RECn;", parts 1..7 the mass of
// material `part` in the scale's current cycle (c1, plus clast in the last cycle) as digits, check
// sum and ";". Empty for a part outside 0..7.
std::string recipe_frame(const ProcessState& p, int scale, int part);
// A mass frame of a recipe transfer: the digits of `mass`, check sum and ";".
std::string recipe_mass_frame(double mass, std::optional<int> decimals);

// A weight answer: scale digit, status byte, mass field as given, check sum of those bytes.
std::string weight_answer_frame(int scale, int status_byte, std::string_view mass_field);

// The status byte of a weight answer: bits 0..3 the material (1..7) or 8 while the tank is emptied,
// bits 4..5 the run mode (0 stopped, 1 running, 2 paused), bits 6..7 a reading that carries nothing.
// Both sides of the line build and read it here.
struct StatusBits {
    int b03 = 0;
    int b45 = 0;
    int b67 = 0;
};
inline constexpr int kEmptyingB03 = 8;
constexpr unsigned char encode_status(StatusBits bits) {
    return static_cast<unsigned char>((bits.b03 & 0x0F) | (bits.b45 & 0x03) << 4 | (bits.b67 & 0x03) << 6);
}
constexpr StatusBits decode_status(unsigned char status_byte) {
    return {status_byte & 0x0F, (status_byte >> 4) & 0x03, (status_byte >> 6) & 0x03};
}

// The mass of a weight answer in kilograms. The error's `what` is the exchange-log text.
Result<double> parse_mass(std::string_view frame);

}  // namespace wazenie
