#pragma once

#include <array>
#include <ostream>

#include "core/display.h"
#include "core/process_records.h"

namespace wazenie {

// The display of a station without a window: no panels are drawn, but a scale whose panel would
// show "brak połączenia z wagą" is named on the terminal at once, and again when it answers, so a
// dead meter or a wrong port is not silence until the time limit.
class ConnectionReport final : public Display {
public:
    explicit ConnectionReport(std::ostream& out) : out_(out) {}

    void watch(const ProcessState& p) { p_ = &p; }

    void refresh_connection() override;
    void refresh_technical() override {}
    void refresh_scales(int) override {}
    void refresh_process() override {}
    void refresh_layout() override {}
    void apply_rights() override {}

private:
    std::ostream& out_;
    const ProcessState* p_ = nullptr;
    std::array<bool, kScales + 1> lost_{};
};

}  // namespace wazenie
