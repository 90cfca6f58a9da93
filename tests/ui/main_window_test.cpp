#include <filesystem>
#include <memory>
#include <string>

#include "comm/exchange_log.h"
#include "ui/list_sync.h"
#include "ui/support/clicks.h"
#include "ui/support/main_window_rig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using Rig = wazenie::testing::MainWindowRig;
using wazenie::testing::click;
using wazenie::testing::when_modal_shown;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void builds_with_named_controls();
    void login_at_first_activation_or_close();
    void unchanged_refresh_writes_nothing();
    void disabled_and_lost_scales();
    void buttons_reach_the_station();
    void technical_panel_follows_log();
};

void MainWindowTest::builds_with_named_controls() {
    Rig rig(1);
    QCOMPARE(rig.window->windowTitle(), QString("Program do wag dozujących"));
    QCOMPARE(rig.find<QLabel>("Lstatus_port")->text(), QString("port COM1, 9600bps"));
    QVERIFY(!rig.find<QLabel>("Lstatus_printer")->text().isEmpty());
    QCOMPARE(rig.find<QLabel>("Lstatus_version")->text(), QString("2.0"));
    QCOMPARE(rig.find<QLabel>("Lcompany_name1")->text(), QString("Wytwórnia betonu"));
    QVERIFY(rig.find("Icompany_logo")->isHidden());
    QVERIFY(rig.find("SBchange_weight_doc")->isHidden());
    for (const char* name : {"SBstart", "SBpause", "SBstop", "BBweight_params", "Lclient", "Lrecipe",
                             "Ilogo_maker", "BBprint_wz", "LVcycles", "SBview_current", "BitBtn1", "Mlog",
                             "Blog_clear", "Btimer_pause", "LVtechnical", "SEreceived_b03",
                             "Breceived_simulate_weight", "Breceived_simulate_string", "Ereceived_string"}) {
        QVERIFY2(rig.find(name), name);
    }
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(rig.find<QTreeWidget>(QString("LVweight%1").arg(n))->columnCount(), 5);
        QVERIFY(rig.find<QPushButton>(QString("SBstop%1").arg(n))->isCheckable());
        QCOMPARE(rig.find<QSpinBox>(QString("SEweight%1_auto_delta").arg(n))->value(), 1);
        QVERIFY(rig.find<QPushButton>(QString("SBweight%1_open").arg(n))->isCheckable());
        QVERIFY(rig.find(QString("CBweight%1_auto").arg(n)));
    }
    QCOMPARE(rig.find<QSpinBox>("SEreceived_x")->maximum(), 4);
    QCOMPARE(rig.find<QLineEdit>("Ereceived_weight")->text(), QString("    100.0"));
    QCOMPARE(rig.find<QLineEdit>("Ereceived_weight")->maxLength(), 9);
    QVERIFY(rig.link.opened);
}

void MainWindowTest::login_at_first_activation_or_close() {
    {
        Rig rig(1);
        rig.dialogs.values = {"817"};
        when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* login) {
            QTest::mouseClick(login->findChild<QPushButton*>("BBok"), Qt::LeftButton);
        });
        rig.window->show();
        QTRY_VERIFY(rig.window->logged_in());
        QCOMPARE(rig.find<QLabel>("Lstatus_operator")->text(), QString("ADMINISTRATOR"));
        QCOMPARE(rig.find<QPushButton>("BBweight_params")->text(), QString(" Parametry\n naważania"));
        QVERIFY(rig.find("Plog")->isVisible());
        QCOMPARE(rig.window->minimumHeight(), 997);
        // The running loop asks the scales for their weights.
        QTRY_VERIFY(!rig.link.written.empty());
        rig.window->close();
        QVERIFY(std::filesystem::exists(rig.dir / "status.txt"));
    }
    Rig rig(0);
    QSignalSpy cancelled(rig.window.get(), &TForm1::login_cancelled);
    when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* login) {
        QTest::mouseClick(login->findChild<QPushButton*>("BBcancel"), Qt::LeftButton);
    });
    rig.window->show();
    QTRY_COMPARE(cancelled.count(), 1);
    QTRY_VERIFY(!rig.window->isVisible());
    QVERIFY(!std::filesystem::exists(rig.dir / "status.txt"));
    QVERIFY(!rig.link.opened);
}

