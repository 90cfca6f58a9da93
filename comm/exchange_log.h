#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace wazenie {

// Codes of log_line and the mark each one writes after the time.
namespace log_code {
inline constexpr int SENT = 1;        // " >> " a request written in full
inline constexpr int RECEIVED = 101;  // " << " an answer frame as it arrived
inline constexpr int ERROR = -1;      // " !! "
inline constexpr int NOTE = -2;       // " ?? "
}  // namespace log_code

// A meter frame shown as text: bytes from 0x80 up as their Windows-1250 characters, others as they are.
std::string frame_text(std::string_view bytes);

// The exchange log of the technical panel: one "hh-mm-ss.zzz" time-stamped line per event, in memory
// only. It starts afresh when a line is added to a log that holds more than 2000 lines.
class ExchangeLog {
public:
    static constexpr std::size_t kMaxLines = 2000;

    struct Observer {
        std::function<void(const std::string& line)> line_added;
        std::function<void()> cleared;
    };

    explicit ExchangeLog(const Clock& clock) : clock_(clock) {}

    // For SENT and RECEIVED, text is the frame's raw bytes (a received frame of 11 bytes or more gets
    // " (b03=x; b45=y; b67=z)" and a zero status byte shows as "#"); for other codes it is UTF-8.
    // Any code other than the four above writes no mark.
    void log_line(int code, std::string_view text);
    // "Wyczyść ekran".
    void clear();

    const std::vector<std::string>& lines() const { return lines_; }
    // Observers are called in the order they were added, on the thread that logs.
    void add_observer(Observer observer);

private:
    void drop_all();

    const Clock& clock_;
    std::vector<std::string> lines_;
    std::vector<Observer> observers_;
};

}  // namespace wazenie
