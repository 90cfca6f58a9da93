#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "comm/serial_link.h"

namespace wazenie {

// Passes everything to the real link and counts the frames written, for the run's statistics.
class CountingLink final : public SerialLink {
public:
    explicit CountingLink(SerialLink& link) : link_(link) {}

    bool open(const std::string& device, int baud_rate) override { return link_.open(device, baud_rate); }
    bool is_open() const override { return link_.is_open(); }
    std::string open_failure() const override { return link_.open_failure(); }
    std::size_t write(const std::string& bytes) override {
        ++frames_written_;
        return link_.write(bytes);
    }
    std::string read(std::size_t max_bytes) override { return link_.read(max_bytes); }
    void close() override { link_.close(); }
    void on_bytes_arrived(std::function<void()> handler) override {
        link_.on_bytes_arrived(std::move(handler));
    }

    long frames_written() const { return frames_written_; }

private:
    SerialLink& link_;
    long frames_written_ = 0;
};

}  // namespace wazenie
