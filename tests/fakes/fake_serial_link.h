#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "comm/serial_link.h"

namespace wazenie::testing {

// A scripted byte pipe: records every write, hands out queued input, can refuse writes.
class FakeSerialLink : public SerialLink {
public:
    bool opened = false;
    int opens = 0;
    bool refuse_open = false;
    std::string refusal;  // the reason a refused open gives
    std::string device;
    int baud = 0;
    std::vector<std::string> written;
    std::string input;
    std::size_t accept_bytes = static_cast<std::size_t>(-1);  // cap on what one write takes
    std::function<void()> handler;

    bool open(const std::string& dev, int baud_rate) override {
        device = dev;
        baud = baud_rate;
        ++opens;
        opened = !refuse_open;
        return opened;
    }
    bool is_open() const override { return opened; }
    std::string open_failure() const override { return opened ? std::string() : refusal; }
    std::size_t write(const std::string& bytes) override {
        written.push_back(bytes);
        return bytes.size() < accept_bytes ? bytes.size() : accept_bytes;
    }
    std::string read(std::size_t max_bytes) override {
        std::string out = input.substr(0, max_bytes);
        input.erase(0, out.size());
        return out;
    }
    void close() override { opened = false; }
    void on_bytes_arrived(std::function<void()> h) override { handler = std::move(h); }

    // Queues bytes and raises the arrival event, as the port does.
    void deliver(const std::string& bytes) {
        input += bytes;
        if (handler) {
            handler();
        }
    }
};

}  // namespace wazenie::testing
