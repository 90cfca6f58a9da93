#pragma once

#include <string>
#include <vector>

#include "comm/answer_sink.h"

namespace wazenie::testing {

struct WeightAnswer {
    int scale, b03, b45, b67;
    double mass;
    bool operator==(const WeightAnswer&) const = default;
};

struct Acknowledgement {
    char verdict;
    int scale;
    bool operator==(const Acknowledgement&) const = default;
};

class RecordingSink : public AnswerSink {
public:
    std::vector<Acknowledgement> acks;
    std::vector<WeightAnswer> weights;
    int exchange_changes = 0;
    int connection_changes = 0;

    void on_acknowledgement(char verdict, int scale) override { acks.push_back({verdict, scale}); }
    void on_weight_answer(int scale, int b03, int b45, int b67, double mass) override {
        weights.push_back({scale, b03, b45, b67, mass});
    }
    void on_exchange_changed() override { ++exchange_changes; }
    void on_connection_changed() override { ++connection_changes; }
};

}  // namespace wazenie::testing
