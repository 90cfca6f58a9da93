#include "ui/main_window.h"

#include <utility>

#include "comm/serial_link.h"
#include "comm/simulation.h"
#include "platform/qt_printer.h"
#include "platform/qt_text.h"
#include "station/in_flight_correction.h"
#include "station/station.h"
#include "station/water_cement.h"
#include "station/window_model.h"
#include "storage/operators.h"
#include "ui/about_box.h"
#include "ui/cycle_group.h"
#include "ui/data_windows.h"
#include "ui/help_page.h"
#include "ui/list_sync.h"
#include "ui/operator_dialog.h"
#include "ui/process_strip.h"
#include "ui/scale_panel.h"
#include "ui/simulation_group.h"
#include "ui/status_bar.h"
#include "ui/technical_panel.h"
#include "ui/tools_group.h"
#include "ui/window_commands.h"
#include "windows/operator_dialog.h"
#include "windows/rights.h"
#include "windows/stock_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace wazenie {

namespace {
constexpr const char* kNoPrinterName = "<brak drukarki>";
constexpr int kMainLoopMs = 9;
constexpr int kAnswerMs = 20;
constexpr int kWindowWidth = 1280;
}  // namespace

TForm1::TForm1(DesktopSeams seams, QWidget* parent)
    : QMainWindow(parent),
      seams_(std::move(seams)),
      station_(
          std::make_unique<Station>(seams_.data_dir, seams_.link, seams_.clock, seams_.dialogs, throttle_)),
      simulation_(std::make_unique<Simulation>(
          std::as_const(*station_).process(),
          [station = station_.get()](const std::string& frame) { station->handle_answer(frame); })),
      data_windows_(std::make_unique<DataWindows>(
          *station_, seams_.dialogs, seams_.printer, seams_.clock,
          [this](const std::string& name) { status_->set_printer(name); }, this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Program do wag dozujących"));
    setCentralWidget(make_central());
    status_ = new StatusBar(this);
    setStatusBar(status_);
    make_help_menu();

    station_->start_up();
    status_->set_port(station_->connection_text());
    status_->set_printer(seams_.printer.printer_name().value_or(kNoPrinterName));
    show_company();

    main_timer_.setInterval(kMainLoopMs);
    main_timer_.setTimerType(Qt::PreciseTimer);
    connect(&main_timer_, &QTimer::timeout, this, [this] { station_->main_tick(); });
    answer_timer_.setInterval(kAnswerMs);
    connect(&answer_timer_, &QTimer::timeout, this, [this] { simulation_->auto_answer_tick(); });

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(kWindowWidth, screen.width()), window_min_height(station_->settings()));
    move(screen.topLeft());
}

// The port outlives the window; bytes arriving after the station is gone must find no handler.
TForm1::~TForm1() {
    main_timer_.stop();
    answer_timer_.stop();
    seams_.link.on_bytes_arrived({});
}

bool TForm1::logged_in() const {
    return station_->logged_in();
}

QWidget* TForm1::make_central() {
    auto* central = new QWidget(this);
    strip_ = new ProcessStrip(*station_, central);
    connect(strip_, &ProcessStrip::weighing_params_requested, this,
            [this] { data_windows_->open_weighing_params(); });
    connect(&strip_->tools(), &ToolsGroup::settings_requested, this, [this] {
        if (data_windows_->open_settings()) {
            refresh_layout();
        }
    });
    connect(&strip_->tools(), &ToolsGroup::recipes_requested, this,
            [this] { data_windows_->open_recipes(); });
    connect(&strip_->tools(), &ToolsGroup::clients_requested, this,
            [this] { data_windows_->open_clients(); });
    connect(&strip_->tools(), &ToolsGroup::stock_requested, this, [this] { data_windows_->open_stock(); });
    connect(&strip_->tools(), &ToolsGroup::reports_requested, this,
            [this] { data_windows_->open_reports(); });
    connect(&strip_->tools(), &ToolsGroup::print_wz_requested, this, [this] {
        print_wz_of_station(*station_, seams_.printer, seams_.dialogs, seams_.clock,
                            [this](const std::string& name) { status_->set_printer(name); });
    });

    auto* scales = new QHBoxLayout;
    scales->setSpacing(4);
    for (int n = 1; n <= kScales; ++n) {
        scales_[n] = new ScalePanel(n, central);
        connect(scales_[n], &ScalePanel::button_clicked, this, [this](int scale, ScaleButton button) {
            station_->click_scale_button(scale, button);
            scales_[scale]->show_buttons(station_->scale_button_down(scale));
        });
        scales->addWidget(scales_[n], 1);
    }
    technical_ = new TechnicalPanel(*station_, *simulation_, central);
    technical_->hide();
    connect(technical_, &TechnicalPanel::exchange_pause_toggled, this, &TForm1::follow_timer);

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(3);
    column->addWidget(strip_);
    column->addLayout(scales, 1);
    auto* simulation = new SimulationGroup(*simulation_, central);
    connect(simulation, &SimulationGroup::auto_answers_switched, this, &TForm1::follow_answer_timer);
    column->addWidget(simulation);
    column->addWidget(technical_);
    return central;
}

