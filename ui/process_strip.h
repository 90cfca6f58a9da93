#pragma once

#include <optional>
#include <string>

#include "station/window_model.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace wazenie {

class CycleGroup;
class Station;
class ToolsGroup;

// The top strip: "Sterowanie systemem ", "Parametry naważania ", "Status naważania ", "Narzędzia " and
// "Pokazywany cykl ". The station's commands are called directly; what needs the window's seams is
// asked for with a signal.
class ProcessStrip final : public QWidget {
    Q_OBJECT
public:
    ProcessStrip(Station& station, QWidget* parent);

    ToolsGroup& tools() { return *tools_; }
    CycleGroup& cycles() { return *cycles_; }

    void show_process(const ProcessView& view);
    // The process mass and its gauge, which follow every refresh of the scales.
    void show_total(const std::string& jest, int gauge);
    // "w/c:" and its value, shown once the process has dosed cement of a known kind.
    void show_water_cement(const std::string& text);
    void show_weight_doc_button(bool shown);
    void two_line_params_caption();

signals:
    void weighing_params_requested();

private:
    QGroupBox* make_control();
    QGroupBox* make_params();
    QGroupBox* make_status();
    QPushButton* make_button(QWidget* parent, const QString& name, const QString& caption);

    Station& station_;
    std::optional<ProcessView> view_;
    ToolsGroup* tools_ = nullptr;
    CycleGroup* cycles_ = nullptr;
    QLabel* client_ = nullptr;
    QLabel* recipe_ = nullptr;
    QPushButton* params_ = nullptr;
    QLabel* jest_ = nullptr;
    QLabel* ma_byc_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QLabel* start_ = nullptr;
    QLabel* stop_ = nullptr;
    QLabel* cycle_ = nullptr;
    QLabel* weight_doc_ = nullptr;
    QLabel* water_cement_ = nullptr;
    QLabel* water_cement_caption_ = nullptr;
    QPushButton* cycles_button_ = nullptr;
    QPushButton* weight_doc_button_ = nullptr;
};

}  // namespace wazenie
