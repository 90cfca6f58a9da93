#pragma once

namespace wazenie {

// SIGINT and SIGTERM no longer end the program at once: they set a flag that a loop polls, so the
// program can close like a window (status saved, port closed). Standard C++ signals: on Windows
// Ctrl+C arrives as SIGINT the same way.
void catch_stop_signals();
bool stop_signal_received();

}  // namespace wazenie
