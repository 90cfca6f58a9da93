#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "platform/qt_printer.h"
#include "station/station.h"
#include "storage/date_time.h"
#include "storage/operators.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/text_file.h"
#include "support/clicks.h"
#include "support/modal_watch.h"
#include "support/simulating_operator.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::click;
using wazenie::testing::when_modal_shown;

namespace {

constexpr const char* kOperator = "JAN NOWAK";
constexpr const char* kRecipe = "BETON PRÓBNY";
constexpr const char* kEnded = "informacja: Proces naważania został zakończony!";

// Selects the row whose column 0 (or `column`) reads `text`.
void select_row(QWidget* window, const char* list_name, const QString& text, int column = 0) {
    auto* list = window->findChild<QTreeWidget*>(QString::fromLatin1(list_name));
    QVERIFY2(list != nullptr, list_name);
    const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchExactly, column);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.first());
}

bool contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&part](const std::string& line) { return line.find(part) != std::string::npos; });
}

}  // namespace

// A working day with the windows alone: the administrator adds an operator, a client, two materials
// and a recipe on two scales, sets a scale's precision and closes; the new operator logs in, chooses
// the parameters and runs the process under simulation.
class WholeDayTest : public QObject {
    Q_OBJECT

private:
    testing::ScratchDir dir;
    testing::FakeSerialLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    QtPrinter printer;

    std::unique_ptr<TForm1> log_in(const QString& name, const std::string& password) {
        auto window = std::make_unique<TForm1>(DesktopSeams{dir.path(), link, clock, dialogs, printer});
        when_modal_shown(QStringLiteral("TFwytop"), [name](QWidget* login) {
            select_row(login, "LVoperators", name);
            click(login, "BBok");
        });
        dialogs.values.push_back(password);
        window->show();
        return window;
    }

    void administrator_prepares_the_day() {
        auto window = log_in(QStringLiteral("ADMINISTRATOR"), "817");
        QTRY_VERIFY(window->logged_in());

        dialogs.values.insert(dialogs.values.end(), {kOperator, "4321"});
        when_modal_shown(QStringLiteral("TFormUstaw"), [](QWidget* settings) {
            when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* operators) {
                click(operators, "SBadd");
                click(operators, "BBclose");
            });
            click(settings, "BBoper");
            settings->findChild<QSpinBox*>(QStringLiteral("SEprecision1"))->setValue(1);
            click(settings, "BBok");
        });
        click(window.get(), "BBsettings");
        QTRY_COMPARE(window->station().process().w[1].precision, 1);

        when_modal_shown(QStringLiteral("TFwybor_kontrah"), [](QWidget* clients) {
            when_modal_shown(QStringLiteral("TFnowy_kontrahent"), [](QWidget* client) {
                client->findChild<QLineEdit*>(QStringLiteral("Ekontrahent_brief"))->setText("TESTBUD");
                client->findChild<QLineEdit*>(QStringLiteral("Ekontrahent"))->setText("Testbud Sp. z o.o.");
                client->findChild<QLineEdit*>(QStringLiteral("Emiejscowosc"))->setText("Łódź, ul. Próbna 1");
                click(client, "BBdodaj");
            });
            click(clients, "BBdodaj");
            click(clients, "BBanuluj");
        });
        click(window.get(), "BBclients");

        dialogs.values.insert(dialogs.values.end(),
                              {kRecipe, "CEMENT PRÓBNY", "400,5", "KRUSZYWO PRÓBNE", "1000"});
        const auto pick_new_material = [] {
            when_modal_shown(QStringLiteral("TFmaterial"), [](QWidget* materials) {
                click(materials, "BBdodaj");
                click(materials, "BBok");
            });
        };
        when_modal_shown(QStringLiteral("TFrecipe"), [pick_new_material](QWidget* recipes) {
            click(recipes, "SBrecipe_add");
            click(recipes, "SBrecipe_edit");
            pick_new_material();
            click(recipes, "SBweight1_add");
            pick_new_material();
            click(recipes, "SBweight2_add");
            click(recipes, "SBrecipe_save");
            click(recipes, "BBok");
        });
        click(window.get(), "BBrecipes");
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(dialogs.values.empty(), dialogs.last().c_str());
        window->close();
    }

