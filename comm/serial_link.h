#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace wazenie {

// The serial line to the meters. Frames are byte strings and are never converted.
class SerialLink {
public:
    virtual ~SerialLink() = default;
    // device: the system name of the port (from the [Porty] section), name: "COM1".."COM16" for messages.
    virtual bool open(const std::string& device, int baud_rate) = 0;
    virtual bool is_open() const = 0;
    // Why the last open failed, naming the device ("/dev/ttyS2: brak uprawnień ..."); empty when the
    // link cannot tell.
    virtual std::string open_failure() const { return {}; }
    // The number of bytes the port took (fewer than bytes.size() is a failed send).
    virtual std::size_t write(const std::string& bytes) = 0;
    virtual std::string read(std::size_t max_bytes) = 0;
    virtual void close() = 0;
    // Called on the event-loop thread whenever bytes have arrived.
    virtual void on_bytes_arrived(std::function<void()> handler) = 0;
};

}  // namespace wazenie
