#include "ui/settings_window.h"

#include <string>

#include "station/faked_station.h"
#include "storage/correction_settings.h"
#include "ui/support/clicks.h"
#include "ui/support/modal_steps.h"
#include "ui/support/modal_watch.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

namespace {

// A station over fakes whose settings file holds `ini`, and its settings window.
struct Rig : FakedStation {
    explicit Rig(const std::string& ini, const std::string& corrections = "") {
        write_bytes(dir / "konfig.ini", ini);
        write_bytes(dir / "korekty.txt", corrections);
        station.start_up();
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        return window.findChild<T*>(QLatin1String(name));
    }
    void click(const char* name) { testing::click(&window, name); }

    TFormUstaw window{station, dialogs};
};

}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opens_filled_and_ok_reopens_the_port();
    void a_refused_field_keeps_the_focus_and_cancel_keeps_everything();
    void operators_open_in_management_mode();
    void the_corrections_tab_clears_what_was_learned_and_ok_takes_its_values();
};

void SettingsWindowTest::opens_filled_and_ok_reopens_the_port() {
    Rig rig("[Polaczenie_RS]\r\nport=12\r\npredkosc=57600\r\n[Inne]\r\nlog=1\r\n");
    rig.link.baud = 0;
    in_modal_loop(rig.window, [&] {
        QCOMPARE(rig.find<QTabWidget>("PCconf")->currentIndex(), 0);
        QVERIFY(rig.find<QAbstractButton>("RGNumPortu_COM12")->isChecked());
        QVERIFY(rig.find<QAbstractButton>("RGSzybkosc_14400")->isChecked());
        QVERIFY(rig.find("GBrstimeout")->isVisible());
        QCOMPARE(rig.find<QLineEdit>("Emin_weight1")->text(), QStringLiteral("5.0"));
        rig.click("BBok");
    });
    QVERIFY(rig.window.run());
    QVERIFY(rig.link.opened);
    QCOMPARE(rig.link.baud, 14400);
    QCOMPARE(rig.station.settings().baud_rate, 14400);
    QCOMPARE(rig.station.connection_text(), std::string("port COM12, 14400bps"));

    // Without the log the timings are hidden and go back unchanged.
    rig.station.settings().log = 0;
    rig.station.settings().rs_timeout = 1500;
    in_modal_loop(rig.window, [&] {
        QVERIFY(!rig.find("GBrstimeout")->isVisible());
        rig.click("BBok");
    });
    QVERIFY(rig.window.run());
    QCOMPARE(rig.station.settings().rs_timeout, 1500);
}

void SettingsWindowTest::a_refused_field_keeps_the_focus_and_cancel_keeps_everything() {
    Rig rig("");
    rig.link.baud = 0;
    in_modal_loop(rig.window, [&] {
        rig.find<QTabWidget>("PCconf")->setCurrentIndex(2);
        auto* max = rig.find<QLineEdit>("Emax_weight1");
        max->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), max);
        max->setText("12a");
        QTest::keyClick(max, Qt::Key_Return);
        QTRY_COMPARE(rig.dialogs.last(), std::string("błąd: Masa maksymalna musi być liczbą całkowitą!"));
        QTRY_COMPARE(QApplication::focusWidget(), max);

        // Enter leaves a good field for the next control, and the window stays open.
        max->setText("300");
        QTest::keyClick(max, Qt::Key_Return);
        QTRY_VERIFY(QApplication::focusWidget() != max);
        QVERIFY(rig.window.isVisible());

        auto* min = rig.find<QLineEdit>("Emin_weight2");
        min->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), min);
        min->setText("2,26");
        QTest::keyClick(min, Qt::Key_Return);
        QTRY_COMPARE(min->text(), QStringLiteral("2.3"));

        rig.find<QAbstractButton>("CBweight_enabled1")->click();
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Nie mogą być wszystkie wagi wyłączone!"));
        QVERIFY(rig.find<QAbstractButton>("CBweight_enabled1")->isChecked());
        rig.click("BBcancel");
    });
    QVERIFY(!rig.window.run());
    QCOMPARE(rig.station.process().w[1].max_weight, 200);
    QCOMPARE(rig.station.process().w[2].min_weight, 5.0);
    QCOMPARE(rig.link.baud, 0);
}

void SettingsWindowTest::operators_open_in_management_mode() {
    Rig rig("");
    bool managed = false;
    in_modal_loop(rig.window, [&] {
        rig.find<QTabWidget>("PCconf")->setCurrentIndex(1);
        when_modal_shown("TFwytop", [&](QWidget* operators) {
            managed = operators->findChild<QWidget*>("SBadd")->isVisible();
            QTest::mouseClick(operators->findChild<QAbstractButton*>("BBclose"), Qt::LeftButton);
        });
        rig.click("BBoper");
        QVERIFY(managed);
    });
    QVERIFY(!rig.window.run());
}

void SettingsWindowTest::the_corrections_tab_clears_what_was_learned_and_ok_takes_its_values() {
    Rig rig("", "1\tcement\t-4.0\t12\r\n2\twoda\t1.5\t3\r\n");
    in_modal_loop(rig.window, [&] {
        rig.find<QTabWidget>("PCconf")->setCurrentWidget(rig.find("TSconf_korekty"));
        QVERIFY(!rig.find<QAbstractButton>("CBkorekta_wlaczona")->isChecked());
        auto* list = rig.find<QTreeWidget>("LVkorekty");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("-4.0"));
        list->topLevelItem(0)->setSelected(true);
        rig.click("BBzeruj");
        QCOMPARE(rig.dialogs.last(), std::string("pytanie: Czy wyzerować wybraną korektę?"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("woda"));

        auto* percent = rig.find<QLineEdit>("Emaks_procent");
        percent->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), percent);
        percent->setText("0");
        QTest::keyClick(percent, Qt::Key_Return);
        QTRY_VERIFY(rig.dialogs.last().rfind("błąd: Największa korekta musi być liczbą większą od 0", 0) ==
                    0);
        QTRY_COMPARE(QApplication::focusWidget(), percent);
        percent->setText("7,5");
        QTest::keyClick(percent, Qt::Key_Return);
        QTRY_COMPARE(percent->text(), QStringLiteral("7.5"));
        rig.find<QAbstractButton>("CBkorekta_wlaczona")->click();
        rig.click("BBok");
    });
    QVERIFY(rig.window.run());
    const Settings& settings = rig.station.settings();
    QVERIFY(settings.correction.enabled);
    QCOMPARE(settings.correction.max_percent, 7.5);
    QCOMPARE(settings.ini.value(kCorrectionSection, "maks_procent"), std::optional<std::string>("7,5"));
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
