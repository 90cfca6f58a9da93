#pragma once

#include <filesystem>
#include <memory>

#include "core/display.h"
#include "core/indexed_array.h"
#include "core/process_records.h"
#include "ui/display_throttle.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace wazenie {

class Clock;
class DataWindows;
class Dialogs;
class ProcessStrip;
class QtPrinter;
class ScalePanel;
class SerialLink;
class Simulation;
class Station;
class StatusBar;
class TAboutBox;
class TechnicalPanel;

struct DesktopSeams {
    std::filesystem::path data_dir;
    SerialLink& link;
    const Clock& clock;
    Dialogs& dialogs;
    QtPrinter& printer;
};

// "Program do wag dozujących": owns the station and the simulation, drives the 9 ms main loop and the
// 20 ms simulated answers, and shows the records through its panels. Every rule is the station's.
class TForm1 final : public QMainWindow, public Display {
    Q_OBJECT
public:
    explicit TForm1(DesktopSeams seams, QWidget* parent = nullptr);
    ~TForm1() override;

    Station& station() { return *station_; }
    Simulation& simulation() { return *simulation_; }
    bool logged_in() const;

    void refresh_connection() override;
    void refresh_technical() override;
    void refresh_scales(int view_cycle) override;
    void refresh_process() override;
    void refresh_layout() override;
    void apply_rights() override;

signals:
    // The operator cancelled the login; the window closes itself too.
    void login_cancelled();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* make_central();
    void make_help_menu();
    void show_company();
    void first_activation();
    void follow_timer();
    void follow_answer_timer();

    DesktopSeams seams_;
    DisplayThrottle throttle_{*this};
    std::unique_ptr<Station> station_;
    std::unique_ptr<Simulation> simulation_;
    std::unique_ptr<DataWindows> data_windows_;
    ProcessStrip* strip_ = nullptr;
    IndexedArray<ScalePanel*, kScales> scales_{};
    TechnicalPanel* technical_ = nullptr;
    StatusBar* status_ = nullptr;
    QPointer<TAboutBox> about_;
    QTimer main_timer_;
    QTimer answer_timer_;
    bool activated_ = false;
    bool closed_ = false;
};

}  // namespace wazenie
