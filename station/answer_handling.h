#pragma once

#include "station/answer_sink.h"
#include "station/station_context.h"

namespace wazenie {

// What a checked answer from a meter does to the process: an acknowledgement completes, passes on
// or repeats the pending command; a weight answer records the masses and moves the scale through
// NOT_STARTED, STARTED, OPEN_TRAY and COMPLETED.
class AnswerHandling final : public AnswerSink {
public:
    explicit AnswerHandling(StationContext& c) : c_(c) {}

    void on_acknowledgement(char verdict, int scale) override;
    void on_weight_answer(int scale, int b03, int b45, int b67, double mass) override;

private:
    void command_done();
    void start_after_recipe();
    void take_reading(weight_record& w, int b03, int b45, double mass);
    int next_cycle_status(const weight_record& w, int b03, int b45) const;

    StationContext& c_;
};

}  // namespace wazenie
