#include "station/line_exchange.h"

#include <type_traits>
#include <variant>

#include "station/station_view.h"
#include "storage/settings.h"

namespace wazenie {

namespace {

constexpr std::size_t kReadChunk = 1024;  // the port's input buffer

}  // namespace

bool scale_lost(const ProcessState& p, int n) {
    return p.w[n].cp_timeout_num > kFailuresOfAConnectedScale ||
           (p.cpq.weight_num == n && p.cpq.timeout_num > kFailuresOfAConnectedScale);
}

void LineExchange::error(const std::string& text) {
    log_.log_line(log_code::ERROR, text);
}

void LineExchange::send_message(int scale, int kind) {
    if (!Scales::in_range(scale)) {
        error("błąd wysyłania; nieprawidłowy numer wagi: " + std::to_string(scale));
        return;
    }
    const std::string frame = kind == CP_MSG_RECIPE ? recipe_part_frame(scale) : request_frame(scale, kind);
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
    view_.technical();
}

std::string LineExchange::recipe_part_frame(int scale) const {
    const int part = p_.cpq.rec_part;
    const weight_record& w = p_.w[scale];
    if (!recipe_mass_ || part < 1 || part > w.max_material || part > kMaterials) {
        return recipe_frame(p_, scale, part);
    }
    return recipe_mass_frame(recipe_mass_(scale, part), w.meter_decimals);
}

void LineExchange::receive_bytes() {
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

void LineExchange::take_bytes(const std::string& bytes) {
    splitter_.take(
        bytes, [this](const std::string& frame) { handle_answer(frame); },
        [this] {
            error("błędna odpowiedź (brak zakończenia po " + std::to_string(FrameSplitter::kMaxFrame) +
                  " znakach)");
        });
}

void LineExchange::handle_answer(const std::string& frame) {
    p_.r.cp_status = line_status::RECEIVED;
    p_.r.cp_time = p_.r.cp_tick;
    log_.log_line(log_code::RECEIVED, frame);
    view_.technical();
    const bool acknowledgement = p_.cpq.status == command_status::SEND;
    if (acknowledgement) {
        // Any frame ends the wait, whatever it holds.
        p_.cpq.status = command_status::EMPTY;
        view_.technical();
    }
    const AwaitedAnswer awaited{acknowledgement, acknowledgement ? p_.cpq.weight_num : p_.r.cp_weight_num};
    std::visit(
        [this, awaited](auto&& answer) {
            if constexpr (std::is_same_v<std::decay_t<decltype(answer)>, Rejection>) {
                take(answer, awaited.scale);
            } else {
                take(answer);
            }
        },
        decode_answer(frame, awaited));
}

void LineExchange::take(const Rejection& rejection, int awaited_scale) {
    if (rejection.answering != 0) {
        answered(rejection.answering);
    }
    error(rejection.reason);
    if (rejection.bad_check_sum) {
        failed(awaited_scale);
        splitter_.clear();
        p_.r.cp_status = line_status::NONE;
        view_.technical();
    }
}

void LineExchange::take(const Acknowledgement& ack) {
    answered(ack.scale);
    if (ack.verdict == 'P') {
        p_.cpq.timeout_num = 0;
    } else {
        error("odpowiedź: transmisja błędna");
        if (ack.verdict == 'W' && p_.cpq.msg == CP_MSG_RECIPE) {
            // A faulty transfer: all eight frames again.
            repeat_command();
            view_.technical();
        }
    }
    sink_.on_acknowledgement(ack.verdict, ack.scale);
}

void LineExchange::take(const Reading& reading) {
    if (!Scales::in_range(reading.scale)) {
        return;
    }
    int b67 = reading.bits.b67;
    if (!reading.unreadable.empty()) {
        error(reading.unreadable);
        b67 = kUnreadableMassB67;
    }
    if (reading.scale == p_.cpq.weight_num) {
        p_.cpq.timeout_num = 0;
    }
    answered(reading.scale);
    sink_.on_weight_answer(reading.scale, reading.bits.b03, reading.bits.b45, b67, reading.mass.value_or(0));
}

bool LineExchange::time_out(std::int32_t d) {
    recipe_record& r = p_.r;
    if (r.cp_status != line_status::SEND || d <= settings_.rs_timeout) {
        return false;
    }
    const bool command_awaited = p_.cpq.status == command_status::SEND;
    error("timeout; waga:" + std::to_string(command_awaited ? p_.cpq.weight_num : r.cp_weight_num));
    if (!command_awaited) {
        failed(r.cp_weight_num);
    }
    splitter_.clear();
    r.cp_status = line_status::NONE;
    if (command_awaited) {
        repeat_command();
        view_.scales(r.view_cycle);
    }
    view_.technical();
    return true;
}

void LineExchange::restart() {
    p_.r.cp_status = line_status::NONE;
    p_.cpq = pending_command{};
    splitter_.clear();
}

// A scale that answers is connected again.
void LineExchange::answered(int scale) {
    p_.w[scale].cp_timeout_num = 0;
    view_.connection();
}

void LineExchange::failed(int scale) {
    if (Scales::in_range(scale)) {
        ++p_.w[scale].cp_timeout_num;
        view_.connection();
    }
}

// Sent again from its first frame, until the attempts are used up.
void LineExchange::repeat_command() {
    pending_command& cpq = p_.cpq;
    ++cpq.timeout_num;
    cpq.status = cpq.timeout_num >= kCommandAttempts ? command_status::EMPTY : command_status::WAITING;
    cpq.rec_part = 0;
    view_.connection();
}

}  // namespace wazenie
