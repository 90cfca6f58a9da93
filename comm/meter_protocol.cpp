#include "comm/meter_protocol.h"

namespace wazenie {

namespace {

constexpr std::size_t kReadChunk = 1024;  // the port's input buffer

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string wrong_scale_digit(char c) {
    return "błędny numer wagi: \"" + frame_text(std::string(1, c)) + "\"";
}

}  // namespace

void MeterProtocol::error(const std::string& text) {
    log_.log_line(log_code::ERROR, text);
}

void MeterProtocol::send_message(int scale, int kind) {
    if (!IndexedArray<int, kScales>::in_range(scale)) {
        error("błąd wysyłania; nieprawidłowy numer wagi: " + std::to_string(scale));
        return;
    }
    const std::string frame =
        kind == CP_MSG_RECIPE ? recipe_frame(p_, scale, p_.cpq.rec_part) : request_frame(scale, kind);
    if (frame.empty()) {
        error("błąd wysyłania; nieznany komunikat: " + std::to_string(kind));
        return;
    }
    if (link_.write(frame) == frame.size()) {
        log_.log_line(log_code::SENT, frame);
    } else {
        error("błąd wysyłania danych: " + frame_text(frame));
    }
    p_.r.cp_status = line_status::SEND;
    p_.r.cp_time = p_.r.cp_tick;
    sink_.on_exchange_changed();
}

void MeterProtocol::receive_bytes() {
    // A sink that opens a nested event loop may bring the next arrival here before the frame is
    // handled; those bytes are read once the current ones are done, so frames keep their order.
    if (receiving_) {
        read_again_ = true;
        return;
    }
    receiving_ = true;
    do {
        read_again_ = false;
        std::string bytes;
        do {
            bytes = link_.read(kReadChunk);
            take_bytes(bytes);
        } while (bytes.size() == kReadChunk);
    } while (read_again_);
    receiving_ = false;
}

void MeterProtocol::take_bytes(const std::string& bytes) {
    splitter_.take(
        bytes, [this](const std::string& frame) { handle_answer(frame); },
        [this] {
            error("błędna odpowiedź (brak zakończenia po " + std::to_string(FrameSplitter::kMaxFrame) +
                  " znakach)");
        });
}

void MeterProtocol::handle_answer(const std::string& frame) {
    p_.r.cp_status = line_status::RECEIVED;
    p_.r.cp_time = p_.r.cp_tick;
    log_.log_line(log_code::RECEIVED, frame);
    sink_.on_exchange_changed();
    if (p_.cpq.status == command_status::SEND) {
        handle_acknowledgement(frame);
    } else {
        handle_weight_answer(frame);
    }
}

void MeterProtocol::handle_acknowledgement(const std::string& frame) {
    p_.cpq.status = command_status::EMPTY;
    sink_.on_exchange_changed();
    if (frame.size() != 2) {
        error("błędna odpowiedź (zła długość)");
        return;
    }
    if (!is_digit(frame[1])) {
        error(wrong_scale_digit(frame[1]));
        return;
    }
    const int scale = frame[1] - '0';
    if (!IndexedArray<int, kScales>::in_range(scale)) {
        error("odpowiedź od niewłaściwej wagi");
        return;
    }
    p_.w[scale].cp_timeout_num = 0;
    sink_.on_connection_changed();
    if (scale != p_.cpq.weight_num) {
        error("odpowiedź od niewłaściwej wagi");
        return;
    }
    if (frame[0] != 'P') {
        error("odpowiedź: transmisja błędna");
    }
    sink_.on_acknowledgement(frame[0], scale);
}

void MeterProtocol::handle_weight_answer(const std::string& frame) {
    if (frame.empty() || !is_digit(frame[0])) {
        error(frame.empty() ? std::string("błędny numer wagi: \"\"") : wrong_scale_digit(frame[0]));
        return;
    }
    const int scale = frame[0] - '0';
    // Only 1..4 name a scale; a "0" must not match the cp_weight_num of a station that asked nobody yet.
    if (scale != p_.r.cp_weight_num || !IndexedArray<int, kScales>::in_range(scale)) {
        error("odpowiedź od niewłaściwej wagi");
        return;
    }
    if (frame.size() != 13) {
        error("niewłaściwa długość danych (" + std::to_string(frame.size()) + ")");
        return;
    }
    const std::string_view data = std::string_view(frame).substr(0, 11);
    if (frame.compare(11, 2, crc16_bytes(data)) != 0) {
        error("odczytano błędne CRC; waga:" + std::to_string(p_.r.cp_weight_num));
        p_.w[scale].cp_timeout_num += 1;
        sink_.on_connection_changed();
        splitter_.clear();
        p_.r.cp_status = line_status::NONE;
        sink_.on_exchange_changed();
        return;
    }
    StatusBits bits = decode_status(static_cast<unsigned char>(frame[1]));
    double mass = 0;
    if (bits.b67 == 0) {
        const Result<double> reading = parse_mass(frame);
        if (reading) {
            mass = *reading;
        } else {
            error(reading.error().what);
            bits.b67 = kUnreadableMassB67;
        }
    }
    sink_.on_weight_answer(scale, bits.b03, bits.b45, bits.b67, mass);
    p_.w[scale].cp_timeout_num = 0;
    if (scale == p_.cpq.weight_num) {
        p_.cpq.timeout_num = 0;
    }
    sink_.on_connection_changed();
}

}  // namespace wazenie
