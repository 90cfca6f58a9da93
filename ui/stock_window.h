#pragma once

#include "platform/qt_save_file_dialog.h"
#include "ui/busy_cursor.h"
#include "windows/stock_window.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace wazenie {

// "Magazyn" over its controller: the stock of each kept material (amber at or below its low level),
// a delivery or a count of a material, its low level, and the movements of a range with their sums,
// printed or saved as CSV.
class TFmagazyn : public QDialog {
    Q_OBJECT

public:
    // `materials`: the names the material combo offers besides those already kept.
    TFmagazyn(const std::filesystem::path& data_dir, const std::string& operator_name,
              std::vector<std::string> materials, Dialogs& dialogs, Printer& printer, const Clock& clock,
              QWidget* parent = nullptr);
    ~TFmagazyn() override;

private:
    QWidget* make_stock();
    QWidget* make_posting();
    QWidget* make_movements();
    void show_stock();
    void show_movements();
    void post(bool delivery);

    ArrowForDialogs dialogs_;
    QtSaveFileDialog qt_save_dialog_;
    ArrowForSaveDialog save_dialog_;
    StockWindow stock_;
    std::vector<std::string> materials_;
    QTreeWidget* LVstock;
    QLineEdit* EDlow_level;
    QPushButton* BBlow_level;
    QComboBox* CBmaterial;
    QLineEdit* EDkg;
    QLineEdit* EDdocument;
    QPushButton* BBdelivery;
    QPushButton* BBcount;
    QDateEdit* DEfrom;
    QDateEdit* DEto;
    QPushButton* BBmovements;
    QTreeWidget* LVmovements;
    QPushButton* BBprint;
    QPushButton* BBsave;
    QPushButton* BBclose;
};

}  // namespace wazenie
