#pragma once

namespace wazenie {

// The main window's refresh operations; logic without a window uses NullDisplay.
class Display {
public:
    virtual ~Display() = default;
    virtual void refresh_connection() = 0;
    virtual void refresh_technical() = 0;
    virtual void refresh_scales(int view_cycle) = 0;
    virtual void refresh_process() = 0;
    virtual void refresh_layout() = 0;
    virtual void apply_rights() = 0;
};

class NullDisplay final : public Display {
public:
    void refresh_connection() override {}
    void refresh_technical() override {}
    void refresh_scales(int) override {}
    void refresh_process() override {}
    void refresh_layout() override {}
    void apply_rights() override {}
};

}  // namespace wazenie
