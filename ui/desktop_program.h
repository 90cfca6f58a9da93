#pragma once

#include <functional>

#include "ui/main_window.h"

namespace wazenie {

namespace desktop_exit {
inline constexpr int kDone = 0;
inline constexpr int kRefused = 2;         // bad arguments or no data folder
inline constexpr int kAlreadyRunning = 3;  // another copy works on the same data folder
}  // namespace desktop_exit

// The desktop program from its data folder on, in a running QApplication: one running copy per data
// folder (a second one shows its error and ends before any window is made), the free disk space, the
// current month's books against their chain, then the main window and the event loop. `window_made` lets the
// caller connect the window's station to its seams before the window is shown. Returns the exit code.
int run_desktop(const DesktopSeams& seams, const std::function<void(TForm1&)>& window_made = {});

}  // namespace wazenie
