#include <algorithm>
#include <string>

#include "comm/exchange_log.h"
#include "comm/simulation.h"
#include "ui/support/main_window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using Rig = wazenie::testing::MainWindowRig;
using wazenie::testing::when_modal_shown;

class MainWindowPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void lists_keep_their_rows();
    void dose_outside_tolerance_marks_its_cell();
    void simulation_controls_drive_the_simulation();
    void manual_answers_reach_the_station();
    void weighing_params_through_the_dialog();
    void names_and_the_port_text_fit_their_fields();
};

void MainWindowPanelsTest::lists_keep_their_rows() {
    Rig rig(0);
    rig.load_process();
    rig.refresh_all();
    auto* list = rig.find<QTreeWidget>("LVweight2");
    QTreeWidgetItem* first = list->topLevelItem(0);
    QCOMPARE(first->text(2), QString("piasek 0-2"));
    QCOMPARE(first->textAlignment(3), int(Qt::AlignRight | Qt::AlignVCenter));

    // Fewer materials remove rows at the end; the rows that stay are the same items.
    rig.edit([](ProcessState& p) { p.w[2].max_material = 1; });
    rig.window->refresh_scales(0);
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0), first);

    // The last cycle's "Ma być" carries the correction of the split.
    auto* cycles = rig.find<QTreeWidget>("LVcycles");
    QCOMPARE(cycles->topLevelItemCount(), 4);
    QCOMPARE(cycles->topLevelItem(0)->text(3), QString("1751"));
    QCOMPARE(cycles->topLevelItem(3)->text(3), QString("1747"));
    QVERIFY(!cycles->topLevelItem(0)->icon(0).isNull());
    QVERIFY(cycles->topLevelItem(3)->icon(0).isNull());
}

void MainWindowPanelsTest::dose_outside_tolerance_marks_its_cell() {
    Rig rig(0);
    rig.load_process();
    rig.edit([](ProcessState& p) {
        weight_record& w = p.w[2];
        w.curr_cycle = 1;
        w.curr_status = run_mode::RUNNING;
        w.curr_cycle_status = cycle_status::STARTED;
        w.curr_material = 2;  // material 1 has ended 10 % over its target
        w.m[1].curr_weight[1] = w.m[1].recipe_weight_c1 * 1.1;
    });
    rig.window->refresh_scales(0);
    auto* list = rig.find<QTreeWidget>("LVweight2");
    QTreeWidgetItem* first = list->topLevelItem(0);
    QCOMPARE(first->background(3).color(), QColor(0xFF, 0xD2, 0x7F));
    QVERIFY2(first->toolTip(3).startsWith("Odchyłka: +") && first->toolTip(3).endsWith(" %), tolerancja 3 %"),
             qPrintable(first->toolTip(3)));
    QCOMPARE(list->topLevelItem(1)->background(3).style(), Qt::NoBrush);

    rig.edit([](ProcessState& p) { p.w[2].m[1].curr_weight[1] = p.w[2].m[1].recipe_weight_c1; });
    rig.window->refresh_scales(0);
    QCOMPARE(first->background(3).style(), Qt::NoBrush);
    QVERIFY(first->toolTip(3).isEmpty());
}

void MainWindowPanelsTest::simulation_controls_drive_the_simulation() {
    Rig rig(0);
    rig.load_process();
    Simulation& simulation = rig.window->simulation();
    rig.find<QCheckBox>("CBweight2_auto")->setChecked(true);
    rig.find<QSpinBox>("SEweight2_auto_delta")->setValue(-5);
    QVERIFY(simulation.scales[2].auto_answer);
    QCOMPARE(simulation.scales[2].delta, -5);

    rig.edit([](ProcessState& p) { p.w[2].curr_weight[p.w[2].curr_cycle] = 103; });
    QTest::mouseClick(rig.find<QPushButton>("SBweight2_open"), Qt::LeftButton);
    QVERIFY(simulation.scales[2].tank_open);
    QCOMPARE(simulation.scales[2].open_step, 10);
    QTest::mouseClick(rig.find<QPushButton>("SBweight2_open"), Qt::LeftButton);
    QVERIFY(!simulation.scales[2].tank_open);
}

