#pragma once

#include <functional>
#include <string>

#include "comm/serial_link.h"

namespace wazenie {

// The line when the station runs without meters: always open once opened, takes every write whole
// and never receives a byte. The answers come from Simulation::auto_answer_tick instead.
class SimulatedLink final : public SerialLink {
public:
    bool open(const std::string& device, int baud_rate) override;
    bool is_open() const override { return open_; }
    std::size_t write(const std::string& bytes) override;
    std::string read(std::size_t) override { return {}; }
    void close() override { open_ = false; }
    void on_bytes_arrived(std::function<void()>) override {}

private:
    bool open_ = false;
};

}  // namespace wazenie
