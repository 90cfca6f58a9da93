#pragma once

#include <optional>
#include <string>

#include "windows/operator_dialog.h"

#include <QDialog>

class QDialogButtonBox;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace wazenie {

// "Wybierz operatora": the login at start-up and the administrator's list of operators. Every rule
// is the controller's; the window shows its rows and selection and forwards the buttons.
class TFwytop : public QDialog {
    Q_OBJECT

public:
    explicit TFwytop(OperatorWindow& controller, QWidget* parent = nullptr);

    // Shows the window modally. Login: the logged-in operator's name when closed with OK, nothing on
    // cancel. A login happens once per run, so after a successful one it returns nothing at once.
    // Management: always nothing.
    std::optional<std::string> run(OperatorWindow::Mode mode);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void delete_operator();
    void show_rows();
    void after_command();

    OperatorWindow& controller_;
    bool logged_in_ = false;
    QWidget* Ptools;
    QToolButton* SBadd;
    QToolButton* SBdelete;
    QToolButton* SBpassword;
    QTreeWidget* LVoperators;
    QDialogButtonBox* login_buttons_;
    QPushButton* BBok;
    QPushButton* BBcancel;
    QPushButton* BBclose;
};

}  // namespace wazenie
