#pragma once

#include <functional>
#include <string>

#include "comm/serial_link.h"

#include <QSerialPort>

namespace wazenie {

// The serial line over QSerialPort: 8 data bits, no parity, 1 stop bit, DTR on, RTS off, no flow
// control. Writes are queued and never block; received bytes are announced on the event-loop thread.
class QtSerialLink final : public SerialLink {
public:
    // error_line receives Polish texts for the exchange log's " !! " lines (may be empty).
    explicit QtSerialLink(std::function<void(const std::string&)> error_line = {});
    ~QtSerialLink() override;

    bool open(const std::string& device, int baud_rate) override;
    bool is_open() const override;
    std::string open_failure() const override { return open_failure_; }
    std::size_t write(const std::string& bytes) override;
    std::string read(std::size_t max_bytes) override;
    void close() override;
    void on_bytes_arrived(std::function<void()> handler) override;

private:
    void set_modem_lines();
    void port_error(QSerialPort::SerialPortError error);
    void report(const std::string& text) const;

    QSerialPort port_;
    std::function<void(const std::string&)> error_line_;
    std::function<void()> bytes_arrived_;
    std::string last_written_;
    std::string open_failure_;
    bool setting_lines_ = false;
};

}  // namespace wazenie
