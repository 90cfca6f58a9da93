#include "request_reader.h"

#include <algorithm>
#include <map>

#include "comm/meter_frames.h"

namespace wazenie::emulator {

namespace {

constexpr std::size_t kLongestFrame = 40;

bool all_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool starts_with_letter(std::string_view text) {
    return !text.empty() && text[0] >= 'A' && text[0] <= 'Z';
}

Request command(const std::string& frame) {
    static const std::map<std::string, int, std::less<>> kinds = {
        {"A", CP_MSG_WEIGHT_QUESTION}, {"STA", CP_MSG_START}, {"STO", CP_MSG_STOP}, {"PAU", CP_MSG_PAUSE},
        {"REC", CP_MSG_RECIPE},        {"TAR", CP_MSG_TARE},  {"ZER", CP_MSG_ZERO}};
    Request r;
    r.bytes = frame;
    const std::size_t split = frame.find_first_of("0123456789");
    if (split == std::string::npos || split == 0 || !all_digits(frame.substr(split)) ||
        frame.size() - split > 2) {
        return r;
    }
    const auto found = kinds.find(std::string_view(frame).substr(0, split));
    if (found == kinds.end()) {
        return r;
    }
    r.kind = Request::COMMAND;
    r.message = found->second;
    r.scale = std::stoi(frame.substr(split));
    return r;
}

Request mass(const std::string& frame) {
    Request r;
    r.kind = Request::MASS;
    r.bytes = frame;
    if (frame.size() >= 7 && all_digits(std::string_view(frame).substr(0, frame.size() - 2))) {
        r.digits = frame.substr(0, frame.size() - 2);
        r.check_ok = frame.compare(frame.size() - 2, 2, crc16_bytes(r.digits)) == 0;
    }
    return r;
}

}  // namespace

std::vector<Request> RequestReader::take(const std::string& bytes) {
    std::vector<Request> out;
    for (const char c : bytes) {
        if (c == ';' && !mass_frame_continues()) {
            end_frame(out);
        } else if (frame_.size() < kLongestFrame) {
            frame_ += c;
        }
    }
    return out;
}

// Within a mass frame a ";" right after the digits, or one byte after them, is a check-sum byte,
// unless the digits and two bytes before it already make a frame with a good check sum.
bool RequestReader::mass_frame_continues() const {
    if (masses_left_ == 0 || starts_with_letter(frame_) || frame_.size() >= kLongestFrame) {
        return false;
    }
    if (mass(frame_).check_ok) {
        return false;
    }
    const std::string_view f = frame_;
    return all_digits(f) || (f.size() >= 6 && all_digits(f.substr(0, f.size() - 1)));
}

void RequestReader::end_frame(std::vector<Request>& out) {
    std::string frame = std::move(frame_);
    frame_.clear();
    if (frame.empty()) {
        return;
    }
    if (masses_left_ > 0 && !starts_with_letter(frame)) {
        --masses_left_;
        out.push_back(mass(frame));
        return;
    }
    masses_left_ = 0;
    Request r = command(frame);
    if (r.kind == Request::COMMAND && r.message == CP_MSG_RECIPE) {
        masses_left_ = kMaterials;
    }
    out.push_back(std::move(r));
}

}  // namespace wazenie::emulator
