#pragma once

#include "ui/settings_tabs.h"
#include "windows/correction_list.h"
#include "windows/settings_window.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace wazenie {

class Dialogs;
class Station;

// "Ustawienia": the administrator's settings on five tabs. The controls are filled from the
// station's settings each time the window opens and copied back only on OK; every check and every
// step of the copying is the controller's. "Zeruj" on the tab "Korekty" clears at once.
class TFormUstaw : public QDialog {
    Q_OBJECT

public:
    TFormUstaw(Station& station, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window modally; true when it was closed with OK and the settings were applied (the
    // port is then reopened; a conversion error may have stopped the copying part-way).
    bool run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void watch_fields();
    void leave_field(QLineEdit* field);
    void weight_enabled_clicked(int scale);
    void clear_corrections();
    void manage_operators();
    void archive();

    Station& station_;
    Dialogs& dialogs_;
    SettingsWindow controller_;
    CorrectionList corrections_;
    SettingsControls c_;
    QTabWidget* PCconf;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
