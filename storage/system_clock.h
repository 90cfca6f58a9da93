#pragma once

#include "core/clock.h"

namespace wazenie {

// The machine's clock (standard library only).
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

}  // namespace wazenie
