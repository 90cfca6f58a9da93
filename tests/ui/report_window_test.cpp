#include <algorithm>
#include <filesystem>
#include <string>

#include "core/number_text.h"
#include "ui/support/modal_watch.h"
#include "ui/support/report_logs.h"
#include "ui/support/report_rig.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstShowingIsTodayAndEmptyRangesAreRefused() {
        ReportRig rig;
        QCOMPARE(rig.find<QLineEdit>("Edate_from")->text(), QStringLiteral("2024-03-05"));
        QCOMPARE(rig.find<QLineEdit>("Edate_to")->text(), QStringLiteral("2024-03-05"));
        rig.click("BBprint_report");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Raport jest pusty!"));

        rig.refresh("2024-03-05", "2024-03-01");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Data początkowa musi być wcześniejsza od końcowej."));
        QCOMPARE(rig.find<QTreeView>("LVreport")->model()->rowCount(), 0);

        rig.refresh("2023-12-01", "2024-01-31");
        QCOMPARE(rig.column("LVreport", 0), QStringList{QStringLiteral("<brak pomiarów>")});
        rig.click("BBprint_wz");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Nie zaznaczono żadnego ważenia."));
        auto* list = rig.find<QTreeView>("LVreport");
        list->setCurrentIndex(list->model()->index(0, 0));
        QCOMPARE(rig.find<QTreeWidget>("LVdetails")->topLevelItemCount(), 0);
        rig.click("BBprint_wz");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Zaznaczony wiersz nie jest raportem ważenia."));
        QVERIFY(rig.printer.printed.empty());
    }

    // The calendar opens at the date last chosen in it; closing it without OK changes no field.
    void calendarKeepsTheLastChosenDate() {
        ReportRig rig;
        QDate opened_at;
        when_modal_shown(QStringLiteral("TFcalendar"), [&opened_at](QWidget* calendar) {
            auto* month = calendar->findChild<QCalendarWidget*>(QStringLiteral("Calendar"));
            opened_at = month->selectedDate();
            month->setSelectedDate(QDate(2024, 2, 29));
            QTest::mouseClick(calendar->findChild<QPushButton*>(QStringLiteral("BBok")), Qt::LeftButton);
        });
        rig.find<QToolButton>("SBcalendar_to")->click();
        QCOMPARE(opened_at, QDate(2024, 3, 5));
        QCOMPARE(rig.find<QLineEdit>("Edate_to")->text(), QStringLiteral("2024-02-29"));

        when_modal_shown(QStringLiteral("TFcalendar"), [&opened_at](QWidget* calendar) {
            opened_at = calendar->findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->selectedDate();
            static_cast<QDialog*>(calendar)->reject();
        });
        rig.find<QToolButton>("SBcalendar_from")->click();
        QCOMPARE(opened_at, QDate(2024, 2, 29));
        QCOMPARE(rig.find<QLineEdit>("Edate_from")->text(), QStringLiteral("2024-03-05"));
    }

    void cycleChoiceShowsThatCyclesMasses() {
        ReportRig rig;
        QVERIFY(write_month_log(rig.dir.path(), 2024, 3, 2, rig.station.settings(), 5));
        rig.refresh("2024-03-01", "2024-03-05");
        QCOMPARE(rig.column("LVreport", 2).last(), QStringLiteral("RAZEM:"));
        auto* list = rig.find<QTreeView>("LVreport");
        list->setCurrentIndex(list->model()->index(0, 0));
        auto* cycle = rig.find<QComboBox>("CBcycle");
        QCOMPARE(cycle->count(), 3);
        QCOMPARE(cycle->itemText(2), QStringLiteral("cykl 2"));

        const int precision = rig.station.process().w[1].precision;
        auto mass = [precision](double kg) { return QString::fromStdString(fixed_text(kg, precision)); };
        QCOMPARE(rig.column("LVdetails", 2).first(), QStringLiteral("Piasek 0-2"));
        QCOMPARE(rig.column("LVdetails", 3).first(), mass(2005));
        cycle->setCurrentIndex(1);
        emit cycle->activated(1);
        QCOMPARE(rig.column("LVdetails", 3).first(), mass(1005));
        cycle->setCurrentIndex(2);
        emit cycle->activated(2);
        QCOMPARE(rig.column("LVdetails", 3), (QStringList{mass(1000), mass(1000), mass(1000)}));

        rig.click("BBprint_wz");
        QCOMPARE(rig.printer.printed.size(), std::size_t{1});
    }

    // A refused range leaves the list, its current row and that process's masses as they were.
    void refusedRangeKeepsTheSelectedProcess() {
        ReportRig rig;
        QVERIFY(write_month_log(rig.dir.path(), 2024, 3, 2, rig.station.settings()));
        rig.refresh("2024-03-01", "2024-03-05");
        auto* list = rig.find<QTreeView>("LVreport");
        list->setCurrentIndex(list->model()->index(1, 0));
        rig.refresh("2024-03-05", "2024-03-01");
        QCOMPARE(rig.column("LVreport", 0).size(), 3);
        QCOMPARE(list->currentIndex().row(), 1);
        QCOMPARE(rig.column("LVdetails", 2).first(), QStringLiteral("Piasek 0-2"));
    }

    // Beside the WZ reprint, with its guards and its copies.
    void batchRecordPrintsTheSelectedProcess() {
        ReportRig rig;
        QVERIFY(write_month_log(rig.dir.path(), 2024, 3, 2, rig.station.settings()));
        rig.refresh("2024-03-01", "2024-03-05");
        auto* button = rig.find<QPushButton>("BBkarta_zarobu");
        QCOMPARE(button->text(), QStringLiteral("Karta zarobu"));
        QVERIFY(button->isEnabled());
        rig.click("BBkarta_zarobu");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Nie zaznaczono żadnego ważenia."));

        auto* list = rig.find<QTreeView>("LVreport");
        list->setCurrentIndex(list->model()->index(1, 0));
        rig.dialogs.copies = {2};
        rig.click("BBkarta_zarobu");
        QTRY_COMPARE(rig.printer.printed.size(), std::size_t{2});
        const PrintDocument& second = rig.printer.printed[1];
        QCOMPARE(second.orientation, PageOrientation::Landscape);
        QVERIFY(second.title.starts_with("Karta_zarobu ") && second.title.ends_with(" c2"));
        const auto lines = second.plain_lines();
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l.starts_with("  Dokument WZ nr:  00002/03/2024");
        }));
    }

    void bigReportIsCopiedFromTheRowAskedFor() {
        ReportRig rig;
        QVERIFY(write_month_log(rig.dir.path(), 2024, 2, 2499, rig.station.settings()));
        rig.refresh("2024-02-01", "2024-02-29");
        QCOMPARE(rig.find<QTreeView>("LVreport")->model()->rowCount(), 2500);
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto copied_rows = [clipboard] { return clipboard->text().count(QStringLiteral("\r\n")); };

        rig.dialogs.values = {"1501", "2001", "2501"};
        rig.click("BBcopy_report");
        QCOMPARE(copied_rows(), 1000);
        QVERIFY(clipboard->text().startsWith(QStringLiteral("01501/02/2024\t")));
        rig.click("BBcopy_report");
        QCOMPARE(copied_rows(), 500);
        QVERIFY(clipboard->text()
                    .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                    .last()
                    .startsWith(QStringLiteral("\t\tRAZEM:\t")));
        rig.click("BBcopy_report");
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Błędna wartość!"));
        QCOMPARE(copied_rows(), 500);
        QCOMPARE(rig.dialogs.value_requests.size(), std::size_t{3});
        QCOMPARE(rig.dialogs.value_requests[0].caption, std::string("Wiersz początkowy"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
