#include "comm/meter_protocol.h"

#include <variant>

namespace wazenie {

namespace {

constexpr std::size_t kReadChunk = 1024;  // the port's input buffer

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
    const bool acknowledgement = p_.cpq.status == command_status::SEND;
    if (acknowledgement) {
        // Any frame ends the wait, whatever it holds.
        p_.cpq.status = command_status::EMPTY;
        sink_.on_exchange_changed();
    }
    const AwaitedAnswer awaited{acknowledgement, acknowledgement ? p_.cpq.weight_num : p_.r.cp_weight_num};
    std::visit([this, awaited](auto&& answer) { take(answer, awaited.scale); },
               decode_answer(frame, awaited));
}

void MeterProtocol::take(const Rejection& rejection, int awaited_scale) {
    if (rejection.answering != 0) {
        answered(rejection.answering);
    }
    error(rejection.reason);
    if (rejection.bad_check_sum) {
        p_.w[awaited_scale].cp_timeout_num += 1;
        sink_.on_connection_changed();
        splitter_.clear();
        p_.r.cp_status = line_status::NONE;
        sink_.on_exchange_changed();
    }
}

void MeterProtocol::take(const Acknowledgement& ack, int) {
    answered(ack.scale);
    if (ack.verdict != 'P') {
        error("odpowiedź: transmisja błędna");
    }
    sink_.on_acknowledgement(ack.verdict, ack.scale);
}

void MeterProtocol::take(const Reading& reading, int) {
    int b67 = reading.bits.b67;
    if (!reading.unreadable.empty()) {
        error(reading.unreadable);
        b67 = kUnreadableMassB67;
    }
    sink_.on_weight_answer(reading.scale, reading.bits.b03, reading.bits.b45, b67, reading.mass.value_or(0));
    if (reading.scale == p_.cpq.weight_num) {
        p_.cpq.timeout_num = 0;
    }
    answered(reading.scale);
}

// A scale that answers is connected again.
void MeterProtocol::answered(int scale) {
    p_.w[scale].cp_timeout_num = 0;
    sink_.on_connection_changed();
}

}  // namespace wazenie
