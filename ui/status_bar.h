#pragma once

#include <string>

#include <QStatusBar>

class QLabel;

namespace wazenie {

// Eight fields: "Połączenie z wagą:", the port, "Połączenie z drukarką:", the printer, "Operator:", the
// operator, "Wersja:", the version.
class StatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    void set_port(const std::string& text);
    void set_printer(const std::string& text);
    void set_operator(const std::string& text);

private:
    QLabel* add_value(const QString& name, const QString& caption, int stretch);

    QLabel* port_ = nullptr;
    QLabel* printer_ = nullptr;
    QLabel* operator_ = nullptr;
};

}  // namespace wazenie
