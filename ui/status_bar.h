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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* add_value(const QString& name, const QString& caption, int stretch);
    void fit_port_text();

    QString port_text_;
    QLabel* port_ = nullptr;
    QLabel* printer_ = nullptr;
    QLabel* operator_ = nullptr;
};

}  // namespace wazenie