void TForm1::make_help_menu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("MNhelp"));
    help->addAction(QStringLiteral("Pomoc"), QKeySequence::HelpContents, this, [this] {
        if (!open_help_page()) {
            seams_.dialogs.warning("Nie można otworzyć strony pomocy: doc/pomoc.htm");
        }
    });
    help->addAction(QStringLiteral("O programie..."), this, [this] {
        if (!about_) {
            about_ = new TAboutBox(this);
            about_->setAttribute(Qt::WA_DeleteOnClose);
        }
        about_->show();
        about_->raise();
    });
}

// The company's two lines are installation data: [Firma] linia1 / linia2 of the settings file.
void TForm1::show_company() {
    const IniDocument& ini = station_->settings().ini;
    strip_->tools().set_company(to_qt(ini.value("Firma", "linia1").value_or("Wytwórnia betonu")),
                                to_qt(ini.value("Firma", "linia2").value_or("Stanowisko dozowania")));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // After the window is on the screen, so the login box has it behind it.
        QTimer::singleShot(0, this, &TForm1::first_activation);
    }
}

void TForm1::first_activation() {
    strip_->two_line_params_caption();
    refresh_layout();
    if (station_->settings().run_maximized) {
        showMaximized();
    }
    OperatorWindow operators(operators_file_path(seams_.data_dir), seams_.dialogs);
    std::optional<std::string> name = TFwytop(operators, this).run(OperatorWindow::Mode::Login);
    if (!name) {
        emit login_cancelled();
        close();
        return;
    }
    station_->log_in(*name);
    status_->set_operator(*name);
    follow_timer();
}

void TForm1::follow_timer() {
    if (station_->timer_enabled() && !closed_) {
        main_timer_.start();
    } else {
        main_timer_.stop();
    }
}

// The simulated answers need their 20 ms timer only while a scale's switch is on; an idle timer
// would wake the program fifty times a second for nothing.
void TForm1::follow_answer_timer() {
    bool any_on = false;
    for (int n = 1; n <= kScales; ++n) {
        any_on = any_on || simulation_->scales[n].auto_answer;
    }
    if (any_on && !closed_) {
        answer_timer_.start();
    } else {
        answer_timer_.stop();
    }
}

// A running process is not asked about: the status file keeps it for the next start.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        main_timer_.stop();
        answer_timer_.stop();
        station_->close();
    }
    event->accept();
}

void TForm1::refresh_connection() {
    for (int n = 1; n <= kScales; ++n) {
        scales_[n]->show_connection(connection_view(station_->process(), n));
    }
}

void TForm1::refresh_technical() {
    if (station_->settings().log != 0) {
        technical_->show_technical();
    }
}

void TForm1::refresh_scales(int view_cycle) {
    const ProcessState& p = station_->process();
    for (int n = 1; n <= kScales; ++n) {
        scales_[n]->show_view(scale_view(p, n, view_cycle, station_->scale_button_down(n),
                                         station_->tolerances(), &station_->correction().sent(n)));
    }
    strip_->cycles().show_rows(cycle_rows(p, station_->settings().total_precision));
    const ProcessView process = process_view(p, station_->settings());
    strip_->show_total(process.jest, process.gauge);
    strip_->show_water_cement(
        water_cement_text(p, station_->process_materials(), view_cycle == 0 ? p.r.curr_cycle : view_cycle));
}

void TForm1::refresh_process() {
    strip_->show_process(process_view(station_->process(), station_->settings()));
    refresh_scales(station_->process().r.view_cycle);
}

void TForm1::refresh_layout() {
    const Settings& settings = station_->settings();
    for (int n = 1; n <= kScales; ++n) {
        scales_[n]->show_layout(scale_layout(station_->process().w[n]));
    }
    refresh_scales(station_->process().r.view_cycle);
    strip_->show_weight_doc_button(settings.enable_change_weightdoc);
    // The settings window may have opened the port anew.
    status_->set_port(station_->connection_text());
    sync::shown(technical_, technical_panel_shown(settings));
    setMinimumHeight(window_min_height(settings));
    if (!isMaximized()) {
        resize(width(), minimumHeight());
    }
}

void TForm1::apply_rights() {
    if (!may_open_settings(station_->operator_name())) {
        strip_->tools().restrict_to_operator();
    }
    const Settings& settings = station_->settings();
    strip_->tools().offer_stock(stock_window_offered(settings, station_->data_dir()),
                                may_keep_stock(settings, station_->operator_name()));
}

}  // namespace wazenie
