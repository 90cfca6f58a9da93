#pragma once

#include "core/process_records.h"

namespace wazenie {

// The current local date and time, with milliseconds in the fraction of the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

}  // namespace wazenie
