#pragma once

namespace wazenie {

// b67 handed on for a weight answer whose mass text could not be read. It is not a value of the
// two-bit field, so the receiver treats the answer like any other with b67 not 0: it clears the
// failure counts but changes no mass and no state (a full tank must never read as 0 kg).
inline constexpr int kUnreadableMassB67 = 4;

// Where the meter protocol hands the answers that passed its checks; the main loop implements it.
class AnswerSink {
public:
    virtual ~AnswerSink() = default;
    // An acknowledgement from cpq.weight_num; cpq.status is already EMPTY. verdict 'P' = done.
    virtual void on_acknowledgement(char verdict, int scale) = 0;
    // A weight answer from r.cp_weight_num (1..4) with a good length and check sum. mass is 0 when
    // b67 is not 0. The protocol itself clears w[scale].cp_timeout_num, and cpq.timeout_num when the
    // scale is cpq.weight_num, right after this call.
    virtual void on_weight_answer(int scale, int b03, int b45, int b67, double mass) = 0;

    // The exchange state (r.cp_*, cpq) changed: the technical view may be refreshed.
    virtual void on_exchange_changed() {}
    // A scale's failure count changed: the connection messages may be refreshed.
    virtual void on_connection_changed() {}
};

}  // namespace wazenie
