#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "comm/serial_link.h"
#include "storage/settings.h"

namespace wazenie {

// The thirteen line speeds; number k (1..13) is speeds[k - 1].
inline constexpr std::array<int, 13> kLineSpeeds = {110,   300,   600,   1200,  2400,  4800,  9600,
                                                    14400, 19200, 38400, 56000, 57600, 115200};
// The first eight are offered in the settings window; the others only through the settings file.
inline constexpr int kSpeedsInSettingsWindow = 8;

// 1..13 for a speed of the list, else 0.
int speed_number(int bits_per_second);
// Bits per second of speed number 1..13; any other number shows as 9600.
int speed_bits_per_second(int number);

// The station's port: its name and speed from the settings, opening and closing, and the text of
// the status bar's connection field.
class PortConnection {
public:
    // Before the settings are read the port is COM2 at 1200 bits per second.
    PortConnection(SerialLink& link, const Settings& settings) : link_(link), settings_(settings) {}

    // Port name from port_num; speed from baud_rate unless it is not one of the thirteen.
    void configure_port();
    // Opens the port if it is closed; returns the connection text, "port COM2, 9600bps" or
    // "brak połączenia! (port COM3, 9600bps)", followed by the link's reason when it gives one
    // ("brak połączenia! (port COM3, 9600bps) /dev/ttyS2: ..."). Never retries.
    std::string open_port();
    void close_port();
    bool is_connected() const { return link_.is_open(); }

    int port_num() const { return port_num_; }
    int speed() const { return speed_; }
    const std::string& connection_text() const { return connection_text_; }

private:
    SerialLink& link_;
    const Settings& settings_;
    int port_num_ = 2;
    int speed_ = 1200;
    std::string connection_text_;
};

}  // namespace wazenie
