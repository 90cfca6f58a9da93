#pragma once

#include <functional>

#include <QDialog>
#include <QTimer>

namespace wazenie::testing {

// Runs `steps` once the window's modal loop is running. A failed check returns from the steps early;
// the window is then closed anyway, so the test reports the failure instead of hanging in exec().
inline void in_modal_loop(QDialog& window, std::function<void()> steps) {
    QTimer::singleShot(0, &window, [&window, steps] {
        steps();
        if (window.isVisible()) {
            window.reject();
        }
    });
}

}  // namespace wazenie::testing
