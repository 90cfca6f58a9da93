#pragma once

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace wazenie {

// "Narzędzia ": the buttons of the program's other windows, the WZ printout and the company panel.
class ToolsGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit ToolsGroup(QWidget* parent);

    void set_company(const QString& line1, const QString& line2);
    // An operator other than the administrator never opens the settings window.
    void restrict_to_operator();
    // "Magazyn" is there only for a plant that keeps stock, and open to those who may keep it.
    void offer_stock(bool offered, bool allowed);

signals:
    void settings_requested();
    void reports_requested();
    void print_wz_requested();
    void recipes_requested();
    void clients_requested();
    void stock_requested();

private:
    QPushButton* make_button(const QString& name, const QString& caption);

    QPushButton* settings_ = nullptr;
    QPushButton* stock_ = nullptr;
    QLabel* company1_ = nullptr;
    QLabel* company2_ = nullptr;
};

}  // namespace wazenie
