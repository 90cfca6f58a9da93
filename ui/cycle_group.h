#pragma once

#include <optional>
#include <string>
#include <vector>

#include "station/window_model.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace wazenie {

class Station;

// "Pokazywany cykl ": the number of the cycle shown, "Pokazuj aktualny", the previous and next
// buttons, and the list of cycles with their sums.
class CycleGroup final : public QGroupBox {
    Q_OBJECT
public:
    CycleGroup(Station& station, QWidget* parent);

    void show_number(const std::string& number, bool current_down);
    void show_rows(const std::vector<CycleRow>& rows);

private:
    QPushButton* make_button(const QString& name, const QString& caption, const QString& hint);
    void follow_station();

    Station& station_;
    std::optional<std::vector<CycleRow>> rows_;
    QLabel* number_ = nullptr;
    QPushButton* current_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace wazenie
