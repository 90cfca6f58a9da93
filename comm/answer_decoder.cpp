#include "comm/answer_decoder.h"

#include "comm/exchange_log.h"

namespace wazenie {

namespace {

constexpr const char* kWrongScale = "odpowiedź od niewłaściwej wagi";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Only 1..4 name a scale; a "0" must not match the station that asked nobody yet.
bool is_scale(int n) {
    return n >= 1 && n <= kScales;
}

Rejection wrong_scale_digit(char c) {
    return {"błędny numer wagi: \"" + frame_text(std::string(1, c)) + "\""};
}

DecodedAnswer decode_acknowledgement(std::string_view frame, int awaited) {
    if (frame.size() != 2) {
        return Rejection{"błędna odpowiedź (zła długość)"};
    }
    if (!is_digit(frame[1])) {
        return wrong_scale_digit(frame[1]);
    }
    const int scale = frame[1] - '0';
    if (!is_scale(scale)) {
        return Rejection{kWrongScale};
    }
    if (scale != awaited) {
        return Rejection{kWrongScale, scale};
    }
    return Acknowledgement{frame[0], scale};
}

DecodedAnswer decode_reading(std::string_view frame, int asked) {
    if (frame.empty()) {
        return Rejection{"błędny numer wagi: \"\""};
    }
    if (!is_digit(frame[0])) {
        return wrong_scale_digit(frame[0]);
    }
    const int scale = frame[0] - '0';
    if (scale != asked || !is_scale(scale)) {
        return Rejection{kWrongScale};
    }
    if (frame.size() != 13) {
        return Rejection{"niewłaściwa długość danych (" + std::to_string(frame.size()) + ")"};
    }
    if (frame.substr(11, 2) != crc16_bytes(frame.substr(0, 11))) {
        return Rejection{"odczytano błędne CRC; waga:" + std::to_string(scale), 0, true};
    }
    Reading reading{scale, decode_status(static_cast<unsigned char>(frame[1])), std::nullopt, {}};
    if (reading.bits.b67 == 0) {
        if (const Result<double> mass = parse_mass(frame)) {
            reading.mass = *mass;
        } else {
            reading.unreadable = mass.error().what;
        }
    }
    return reading;
}

}  // namespace

DecodedAnswer decode_answer(std::string_view frame, AwaitedAnswer awaited) {
    return awaited.acknowledgement ? decode_acknowledgement(frame, awaited.scale)
                                   : decode_reading(frame, awaited.scale);
}

}  // namespace wazenie
