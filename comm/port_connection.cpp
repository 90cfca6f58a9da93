#include "comm/port_connection.h"

#include <algorithm>

namespace wazenie {

int speed_number(int bits_per_second) {
    const auto* found = std::find(kLineSpeeds.begin(), kLineSpeeds.end(), bits_per_second);
    return found == kLineSpeeds.end() ? 0 : static_cast<int>(found - kLineSpeeds.begin()) + 1;
}

int speed_bits_per_second(int number) {
    return number >= 1 && number <= static_cast<int>(kLineSpeeds.size())
               ? kLineSpeeds[static_cast<std::size_t>(number - 1)]
               : 9600;
}

void PortConnection::configure_port() {
    port_num_ = settings_.port_num;
    if (speed_number(settings_.baud_rate) != 0) {
        speed_ = settings_.baud_rate;
    }
}

std::string PortConnection::open_port() {
    if (!link_.is_open()) {
        link_.open(port_device(settings_, port_num_), speed_);
    }
    const std::string port = "port " + port_name(port_num_) + ", " + std::to_string(speed_) + "bps";
    if (link_.is_open()) {
        connection_text_ = port;
        return connection_text_;
    }
    // The device and the reason follow the fixed start, which the status bar and scripts look for.
    const std::string why = link_.open_failure();
    connection_text_ = "brak połączenia! (" + port + ")" + (why.empty() ? "" : " " + why);
    return connection_text_;
}

void PortConnection::close_port() {
    if (link_.is_open()) {
        link_.close();
    }
}

}  // namespace wazenie
