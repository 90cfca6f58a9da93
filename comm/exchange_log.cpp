#include "comm/exchange_log.h"

#include "comm/meter_frames.h"
#include "storage/cp1250.h"
#include "storage/date_time.h"

namespace wazenie {

namespace {

const char* mark(int code) {
    switch (code) {
        case log_code::SENT:
            return " >> ";
        case log_code::RECEIVED:
            return " << ";
        case log_code::ERROR:
            return " !! ";
        case log_code::NOTE:
            return " ?? ";
        default:
            return "";
    }
}

bool is_ascii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// A received frame with its status bits; a zero status byte would end the text in a view, so it is "#".
std::string received_text(std::string_view frame) {
    if (frame.size() < 11) {
        return frame_text(frame);
    }
    const StatusBits bits = decode_status(static_cast<unsigned char>(frame[1]));
    std::string text(frame);
    if (text[1] == '\0') {
        text[1] = '#';
    }
    return frame_text(text) + " (b03=" + std::to_string(bits.b03) + "; b45=" + std::to_string(bits.b45) +
           "; b67=" + std::to_string(bits.b67) + ")";
}

}  // namespace

std::string frame_text(std::string_view bytes) {
    return is_ascii(bytes) ? std::string(bytes) : cp1250_to_utf8(bytes);
}

void ExchangeLog::log_line(int code, std::string_view text) {
    std::string line = log_time(clock_.now());
    line += mark(code);
    if (code == log_code::RECEIVED) {
        line += received_text(text);
    } else if (code == log_code::SENT) {
        line += frame_text(text);
    } else {
        line += text;
    }
    if (lines_.size() > kMaxLines) {
        drop_all();
    }
    lines_.push_back(std::move(line));
    for (const auto& observer : observers_) {
        if (observer.line_added) {
            observer.line_added(lines_.back());
        }
    }
}

void ExchangeLog::clear() {
    drop_all();
}

void ExchangeLog::add_observer(Observer observer) {
    observers_.push_back(std::move(observer));
}

void ExchangeLog::drop_all() {
    lines_.clear();
    for (const auto& observer : observers_) {
        if (observer.cleared) {
            observer.cleared();
        }
    }
}

}  // namespace wazenie
