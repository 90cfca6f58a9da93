#pragma once

#include "ui/busy_cursor.h"
#include "windows/audit_window.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace wazenie {

// "Dziennik zmian" over its controller: the changes between two dates, narrowed by a text.
class TFdziennik : public QDialog {
    Q_OBJECT

public:
    TFdziennik(const std::filesystem::path& data_dir, Dialogs& dialogs, const Clock& clock,
               QWidget* parent = nullptr);

private:
    void show_rows();

    ArrowForDialogs dialogs_;
    AuditWindow controller_;
    QDateEdit* DTPod;
    QDateEdit* DTPdo;
    QLineEdit* Efiltr;
    QTreeWidget* LVdziennik;
    QPushButton* BBzamknij;
};

}  // namespace wazenie
