#include "ui/new_client_dialog.h"

#include "platform/qt_text.h"
#include "windows/new_client_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wazenie {

namespace {

QLineEdit* named_edit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton* named_button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

bool is_enter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TFnowy_kontrahent::TFnowy_kontrahent(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      Ekontrahent_brief(named_edit(this, "Ekontrahent_brief")),
      Ekontrahent(named_edit(this, "Ekontrahent")),
      Emiejscowosc(named_edit(this, "Emiejscowosc")),
      MEnip(named_edit(this, "MEnip")),
      BBdodaj(named_button(this, "BBdodaj", QStringLiteral("OK"))),
      BBanuluj(named_button(this, "BBanuluj", QStringLiteral("Anuluj"))) {
    setObjectName(QStringLiteral("TFnowy_kontrahent"));
    setWindowTitle(QStringLiteral("Nowy klient"));

    // Hyphens stay in the text; "_" marks a place still empty.
    MEnip->setInputMask(QStringLiteral("000-000-00-00;_"));
    const QFontMetrics metrics(fontMetrics());
    Ekontrahent_brief->setMinimumWidth(metrics.horizontalAdvance(QString(24, QLatin1Char('W'))));
    MEnip->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("000-000-00-00")) + 24);
    for (QLineEdit* edit : {Ekontrahent_brief, Ekontrahent, Emiejscowosc, MEnip}) {
        edit->installEventFilter(this);
    }
    connect(MEnip, &QLineEdit::textEdited, this, [this] { nip_touched_ = true; });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nazwa krótka:"), Ekontrahent_brief);
    fields->addRow(QStringLiteral("Nazwa pełna:"), Ekontrahent);
    fields->addRow(QStringLiteral("Adres:"), Emiejscowosc);
    fields->addRow(QStringLiteral("NIP:"), MEnip);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(BBdodaj, QDialogButtonBox::AcceptRole);
    buttons->addButton(BBanuluj, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFnowy_kontrahent::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFnowy_kontrahent::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    resize(metrics.horizontalAdvance(QString(64, QLatin1Char('x'))), sizeHint().height());
}

std::optional<Client> TFnowy_kontrahent::edit(const std::string& caption, const Client& initial) {
    setWindowTitle(to_qt(caption));
    Ekontrahent_brief->setText(to_qt(initial.short_name));
    Ekontrahent->setText(to_qt(initial.full_name));
    Emiejscowosc->setText(to_qt(initial.address));
    MEnip->setText(to_qt(initial.nip));
    nip_value_ = initial.nip;
    nip_kept_ = MEnip->text();
    nip_touched_ = false;
    closing_ = false;
    Ekontrahent_brief->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Client{from_qt(Ekontrahent_brief->text()), from_qt(Ekontrahent->text()),
                  from_qt(Emiejscowosc->text()), nip_text()};
}

// A NIP never typed into goes back as it came, even a form the mask cannot show; a typed one is read
// from what the operator sees, blanks for the empty places.
std::string TFnowy_kontrahent::nip_text() const {
    if (!nip_touched_) {
        return nip_value_;
    }
    return from_qt(MEnip->displayText().replace(QLatin1Char('_'), QLatin1Char(' ')));
}

bool TFnowy_kontrahent::leave_nip() {
    const std::string typed = nip_text();
    if (nip_acceptable(typed, nip_touched_)) {
        nip_value_ = typed;
        nip_kept_ = MEnip->text();
        nip_touched_ = false;
        return true;
    }
    dialogs_.error(std::string(kNipRefused));
    MEnip->setFocus();
    return false;
}

void TFnowy_kontrahent::accept() {
    if (!leave_nip()) {
        return;
    }
    if (auto message = client_entry_error(Client{"", from_qt(Ekontrahent->text()), "", ""})) {
        dialogs_.error(*message);
        Ekontrahent->setFocus();
        return;
    }
    QDialog::accept();
}

// Closing the dialog takes the focus from the NIP too; that is no leaving of the field.
void TFnowy_kontrahent::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

bool TFnowy_kontrahent::eventFilter(QObject* watched, QEvent* event) {
    if (is_enter(event)) {
        focusNextChild();
        return true;
    }
    if (watched == MEnip && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && nip_touched_) {
        // Escape abandons the changes to the NIP; a second one closes the dialog.
        MEnip->setText(nip_kept_);
        nip_touched_ = false;
        return true;
    }
    if (watched == MEnip && event->type() == QEvent::FocusOut && !closing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        // A message box or a menu taking the focus is no leaving. A click on OK checks on its own
        // and one on "Anuluj" throws the entry away.
        const bool clicked_button = reason == Qt::MouseFocusReason && (next == BBdodaj || next == BBanuluj);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !clicked_button) {
            leave_nip();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace wazenie
