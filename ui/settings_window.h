#pragma once

#include "ui/settings_tabs.h"
#include "windows/settings_window.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace wazenie {

class Dialogs;
class Station;

// "Ustawienia": the administrator's settings on four tabs. The controls are filled from the
// station's settings each time the window opens and copied back only on OK; every check and every
// step of the copying is the controller's.
class TFormUstaw : public QDialog {
    Q_OBJECT

public:
    TFormUstaw(Station& station, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window modally; true when it was closed with OK and the settings were applied (the
    // port is then reopened; a conversion error may have stopped the copying part-way).
    bool run();

signals:
    // OK changed a precision: the process display is to be redrawn with the new decimals.
    void precision_changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void watch_fields();
    void leave_field(QLineEdit* field);
    void weight_enabled_clicked(int scale);
    void manage_operators();
    void archive();

    Station& station_;
    Dialogs& dialogs_;
    SettingsWindow controller_;
    SettingsControls c_;
    QTabWidget* PCconf;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
