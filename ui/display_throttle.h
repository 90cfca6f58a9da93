#pragma once

#include "core/display.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace wazenie {

// Hands the station's refreshes on to the window at most once per interval. The meters answer up to a
// hundred times a second and every answer asks for the panels; an operator reads a few values a
// second, and painting each answer would cost far more than the exchange itself. The first refresh
// after a quiet spell goes through at once; later ones are gathered and applied together, in order.
class DisplayThrottle final : public QObject, public Display {
public:
    explicit DisplayThrottle(Display& window, int interval_ms = 150);

    void refresh_connection() override;
    void refresh_technical() override;
    void refresh_scales(int view_cycle) override;
    // Rare (the operator's commands, a new cycle, new settings), and followed by what they change at
    // once: never held back.
    void refresh_process() override;
    void refresh_layout() override;
    void apply_rights() override;

    // Applies what is pending now.
    void flush();

private:
    void request();

    Display& window_;
    const int interval_ms_;
    QTimer timer_;
    QElapsedTimer since_last_;
    bool connection_ = false;
    bool technical_ = false;
    bool scales_ = false;
    bool process_ = false;
    int view_cycle_ = 0;
};

}  // namespace wazenie
