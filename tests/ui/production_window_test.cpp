#include <filesystem>

#include "ui/support/modal_watch.h"
#include "ui/support/report_logs.h"
#include "ui/support/report_rig.h"

#include <QFileDialog>
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
