#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "comm/meter_frames.h"

namespace wazenie {

// What the station waits for when an answer arrives: the acknowledgement of its command from
// `scale`, or the weight of `scale` (0 before it has asked anybody).
struct AwaitedAnswer {
    bool acknowledgement = false;
    int scale = 0;
};

// A two-character answer of the awaited scale: its verdict ('P' done) and the scale.
struct Acknowledgement {
    char verdict = 0;
    int scale = 0;
    bool operator==(const Acknowledgement&) const = default;
};

// A weight answer of the scale asked, with a good length and check sum. The mass is there only when
// b67 is 0 and its text reads; `unreadable` is the exchange-log reason when it does not.
struct Reading {
    int scale = 0;
    StatusBits bits;
    std::optional<double> mass;
    std::string unreadable;
};

// An answer that reaches neither the command nor a scale, with the exchange-log reason. `answering`
// is the scale 1..4 whose acknowledgement came while another's was awaited (it did answer);
// `bad_check_sum` marks a reading of the scale asked whose check sum failed, a failure of that scale.
struct Rejection {
    std::string reason;
    int answering = 0;
    bool bad_check_sum = false;
};

using DecodedAnswer = std::variant<Acknowledgement, Reading, Rejection>;

// One answer frame, without its terminator, read against what the station waits for.
DecodedAnswer decode_answer(std::string_view frame, AwaitedAnswer awaited);

}  // namespace wazenie