private slots:
    void initTestCase() {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
    }

    void aWorkingDayWithTheWindowsAlone() {
        administrator_prepares_the_day();

        auto window = log_in(QString::fromUtf8(kOperator), "4321");
        QTRY_VERIFY(window->logged_in());
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("BBsettings"))->isEnabled());
        when_modal_shown(QStringLiteral("TFrecipe_summary"), [](QWidget* params) {
            auto* recipes = params->findChild<QComboBox*>(QStringLiteral("CBrecipe_name"));
            const int index = recipes->findText(QString::fromUtf8(kRecipe));
            recipes->setCurrentIndex(index);
            emit recipes->activated(index);
            auto* total = params->findChild<QLineEdit*>(QStringLiteral("Erecipe_total_weight"));
            total->selectAll();
            QTest::keyClicks(total, QStringLiteral("2801"));
            when_modal_shown(QStringLiteral("TFwybor_kontrah"), [](QWidget* clients) {
                select_row(clients, "LVkontrahent", QStringLiteral("TESTBUD"));
                click(clients, "BBwybierz");
            });
            click(params, "BBclient");
            click(params, "BBok");
        });
        click(window.get(), "BBweight_params");
        const ProcessState& p = window->station().process();
        QTRY_COMPARE(p.r.recipe_name, std::string(kRecipe));
        QCOMPARE(p.r.recipe_client, std::string("TESTBUD"));
        QCOMPARE(p.r.total_cycle, 3);  // 801 kg of cement on a scale of 400 kg

        QVERIFY(testing::simulate_process(*window, [&] {
            return std::count(dialogs.journal.begin(), dialogs.journal.end(), kEnded) == 1;
        }));
        ProcessState logged;
        QVERIFY(load_process(logged, dir.path(), month_key(clock.now()), p.r.weight_doc,
                             file_date_time(p.r.start_time)));
        QCOMPARE(logged.r.user_name, std::string(kOperator));
        QCOMPARE(logged.r.recipe_client, std::string("TESTBUD"));
        QCOMPARE(logged.w[1].m[1].material_name, std::string("CEMENT PRÓBNY"));
        QCOMPARE(logged.w[1].m[1].recipe_total_weight, 801.0);
        QCOMPARE(logged.w[2].m[1].recipe_total_weight, 2000.0);
        QVERIFY(logged.r.curr_weight >= logged.r.recipe_total_weight);

        // The day's report shows the process.
        int report_rows = 0;
        when_modal_shown(QStringLiteral("TFraport"), [&report_rows](QWidget* reports) {
            click(reports, "BBrefresh");
            const QAbstractItemModel* rows =
                reports->findChild<QTreeView*>(QStringLiteral("LVreport"))->model();
            constexpr int kRecipeColumn = 5;
            report_rows = static_cast<int>(rows->match(rows->index(0, kRecipeColumn), Qt::DisplayRole,
                                                       QString::fromUtf8(kRecipe), -1, Qt::MatchExactly)
                                               .size());
            click(reports, "BBclose");
        });
        click(window.get(), "BBreports");
        QVERIFY2(report_rows == 1, dialogs.last().c_str());
        window->close();

        const auto materials = *text_file::read_lines(dir / "materialy.txt");
        QVERIFY(contains(materials, "CEMENT PRÓBNY") && contains(materials, "KRUSZYWO PRÓBNE"));
        QVERIFY(contains(*text_file::read_lines(dir / "klienci.txt"), "TESTBUD\tTestbud Sp. z o.o."));
        Settings settings;
        Scales w;
        load_settings(dir / "konfig.ini", settings, w);
        QCOMPARE(w[1].precision, 1);
        const LoadedOperators operators = load_operators(dir / "operatorzy.txt");
        QCOMPARE(operators.operators.size(), std::size_t{2});
        QVERIFY(find_operator(operators.operators, kOperator).has_value());
    }
};

QTEST_MAIN(WholeDayTest)
#include "whole_day_test.moc"
