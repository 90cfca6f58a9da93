#include "emulator.h"

#include "comm/meter_frames.h"

namespace wazenie::emulator {

namespace {

const char kTerminator = '\r';

}  // namespace

Emulator::Emulator(const Config& config) : dead_(config.dead), faults_(config.faults), random_(config.seed) {
    for (const Meter::Config& m : config.meters) {
        meters_.emplace(m.scale, Meter(m));
    }
}

const Meter* Emulator::meter(int scale) const {
    const auto found = meters_.find(scale);
    return found == meters_.end() ? nullptr : &found->second;
}

std::vector<std::string> Emulator::take_notes() {
    return std::exchange(notes_, {});
}

std::vector<std::vector<std::string>> Emulator::receive(const std::string& bytes) {
    std::vector<std::vector<std::string>> out;
    for (const Request& request : reader_.take(bytes)) {
        const std::string reply = answer(request);
        if (!reply.empty()) {
            out.push_back(pieces(reply));
        }
    }
    return out;
}

std::string Emulator::answer(const Request& request) {
    if (request.kind == Request::JUNK) {
        notes_.push_back("nieznane zapytanie: " + request.bytes);
        return {};
    }
    if (request.kind == Request::MASS) {
        if (recipe_scale_ == 0) {
            notes_.push_back("ramka masy bez nagłówka receptury");
            return {};
        }
        recipe_ok_ = recipe_ok_ && request.check_ok;
        recipe_[static_cast<std::size_t>(recipe_part_++)] = request.digits;
        if (recipe_part_ < kMaterials) {
            return {};
        }
        const int scale = std::exchange(recipe_scale_, 0);
        auto found = meters_.find(scale);
        if (found == meters_.end() || dead_.count(scale)) {
            return {};
        }
        if (recipe_ok_) {
            found->second.set_recipe(recipe_);
        }
        return acknowledge(scale, recipe_ok_ ? 'P' : 'W');
    }
    if (request.message == CP_MSG_RECIPE) {
        recipe_scale_ = request.scale;
        recipe_part_ = 0;
        recipe_ok_ = true;
        return {};
    }
    auto found = meters_.find(request.scale);
    if (found == meters_.end() || dead_.count(request.scale)) {
        return {};
    }
    if (request.message == CP_MSG_WEIGHT_QUESTION) {
        const Fault fault = pick_fault(true);
        return apply(fault, found->second.weight_answer(fault == Fault::NONE), true);
    }
    found->second.command(request.message);
    return acknowledge(request.scale, 'P');
}

std::string Emulator::acknowledge(int scale, char verdict) {
    return apply(pick_fault(false), std::string(1, verdict).append(std::to_string(scale)), false);
}

// At most one fault per answer; the check sum can only be spoilt where there is one.
Emulator::Fault Emulator::pick_fault(bool weight_answer) {
    if (faults_.no_answer.strikes(random_)) {
        return Fault::NO_ANSWER;
    }
    if (faults_.garbage.strikes(random_)) {
        return Fault::GARBAGE;
    }
    if (faults_.wrong_scale.strikes(random_)) {
        return Fault::WRONG_SCALE;
    }
    if (weight_answer && faults_.bad_crc.strikes(random_)) {
        return Fault::BAD_CRC;
    }
    return Fault::NONE;
}

std::string Emulator::apply(Fault fault, std::string frame, bool weight_answer) {
    switch (fault) {
        case Fault::NONE:
            break;
        case Fault::NO_ANSWER:
            notes_.push_back("usterka: brak odpowiedzi");
            return {};
        case Fault::GARBAGE: {
            notes_.push_back("usterka: śmieci zamiast odpowiedzi");
            std::string junk;
            const int length = std::uniform_int_distribution<int>(3, 16)(random_);
            for (int i = 0; i < length; ++i) {
                const char c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random_));
                junk += (c == ';' || c == '\r' || c == '\n') ? '?' : c;
            }
            return junk + kTerminator;
        }
        case Fault::WRONG_SCALE: {
            notes_.push_back("usterka: odpowiedź z numerem innej wagi");
            const int other = (frame[weight_answer ? 0 : 1] - '0') % kScales + 1;
            if (weight_answer) {
                frame = weight_answer_frame(other, static_cast<unsigned char>(frame[1]), frame.substr(2, 9));
            } else {
                frame[1] = static_cast<char>('0' + other);
            }
            break;
        }
        case Fault::BAD_CRC:
            notes_.push_back("usterka: błędna suma kontrolna");
            frame.back() = static_cast<char>(frame.back() ^ 0x01);
            break;
    }
    return frame + kTerminator;
}

std::vector<std::string> Emulator::pieces(const std::string& answer) {
    if (answer.size() < 2 || !faults_.split.strikes(random_)) {
        return {answer};
    }
    notes_.push_back("usterka: odpowiedź w kawałkach");
    std::vector<std::string> out;
    const std::size_t cuts =
        std::uniform_int_distribution<std::size_t>(1, std::min<std::size_t>(3, answer.size() - 1))(random_);
    std::size_t from = 0;
    for (std::size_t i = 1; i <= cuts; ++i) {
        const std::size_t to = answer.size() * i / (cuts + 1);
        if (to > from) {
            out.push_back(answer.substr(from, to - from));
            from = to;
        }
    }
    out.push_back(answer.substr(from));
    return out;
}

}  // namespace wazenie::emulator
