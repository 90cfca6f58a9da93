#pragma once

#include "core/clock.h"

namespace wazenie::testing {

class FakeClock : public Clock {
public:
    DateTime time = 45356.0;  // 2024-03-05 00:00:00
    DateTime now() const override { return time; }
    void advance_seconds(double s) { time += s / 86400.0; }
};

}  // namespace wazenie::testing
