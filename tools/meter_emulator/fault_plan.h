#pragma once

#include <random>
#include <string>

namespace wazenie::emulator {

// How often a fault strikes: every Nth answer, or at random with a percentage; never by default.
class FaultRate {
public:
    // "N" (every Nth) or "P%" (0..100); false for any other text.
    bool parse(const std::string& text);
    bool strikes(std::mt19937& random);

private:
    int every_ = 0;
    double percent_ = 0;
    long long count_ = 0;
};

struct FaultPlan {
    FaultRate no_answer;
    FaultRate bad_crc;
    FaultRate wrong_scale;
    FaultRate garbage;
    FaultRate split;
};

}  // namespace wazenie::emulator
