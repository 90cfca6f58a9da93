#pragma once

#include <optional>
#include <string>

#include "core/client_editor.h"
#include "core/dialogs.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace wazenie {

// "Nowy klient" / "Edycja klienta": the four fields of a client. The client window's controller asks
// it through ClientEditor::edit; the dialog refuses an empty full name and an incomplete NIP itself.
class TFnowy_kontrahent : public QDialog, public ClientEditor {
    Q_OBJECT

public:
    explicit TFnowy_kontrahent(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog modally with `caption` and the fields of `initial`: the client typed when
    // closed with OK, nothing otherwise.
    std::optional<Client> edit(const std::string& caption, const Client& initial) override;

    void accept() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string nip_text() const;
    bool leave_nip();

    Dialogs& dialogs_;
    std::string nip_value_;     // the NIP as last accepted: as it came, or typed and complete
    QString nip_kept_;          // what Escape brings back into the field
    bool nip_touched_ = false;  // typed into since it was last accepted
    bool closing_ = false;
    QLineEdit* Ekontrahent_brief;
    QLineEdit* Ekontrahent;
    QLineEdit* Emiejscowosc;
    QLineEdit* MEnip;
    QPushButton* BBdodaj;
    QPushButton* BBanuluj;
};

}  // namespace wazenie
