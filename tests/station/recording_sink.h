#pragma once

#include <string>
#include <vector>

#include "station/answer_sink.h"

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

    void on_acknowledgement(char verdict, int scale) override { acks.push_back({verdict, scale}); }
    void on_weight_answer(int scale, int b03, int b45, int b67, double mass) override {
        weights.push_back({scale, b03, b45, b67, mass});
    }
};

}  // namespace wazenie::testing
