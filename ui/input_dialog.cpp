#include "ui/input_dialog.h"

#include "platform/qt_text.h"
#include "storage/value_check.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wazenie {

TFinput::TFinput(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      Ldesc(new QLabel(this)),
      Etext(new QLineEdit(this)),
      Ldtype(new QLabel(QStringLiteral("string"), this)),
      BBok(new QPushButton(QStringLiteral("OK"), this)),
      BBcancel(new QPushButton(QStringLiteral("Anuluj"), this)) {
    setObjectName(QStringLiteral("TFinput"));
    Ldesc->setObjectName(QStringLiteral("Ldesc"));
    Etext->setObjectName(QStringLiteral("Etext"));
    Ldtype->setObjectName(QStringLiteral("Ldtype"));
    BBok->setObjectName(QStringLiteral("BBok"));
    BBcancel->setObjectName(QStringLiteral("BBcancel"));
    Ldtype->hide();
    Ldesc->setBuddy(Etext);
    Etext->setMinimumWidth(280);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBok, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBcancel, QDialogButtonBox::RejectRole);
    BBok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFinput::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFinput::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Ldesc);
    layout->addWidget(Etext);
    layout->addWidget(Ldtype);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFinput::set_request(const ValueRequest& request) {
    setWindowTitle(to_qt(request.caption));
    Ldesc->setText(to_qt(request.prompt));
    Ldtype->setText(to_qt(request.data_type));
    Etext->setEchoMode(request.masked ? QLineEdit::Password : QLineEdit::Normal);
    Etext->setText(to_qt(request.initial));
    // Typing replaces the initial text at once; the focus is in the entry whenever the dialog shows.
    Etext->selectAll();
    Etext->setFocus();
}

std::string TFinput::entry() const {
    return from_qt(Etext->text());
}

std::optional<std::string> TFinput::ask(const ValueRequest& request, Dialogs& dialogs, QWidget* parent) {
    TFinput dialog(dialogs, parent);
    dialog.set_request(request);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.entry();
}

void TFinput::accept() {
    if (!value_accepted(entry(), from_qt(Ldtype->text()))) {
        dialogs_.error(std::string(kBadValueMessage));
        Etext->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace wazenie
