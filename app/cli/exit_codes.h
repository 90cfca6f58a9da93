#pragma once

namespace wazenie::exit_code {

inline constexpr int kDone = 0;            // the process ended and its record was written
inline constexpr int kNoPort = 1;          // the serial port could not be opened
inline constexpr int kRefused = 2;         // bad arguments, wrong values, wrong password, refusal
inline constexpr int kAlreadyRunning = 3;  // another copy works on the same data directory
inline constexpr int kTimedOut = 4;        // --timeout passed before the process ended
inline constexpr int kNotRecorded = 5;     // the process ended but an error box reported a failed write

}  // namespace wazenie::exit_code
