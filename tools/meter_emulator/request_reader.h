#pragma once

#include <string>
#include <vector>

namespace wazenie::emulator {

// One request as the meters see it on the line.
struct Request {
    enum Kind { COMMAND, MASS, JUNK } kind = JUNK;
    int message = 0;        // MeterMessageKind of a command
    int scale = 0;          // scale digit of a command
    std::string digits;     // the mass digits of a recipe frame
    bool check_ok = false;  // the recipe frame's check sum matched its digits
    std::string bytes;      // the frame as it came, without ";"
};

// Cuts the station's byte stream into requests. After "RECn;" the next seven frames are mass frames,
// whose check-sum bytes may themselves be ";": such a ";" does not end the frame.
class RequestReader {
public:
    std::vector<Request> take(const std::string& bytes);

private:
    void end_frame(std::vector<Request>& out);
    bool mass_frame_continues() const;

    std::string frame_;
    int masses_left_ = 0;
};

}  // namespace wazenie::emulator
