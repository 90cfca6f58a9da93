#include "storage/stock_ledger.h"
#include "ui/look.h"
#include "ui/support/clicks.h"
#include "ui/support/main_window_rig.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

class StockWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonShowsOnlyWhereStockIsKept() {
        MainWindowRig rig(0);
        rig.window->station().log_in("ADMINISTRATOR");
        auto* button = rig.find<QPushButton>("BBstock");
        QVERIFY(button);
        QVERIFY(button->isHidden());
        QVERIFY(
            append_stock_entries(stock_ledger_path(rig.dir.path()),
                                 {{rig.clock.time, StockMove::delivery, "Cement", 1, "", "ADMINISTRATOR"}}));
        rig.window->station().log_in("JAN");
        QVERIFY(!button->isHidden());
        QVERIFY(!button->isEnabled());
        rig.window->station().log_in("ADMINISTRATOR");
        QVERIFY(button->isEnabled());
    }

    void aDeliveryALowLevelAndTheMovements() {
        MainWindowRig rig(0);
        rig.window->station().settings().ini.set("Magazyn", "prowadzony", "1");
        rig.window->station().log_in("ADMINISTRATOR");
        bool ran = false;
        when_modal_shown(QStringLiteral("TFmagazyn"), [&ran](QWidget* window) {
            const auto close = qScopeGuard([window] { static_cast<QDialog*>(window)->reject(); });
            window->findChild<QComboBox*>(QStringLiteral("CBmaterial"))
                ->setCurrentText(QStringLiteral("Cement"));
            window->findChild<QLineEdit*>(QStringLiteral("EDkg"))->setText(QStringLiteral("1000"));
            click(window, "BBdelivery");
            auto* stock = window->findChild<QTreeWidget*>(QStringLiteral("LVstock"));
            QCOMPARE(stock->topLevelItemCount(), 1);
            QCOMPARE(stock->topLevelItem(0)->text(1), QStringLiteral("1000"));
            QCOMPARE(stock->topLevelItem(0)->background(0).style(), Qt::NoBrush);
            window->findChild<QLineEdit*>(QStringLiteral("EDlow_level"))->setText(QStringLiteral("1500"));
            click(window, "BBlow_level");
            QCOMPARE(stock->topLevelItem(0)->background(0).color(), kAmber);
            click(window, "BBmovements");
            QCOMPARE(window->findChild<QTreeWidget*>(QStringLiteral("LVmovements"))->topLevelItemCount(), 4);
            ran = true;
        });
        click(rig.window.get(), "BBstock");
        QVERIFY(ran);
        QVERIFY(rig.dialogs.journal.empty());
    }
};

QTEST_MAIN(StockWindowTest)
#include "stock_window_test.moc"