void MainWindowTest::unchanged_refresh_writes_nothing() {
    Rig rig(1);
    rig.load_process();
    rig.refresh_all();
    auto* materials = rig.find<QTreeWidget>("LVweight2");
    QCOMPARE(materials->topLevelItemCount(), 3);
    QCOMPARE(rig.find<QTreeWidget>("LVcycles")->topLevelItemCount(), 4);
    QCOMPARE(rig.find<QLabel>("Lrecipe")->text(), QString("B25 beton konstrukcyjny"));

    const long long before = sync::writes();
    QSignalSpy cells(materials, &QTreeWidget::itemChanged);
    rig.refresh_all();
    QCOMPARE(sync::writes(), before);

    // One reading changes: its field and its gauge, nothing in the lists.
    rig.edit([](ProcessState& p) { p.w[2].curr_weight[1] = 375; });
    rig.window->refresh_scales(0);
    QCOMPARE(rig.find<QLabel>("Lweight2")->text(), QString("375"));
    QCOMPARE(rig.find<QProgressBar>("Gweight2")->value(), 25);
    QCOMPARE(sync::writes(), before + 2);
    QCOMPARE(cells.count(), 0);
}

void MainWindowTest::disabled_and_lost_scales() {
    Rig rig(0);
    rig.load_process();
    rig.edit([](ProcessState& p) {
        p.w[3].weight_enabled = false;
        p.w[3].curr_weight[1] = 50;
        p.w[4].cp_timeout_num = 5;
    });
    rig.refresh_all();
    auto* message = rig.find<QLabel>("Lconnection3");
    QCOMPARE(message->text(), QString("waga wyłączona"));
    QCOMPARE(message->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(rig.find<QLabel>("Lweight_name3")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(rig.find<QLabel>("Lweight3")->text(), QString("- - - - -"));
    QCOMPARE(rig.find<QProgressBar>("Gweight3")->value(), 0);
    QCOMPARE(rig.find<QLabel>("Lconnection4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // The next valid answer clears the message.
    rig.edit([](ProcessState& p) { p.w[4].cp_timeout_num = 0; });
    rig.window->refresh_connection();
    QCOMPARE(rig.find<QLabel>("Lconnection4")->text(), QString());
}

void MainWindowTest::buttons_reach_the_station() {
    Rig rig(0);
    rig.load_process();
    rig.refresh_all();
    click(rig.window.get(), "SBstart");
    const pending_command& cpq = rig.window->station().process().cpq;
    QCOMPARE(cpq.msg, static_cast<int>(CP_MSG_RECIPE));
    QCOMPARE(cpq.status, command_status::WAITING);
    QVERIFY(cpq.all_weights);

    // The buttons of a scale show what the station holds, not what the click toggled.
    auto* stop = rig.find<QPushButton>("SBstop1");
    QVERIFY(stop->isChecked());
    rig.window->station().settings().block_down_buttons = true;
    const std::size_t said = rig.dialogs.journal.size();
    click(rig.window.get(), "SBstop1");  // reaches the button, which stays down and asks nothing
    QVERIFY(stop->isChecked());
    QCOMPARE(rig.dialogs.journal.size(), said);
    click(rig.window.get(), "SBstart1");
    QCOMPARE(rig.dialogs.last(), std::string("błąd: Błąd! Oczekuję potwierdzenia poprzedniego komunikatu!"));
    QVERIFY(rig.find<QPushButton>("SBstart1")->isChecked());
    QVERIFY(!stop->isChecked());

    click(rig.window.get(), "SBview_previous");
    QCOMPARE(rig.find<QLabel>("Lview_cycle")->text(), QString("1"));
    QVERIFY(!rig.find<QPushButton>("SBview_current")->isChecked());
    click(rig.window.get(), "SBview_current");
    QVERIFY(rig.find<QPushButton>("SBview_current")->isChecked());
}

void MainWindowTest::technical_panel_follows_log() {
    Rig rig(1);
    auto* log = rig.find<QPlainTextEdit>("Mlog");
    // Lines logged while the panel is hidden are shown when it appears.
    rig.window->station().exchange_log().log_line(-2, "pierwsza");
    QVERIFY(log->toPlainText().isEmpty());
    rig.dialogs.values = {"817"};
    when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* login) {
        QTest::mouseClick(login->findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    rig.window->show();
    QTRY_VERIFY(rig.window->logged_in());
    QVERIFY(rig.find("Plog")->isVisible());
    QVERIFY(log->toPlainText().startsWith(
        QString::fromStdString(rig.window->station().exchange_log().lines().front())));
    QTest::mouseClick(rig.find<QPushButton>("Blog_clear"), Qt::LeftButton);
    QVERIFY(log->toPlainText().isEmpty());
    QTest::mouseClick(rig.find<QPushButton>("Btimer_pause"), Qt::LeftButton);
    QVERIFY(rig.window->station().exchange_paused());
    QTRY_VERIFY(log->toPlainText().endsWith("pauza włączona"));

    rig.window->station().settings().log = 0;
    rig.window->refresh_layout();
    QVERIFY(rig.find("Plog")->isHidden());
    QCOMPARE(rig.window->minimumHeight(), 762);
    QCOMPARE(rig.window->height(), 762);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
