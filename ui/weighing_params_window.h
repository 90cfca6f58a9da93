#pragma once

#include <optional>

#include "core/process_records.h"
#include "windows/weighing_params_window.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wazenie {

// "Parametry naważania": recipe, total mass and client for the next process, over the controller.
class TFrecipe_summary : public QDialog {
    Q_OBJECT

public:
    explicit TFrecipe_summary(WeighingParamsDialog& controller, QWidget* parent = nullptr);

    // Fills the dialog from the process as the main window shows it and shows it modally: the
    // values when closed with OK, nothing otherwise.
    std::optional<WeighingParams> run(const recipe_record& r);

    // OK: a total that is not a number is refused here, also when the field was never left.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_state();
    bool leave_total();

    WeighingParamsDialog& controller_;
    QComboBox* CBrecipe_name;
    QLineEdit* Erecipe_total_weight;
    QLabel* Lclient_name;
    QPushButton* BBrecipe;
    QPushButton* BBclient;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
