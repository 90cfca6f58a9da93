#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "windows/weighing_params_window.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wazenie {

// "Parametry naważania": recipe, total mass, client and the aggregates' moisture for the next process,
// over the controller.
class TFrecipe_summary : public QDialog {
    Q_OBJECT

public:
    explicit TFrecipe_summary(WeighingParamsDialog& controller, QWidget* parent = nullptr);

    // Fills the dialog from the process as the main window shows it and shows it modally: the
    // values when closed with OK, nothing otherwise.
    std::optional<WeighingParams> run(const recipe_record& r);

    // OK: a total that is not a number, or a moisture outside 0..20, is refused here, also when the field
    // was never left.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_state();
    void show_delivery_choice(QComboBox* box, const std::vector<std::string>& recent,
                              const std::string& text);
    bool leave_total();
    // The group's fields, made anew only when the aggregates are others.
    void show_moisture();
    void make_moisture_fields();
    void show_mark(std::size_t row);
    bool leave_moisture(std::size_t row);

    WeighingParamsDialog& controller_;
    QComboBox* CBrecipe_name;
    QLineEdit* Erecipe_total_weight;
    QLabel* Lclient_name;
    QPushButton* BBrecipe;
    QPushButton* BBclient;
    QComboBox* CBsamochod;
    QComboBox* CBbudowa;
    QGroupBox* GBwilgotnosc;
    QGridLayout* moisture_grid_;
    std::vector<QLabel*> moisture_captions_;
    std::vector<QLineEdit*> moisture_fields_;
    QPushButton* BBok;
    QPushButton* BBcancel;
};

}  // namespace wazenie
