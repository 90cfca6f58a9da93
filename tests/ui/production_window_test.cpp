#include <filesystem>

#include "storage/batch_card.h"
#include "storage/material_kinds.h"
#include "ui/support/modal_watch.h"
#include "ui/support/report_logs.h"
#include "ui/support/report_rig.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

namespace {

// The report window over the demo data on 2024-03-05 with two processes logged on March 1 and 2,
// the first material of each 5 % over its target in cycle 1.
struct AnalysisRig : ReportRig {
    AnalysisRig() {
        write_month_log(dir.path(), 2024, 3, 2, station.settings(), 50);
        find<QLineEdit>("Edate_from")->setText(QStringLiteral("2024-03-01"));
    }

    // Opens the analysis from the report window and runs `steps` on it; it is closed afterwards.
    void in_analysis(std::function<void(QWidget*)> steps) {
        bool ran = false;
        when_modal_shown(QStringLiteral("TFanaliza"), [&ran, steps](QWidget* analysis) {
            const auto close = qScopeGuard([analysis] { static_cast<QDialog*>(analysis)->reject(); });
            ran = true;
            steps(analysis);
        });
        QTest::mouseClick(find<QPushButton>("BTanaliza"), Qt::LeftButton);
        QVERIFY(ran);
    }
};

template <typename T = QWidget>
T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

void refresh(QWidget* analysis) {
    QTest::mouseClick(child<QPushButton>(analysis, "BBrefresh"), Qt::LeftButton);
}

}  // namespace

class ProductionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheReportsRangeAndARefreshFillsTheTabs() {
        AnalysisRig rig;
        rig.in_analysis([](QWidget* analysis) {
            QCOMPARE(child<QLineEdit>(analysis, "Edate_from")->text(), QStringLiteral("2024-03-01"));
            QCOMPARE(child<QLineEdit>(analysis, "Edate_to")->text(), QStringLiteral("2024-03-05"));
            refresh(analysis);
            auto* consumption = child<QTreeWidget>(analysis, "LVconsumption");
            QCOMPARE(consumption->topLevelItemCount(), 4);
            QCOMPARE(consumption->topLevelItem(3)->text(0), QStringLiteral("RAZEM:"));
            QCOMPARE(child<QTreeWidget>(analysis, "LVaccuracy")->topLevelItemCount(), 3);
            QCOMPARE(child<QTreeWidget>(analysis, "LVdays")->topLevelItemCount(), 2);

            // Two processes of two cycles, three materials each; the first dose of each is 5 % over.
            QAbstractItemModel* doses = child<QTableView>(analysis, "TVdoses")->model();
            QCOMPARE(doses->rowCount(), 12);
            int amber = 0;
            for (int row = 0; row < doses->rowCount(); ++row) {
                QVERIFY(!doses->index(row, 6).data(Qt::BackgroundRole).isValid());
                amber += doses->index(row, 8).data(Qt::BackgroundRole).isValid() ? 1 : 0;
            }
            QCOMPARE(amber, 2);
            child<QAbstractButton>(analysis, "CBoutside_only")->click();
            QCOMPARE(doses->rowCount(), 2);
        });
    }

    // The first process's sand at 5 %: 2050 kg holds 97.6 kg of water, over 2000 kg of cement.
    void materialKindsShowTheChoiceOfKindTheTotalsAndTheWaterCementTab() {
        AnalysisRig rig;
        rig.in_analysis([](QWidget* analysis) {
            refresh(analysis);
            QVERIFY(!child(analysis, "CBkind")->isVisible());
            QVERIFY(!child<QTabWidget>(analysis, "PCviews")->isTabVisible(3));
            QVERIFY(!child(analysis, "LVkind_totals")->isVisible());
        });
        MaterialKinds kinds;
        kinds.set("Cement CEM I 42,5R", MaterialKind::cement);
        kinds.set("Piasek 0-2", MaterialKind::aggregate);
        QVERIFY(save_material_kinds(material_kinds_path(rig.dir.path()), kinds));
        QVERIFY(append_batch_card(batch_card_path(rig.dir.path(), "202403"),
                                  {"00001/03/2024",
                                   "2024-03-01 06:00:00",
                                   "B25 beton konstrukcyjny",
                                   {{1, 1, "Piasek 0-2", MaterialKind::aggregate, 1952.4, 5, 2050}},
                                   {}}));
        rig.in_analysis([](QWidget* analysis) {
            refresh(analysis);
            auto* kind = child<QComboBox>(analysis, "CBkind");
            QVERIFY(kind->isVisible());
            QCOMPARE(kind->itemText(0), QStringLiteral("wszystkie"));
            QCOMPARE(child<QTreeWidget>(analysis, "LVkind_totals")->topLevelItemCount(), 3);
            kind->setCurrentIndex(kind->findText(QStringLiteral("cement")));
            QCOMPARE(child<QTreeWidget>(analysis, "LVconsumption")->topLevelItemCount(), 2);
            QCOMPARE(child<QTableView>(analysis, "TVdoses")->model()->rowCount(), 4);
            QVERIFY(!child(analysis, "LVkind_totals")->isVisible());

            auto* tabs = child<QTabWidget>(analysis, "PCviews");
            QVERIFY(tabs->isTabVisible(3));
            QCOMPARE(tabs->tabText(3), QStringLiteral("w/c"));
            tabs->setCurrentIndex(3);
            QVERIFY(!kind->isEnabled());
            auto* processes = child<QTreeWidget>(analysis, "LVwater_cement");
            QCOMPARE(processes->topLevelItemCount(), 2);
            QCOMPARE(processes->topLevelItem(0)->text(6), QStringLiteral("0.05"));
            QCOMPARE(child<QLabel>(analysis, "Lwater_cement_summary")->text(),
                     QStringLiteral("Średnio w/c: 0.02, największe: 0.05"));
        });
    }

    void savesTheShownTabAsCsv() {
        AnalysisRig rig;
        const auto file = rig.dir.path() / "dzienna.csv";
        rig.in_analysis([&file](QWidget* analysis) {
            refresh(analysis);
            child<QTabWidget>(analysis, "PCviews")->setCurrentIndex(2);
            auto* poll = new QTimer(analysis);
            QObject::connect(poll, &QTimer::timeout, poll, [poll, &file] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    poll->stop();
                    dialog->selectFile(QString::fromStdString(file.string()));
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                }
            });
            poll->start(5);
            QTest::mouseClick(child<QPushButton>(analysis, "BBsave"), Qt::LeftButton);
        });
        QVERIFY(std::filesystem::exists(file));
        QVERIFY(read_bytes(file).starts_with("\xEF\xBB\xBF"));
        QCOMPARE(rig.dialogs.last(), "informacja: Analizę zapisano do pliku: " + file.string());
    }
};

QTEST_MAIN(ProductionWindowTest)
#include "production_window_test.moc"
