#pragma once

#include <optional>

#include "station/scale_button.h"
#include "station/window_model.h"

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace wazenie {

// One scale's panel: header with capacity, connection message, gauge, material list, mass and cycle
// mass, state icons and the tank's Start / Pauza / Stop. It shows what the model computed and keeps
// the last shown values, so a refresh with nothing new writes nothing.
class ScalePanel final : public QFrame {
    Q_OBJECT
public:
    ScalePanel(int n, QWidget* parent);

    void show_layout(const ScaleLayout& layout);
    void show_connection(const ConnectionView& connection);
    void show_view(const ScaleView& view);
    // Which button is down comes from the station alone; a click only asks for a change.
    void show_buttons(ScaleButton down);

signals:
    void button_clicked(int scale, ScaleButton button);

private:
    QWidget* make_header();
    QWidget* make_mass_row();
    QWidget* make_tank_control();
    QPushButton* make_button(const QString& name, const QString& caption, ScaleButton which);
    void fit_mass_columns(const QString& widest_mass);

    int n_;
    std::optional<ScaleLayout> layout_;
    std::optional<ConnectionView> connection_;
    std::optional<ScaleView> view_;

    QLabel* title_ = nullptr;
    QLabel* capacity_ = nullptr;
    QLabel* message_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QTreeWidget* materials_ = nullptr;
    QLabel* mass_ = nullptr;
    QLabel* target_ = nullptr;
    QLabel* tank_open_ = nullptr;
    QLabel* completed_ = nullptr;
    QLabel* ahead_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace wazenie
