#include "ui/operator_dialog.h"

#include "platform/qt_text.h"
#include "ui/look.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

TFwytop::TFwytop(OperatorWindow& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      Ptools(new QWidget(this)),
      SBadd(tool_button(Ptools, "SBadd", QStringLiteral("Dodaj"), QStringLiteral("dodaj operatora"))),
      SBdelete(
          tool_button(Ptools, "SBdelete", QStringLiteral("Usuń"), QStringLiteral("usuń operatora (del)"))),
      SBpassword(
          tool_button(Ptools, "SBpassword", QStringLiteral("Zmień hasło"), QStringLiteral("zmień hasło"))),
      LVoperators(new QTreeWidget(this)),
      login_buttons_(new QDialogButtonBox(this)),
      BBok(new QPushButton(QStringLiteral("OK"), this)),
      BBcancel(new QPushButton(QStringLiteral("Anuluj"), this)),
      BBclose(new QPushButton(QStringLiteral("Zamknij"), this)) {
    setObjectName(QStringLiteral("TFwytop"));
    setWindowTitle(QStringLiteral("Wybierz operatora"));
    Ptools->setObjectName(QStringLiteral("Ptools"));
    for (QToolButton* tool : {SBadd, SBdelete, SBpassword}) {
        tool->setAutoRaise(true);
    }
    LVoperators->setObjectName(QStringLiteral("LVoperators"));
    BBok->setObjectName(QStringLiteral("BBok"));
    BBcancel->setObjectName(QStringLiteral("BBcancel"));
    BBclose->setObjectName(QStringLiteral("BBclose"));

    LVoperators->setHeaderLabels({QStringLiteral("Imię i nazwisko")});
    LVoperators->setRootIsDecorated(false);
    LVoperators->setMinimumSize(320, 260);

    auto* tools = new QHBoxLayout(Ptools);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->addWidget(SBadd);
    tools->addWidget(SBdelete);
    tools->addWidget(SBpassword);
    tools->addStretch();
    tools->addWidget(BBclose);

    login_buttons_->addButton(BBok, QDialogButtonBox::AcceptRole);
    login_buttons_->addButton(BBcancel, QDialogButtonBox::RejectRole);
    BBok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Ptools);
    layout->addWidget(LVoperators);
    layout->addWidget(login_buttons_);

    connect(login_buttons_, &QDialogButtonBox::accepted, this, &TFwytop::accept);
    connect(login_buttons_, &QDialogButtonBox::rejected, this, &TFwytop::reject);
    connect(BBclose, &QPushButton::clicked, this, &TFwytop::reject);
    connect(LVoperators, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { controller_.select(LVoperators->indexOfTopLevelItem(item)); });
    // The controller ignores a login in management mode, so a double click there does nothing.
    connect(LVoperators, &QTreeWidget::itemDoubleClicked, this, &TFwytop::accept);
    connect(SBadd, &QToolButton::clicked, this, [this] {
        controller_.add_operator();
        after_command();
    });
    connect(SBdelete, &QToolButton::clicked, this, &TFwytop::delete_operator);
    LVoperators->installEventFilter(this);
    connect(SBpassword, &QToolButton::clicked, this, [this] {
        controller_.change_password();
        after_command();
    });
}

std::optional<std::string> TFwytop::run(OperatorWindow::Mode mode) {
    const bool login = mode == OperatorWindow::Mode::Login;
    if (login && logged_in_) {
        return std::nullopt;
    }
    controller_.show(mode);
    Ptools->setVisible(!login);
    login_buttons_->setVisible(login);
    show_rows();
    LVoperators->setFocus();
    if (exec() != QDialog::Accepted || !login) {
        return std::nullopt;
    }
    logged_in_ = true;
    return controller_.selected_name();
}

void TFwytop::accept() {
    if (controller_.login()) {
        QDialog::accept();
    }
}

void TFwytop::delete_operator() {
    controller_.delete_operator();
    after_command();
}

// Del on the list deletes like the tool button, in management mode only.
bool TFwytop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LVoperators && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        controller_.mode() == OperatorWindow::Mode::Management) {
        delete_operator();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The controller may have changed the rows and the selection; the focus goes back to the list.
void TFwytop::after_command() {
    show_rows();
    LVoperators->setFocus();
}

void TFwytop::show_rows() {
    const QSignalBlocker quiet(LVoperators);
    LVoperators->clear();
    for (const std::string& name : controller_.names()) {
        LVoperators->addTopLevelItem(new QTreeWidgetItem(QStringList{to_qt(name)}));
    }
    if (QTreeWidgetItem* item = LVoperators->topLevelItem(controller_.selected())) {
        LVoperators->setCurrentItem(item);
    }
}

}  // namespace wazenie
