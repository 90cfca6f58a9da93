#pragma once

#include "core/display.h"

namespace wazenie::testing {

class FakeDisplay : public Display {
public:
    int connection = 0, technical = 0, scales = 0, process = 0, layout = 0, rights = 0;
    int last_view_cycle = -1;

    void refresh_connection() override { ++connection; }
    void refresh_technical() override { ++technical; }
    void refresh_scales(int view_cycle) override {
        ++scales;
        last_view_cycle = view_cycle;
    }
    void refresh_process() override { ++process; }
    void refresh_layout() override { ++layout; }
    void apply_rights() override { ++rights; }
};

}  // namespace wazenie::testing
