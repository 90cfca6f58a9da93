#pragma once

namespace wazenie {

// b67 handed on for a weight answer whose mass text could not be read. It is not a value of the
// two-bit field, so the receiver treats the answer like any other with b67 not 0: it changes no mass
// and no state (a full tank must never read as 0 kg).
inline constexpr int kUnreadableMassB67 = 4;

// Where the line exchange hands the answers that passed its checks, once it has brought the
// exchange's own state (the line, the failure counts, the repeats) up to date; the answer handling
// implements it.
class AnswerSink {
public:
    virtual ~AnswerSink() = default;
    // An acknowledgement from cpq.weight_num; cpq.status is already EMPTY. verdict 'P' = done.
    virtual void on_acknowledgement(char verdict, int scale) = 0;
    // A weight answer from r.cp_weight_num (1..4) with a good length and check sum. mass is 0 when
    // b67 is not 0.
    virtual void on_weight_answer(int scale, int b03, int b45, int b67, double mass) = 0;
};

}  // namespace wazenie
