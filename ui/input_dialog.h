#pragma once

#include <optional>
#include <string>

#include "core/dialogs.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace wazenie {

// The one input dialog for single values. OK checks the entry against the data type and stays open
// after "Błędna wartość!"; "Anuluj" closes without a check.
class TFinput : public QDialog {
    Q_OBJECT

public:
    // `dialogs` shows the refusal (a test passes a scripted one).
    explicit TFinput(Dialogs& dialogs, QWidget* parent = nullptr);

    void set_request(const ValueRequest& request);
    std::string entry() const;

    // Shows the dialog modally: the entry when closed with OK, nothing when cancelled.
    static std::optional<std::string> ask(const ValueRequest& request, Dialogs& dialogs, QWidget* parent);

    void accept() override;

private:
    Dialogs& dialogs_;
    QLabel* Ldesc;
    QLineEdit* Etext;
    QLabel* Ldtype;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