void MainWindowPanelsTest::manual_answers_reach_the_station() {
    Rig rig(1);
    const auto& lines = rig.window->station().exchange_log().lines();
    rig.find<QLineEdit>("Ereceived_string")->setText("P3");
    QTest::mouseClick(rig.find<QPushButton>("Breceived_simulate_string"), Qt::LeftButton);
    QVERIFY(lines.size() >= 1);
    QVERIFY(lines.front().find(" << P3") != std::string::npos);

    rig.find<QSpinBox>("SEreceived_x")->setValue(3);
    rig.find<QSpinBox>("SEreceived_b03")->setValue(8);
    QTest::mouseClick(rig.find<QPushButton>("Breceived_simulate_weight"), Qt::LeftButton);
    const bool logged = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("    100.0") != std::string::npos &&
               line.find("(b03=8; b45=0; b67=0)") != std::string::npos;
    });
    QVERIFY(logged);
}

void MainWindowPanelsTest::weighing_params_through_the_dialog() {
    Rig rig(0);
    rig.window->station().log_in("ADMINISTRATOR");
    when_modal_shown(QStringLiteral("TFrecipe_summary"), [](QWidget* dialog) {
        auto* recipes = dialog->findChild<QComboBox*>("CBrecipe_name");
        emit recipes->activated(recipes->findText("B25 beton konstrukcyjny"));
        dialog->findChild<QLineEdit*>("Erecipe_total_weight")->setText("3500");
        QTest::mouseClick(dialog->findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    QTest::mouseClick(rig.find<QPushButton>("BBweight_params"), Qt::LeftButton);
    QCOMPARE(rig.find<QLabel>("Lrecipe")->text(), QString("B25 beton konstrukcyjny"));
    QCOMPARE(rig.find<QLabel>("Lrecipe_total_weight")->text(), QString("3500"));
    QCOMPARE(rig.find<QTreeWidget>("LVweight2")->topLevelItemCount(), 3);
    QVERIFY(std::filesystem::exists(rig.dir / "status.txt"));
}

void MainWindowPanelsTest::names_and_the_port_text_fit_their_fields() {
    Rig rig(0);
    const QString refusal =
        "/dev/ttyS0: nie ma takiego pliku ani katalogu, urządzenie odłączone od komputera";
    rig.link.refuse_open = true;
    rig.link.refusal = refusal.toStdString();
    rig.window->station().apply_port_settings();
    when_modal_shown("TFwytop", [](QWidget* login) { login->findChild<QPushButton*>("BBok")->click(); });
    rig.dialogs.values.push_back("817");
    rig.window->resize(1280, 1024);
    rig.window->show();
    QTRY_VERIFY(rig.window->logged_in());
    rig.load_process();
    const QString name = "cement CEM II/B-S 32,5R";
    rig.edit([&name](ProcessState& p) { p.w[1].m[1].material_name = name.toStdString(); });
    rig.refresh_all();

    // The name takes what the masses leave; a mass column is no wider than its caption or a mass
    // a digit beyond the capacity (400 kg).
    auto* list = rig.find<QTreeWidget>("LVweight1");
    QTRY_VERIFY(list->columnWidth(2) >= list->fontMetrics().horizontalAdvance(name) + 6);
    const int mass = list->fontMetrics().horizontalAdvance("8888");
    for (int column : {3, 4}) {
        const int caption = list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column));
        QVERIFY(list->columnWidth(column) >= mass &&
                list->columnWidth(column) <= std::max(mass, caption) + 12);
    }

    // The port's state whole, the reason cut after a whole word, all of it in the tooltip.
    auto* port = rig.find<QLabel>("Lstatus_port");
    const QString full = "brak połączenia! (port COM1, 9600bps) " + refusal;
    QCOMPARE(port->toolTip(), full);
    QVERIFY2(port->text().endsWith(" …"), qPrintable(port->text()));
    const QString shown = port->text().chopped(2);
    QVERIFY(shown.startsWith("brak połączenia! (port COM1, 9600bps)"));
    QVERIFY(full.startsWith(shown) && full.at(shown.size()) == QLatin1Char(' '));
    QVERIFY(port->fontMetrics().horizontalAdvance(port->text()) <= port->contentsRect().width());
    rig.window->close();
}

QTEST_MAIN(MainWindowPanelsTest)
#include "main_window_panels_test.moc"
