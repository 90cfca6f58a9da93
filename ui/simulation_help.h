#pragma once

#include <QDialog>

class QTextEdit;

namespace wazenie {

// "Pomoc do trybu symulacji": how to run a process with the simulated meters.
class TFsimul_help : public QDialog {
    Q_OBJECT

public:
    explicit TFsimul_help(QWidget* parent = nullptr);

private:
    QTextEdit* Mhelp;
};

}  // namespace wazenie
