#include "ui/desktop_program.h"

#include "core/dialogs.h"
#include "platform/free_space.h"
#include "platform/instance_lock.h"
#include "station/start_checks.h"

#include <QApplication>

namespace wazenie {

int run_desktop(const DesktopSeams& seams, const std::function<void(TForm1&)>& window_made) {
    InstanceLock lock(seams.data_dir);
    if (!lock.acquire()) {
        seams.dialogs.error(lock.refusal_message());
        return desktop_exit::kAlreadyRunning;
    }
    report_free_space(free_space(seams.data_dir), seams.dialogs);
    report_month_books(seams.data_dir, seams.clock.now(), seams.dialogs);

    TForm1 window(seams);
    if (window_made) {
        window_made(window);
    }
    window.show();
    const int result = QApplication::exec();
    // The window has written the settings and the status file by now; only then may another copy start.
    lock.release();
    return result == 0 ? desktop_exit::kDone : result;
}

}  // namespace wazenie
