#pragma once

namespace wazenie::exit_code {

inline constexpr int kDone = 0;            // the process ended and its record was written
inline constexpr int kNoPort = 1;          // the serial port could not be opened
inline constexpr int kRefused = 2;         // bad arguments, wrong values, wrong password, refusal
inline constexpr int kAlreadyRunning = 3;  // another copy works on the same data directory
inline constexpr int kTimedOut = 4;        // --timeout passed before the process ended
// A file or the output could not be written or read: a record, a report, a month's log, standard
// output, the lock file of a read-only data directory.
inline constexpr int kFileError = 5;
inline constexpr int kInterrupted = 6;  // SIGINT or SIGTERM ended the run; the status file was saved
// weryfikuj: a record, a card, the chain of a month or the audit trail was changed after it was written.
inline constexpr int kTampered = 8;

}  // namespace wazenie::exit_code
