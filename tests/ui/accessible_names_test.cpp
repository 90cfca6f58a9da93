#include "fakes/fake_clipboard.h"
#include "storage/operators.h"
#include "ui/calendar_dialog.h"
#include "ui/client_window.h"
#include "ui/input_dialog.h"
#include "ui/material_window.h"
#include "ui/new_client_dialog.h"
#include "ui/operator_dialog.h"
#include "ui/production_window.h"
#include "ui/recipe_editor_window.h"
#include "ui/settings_window.h"
#include "ui/simulation_help.h"
#include "ui/station_choosers.h"
#include "ui/stock_window.h"
#include "ui/support/main_window_rig.h"
#include "ui/support/modal_steps.h"
#include "ui/support/report_rig.h"
#include "ui/weighing_params_window.h"
#include "windows/operator_dialog.h"
#include "windows/recipe_editor_window.h"
#include "windows/weighing_params_window.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

namespace {

QString read_out(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

bool is_edit(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

// What an edit is announced by. A list box's name is its current text, so there it is the label that
// is its caption.
QString announced(QWidget* edit) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
    if (!qobject_cast<QComboBox*>(edit)) {
        return accessible->text(QAccessible::Name);
    }
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel*>(label->object())) {
            return label->text(QAccessible::Name);
        }
    }
    return {};
}

// A label carries no name of its own (an icon aside), so it is read out as what it shows; an empty one
// falls back to its caption. An edit has a name of its own, not merely the title of the group around
// it. The inner parts of Qt's widgets ("qt_…") aside.
void check_window(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QString name = is_edit(widget) ? announced(widget) : read_out(widget);
        const QString failure = window->objectName() + QLatin1Char('/') + widget->objectName() +
                                QStringLiteral(" is read out as \"") + name + QLatin1Char('"');
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
            QVERIFY2(label->text().isEmpty() ? label->accessibleName().isEmpty() : name == label->text(),
                     qPrintable(failure));
        } else if (is_edit(widget)) {
            const auto* group = qobject_cast<const QGroupBox*>(widget->parentWidget());
            QVERIFY2(!name.isEmpty() && !(group && name == group->title()), qPrintable(failure));
        }
    }
}

void expect_name(QWidget* window, const QString& edit, const QString& caption) {
    auto* widget = window->findChild<QWidget*>(edit);
    QVERIFY2(widget, qPrintable(edit));
    QCOMPARE(announced(widget), caption);
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void main_window_reads_out_its_values();
    void dialogs_read_out_values_and_name_edits();
};

// With a process loaded the value fields show values; the technical panel is on.
void AccessibleNamesTest::main_window_reads_out_its_values() {
    MainWindowRig rig(1);
    rig.load_process();
    rig.refresh_all();
    auto* total = rig.find<QLabel>("Lrecipe_total_weight");
    QVERIFY(!total->text().isEmpty());
    check_window(rig.window.get());
    QCOMPARE(read_out(total, QAccessible::Description), QString("Ma być"));
}

// Every other window over the demo data; those whose fields are filled when they open are checked open.
void AccessibleNamesTest::dialogs_read_out_values_and_name_edits() {
    ReportRig rig;
    FakeClipboard clipboard;
    check_window(&rig.window);
    TFanaliza analysis(rig.station, rig.dialogs, rig.printer, rig.clock, {});
    check_window(&analysis);

    TFormUstaw settings(rig.station, rig.dialogs);
    in_modal_loop(settings, [&] {
        check_window(&settings);
        expect_name(&settings, "SPnumoffrac", "Masa łączna:");
        expect_name(&settings, "Eweightdoc_format", "Format dokumentu ważenia:");
        for (int n = 1; n <= kScales; ++n) {
            expect_name(&settings, QStringLiteral("Emin_weight%1").arg(n), QStringLiteral("%1 min:").arg(n));
            expect_name(&settings, QStringLiteral("Esta_weight%1").arg(n), "stabil:");
        }
    });
    settings.run();

    StationChoosers choosers(rig.station, rig.dialogs, clipboard, rig.printer, nullptr);
    WeighingParamsDialog params_controller(rig.dir.path(), rig.station.settings(), rig.dialogs,
                                           choosers.recipes(), choosers.clients(), rig.clock,
                                           "ADMINISTRATOR");
    TFrecipe_summary params(params_controller);
    recipe_record recipe;
    recipe.recipe_name = "B25 beton konstrukcyjny";
    recipe.recipe_total_weight = 1000;
    in_modal_loop(params, [&] {
        check_window(&params);
        expect_name(&params, "Erecipe_total_weight", "Masa łączna:");
        expect_name(&params, "CBrecipe_name", "Receptura:");
    });
    params.run(recipe);

    TFnowy_kontrahent editor(rig.dialogs);
    check_window(&editor);
    ClientWindow clients_controller(rig.dir.path(), {rig.dialogs, editor, clipboard, rig.printer, rig.clock});
    TFwybor_kontrah clients(clients_controller, false);
    check_window(&clients);
    expect_name(&clients, "Esearch_kontrah", "Wyszukaj:");

    MaterialWindow materials_controller(rig.dialogs, clipboard, rig.dir.path(), true);
    TFmaterial materials(materials_controller);
    check_window(&materials);
    MaterialWindowChooser material_chooser(rig.dialogs, clipboard, rig.dir.path(), true);
    RecipeEditor recipes_controller(rig.dialogs, material_chooser, rig.dir.path(), rig.station.settings(),
                                    rig.station.process().w, "ADMINISTRATOR");
    TFrecipe recipes(recipes_controller);
    check_window(&recipes);

    OperatorWindow operators_controller(operators_file_path(rig.dir.path()), rig.dialogs);
    TFwytop operators(operators_controller);
    check_window(&operators);
    TFinput input(rig.dialogs);
    input.set_request(ValueRequest{"Masa", "Podaj masę substancji [kg]:", "12", "float", false});
    check_window(&input);
    TFcalendar calendar(QDate(2024, 3, 5));
    check_window(&calendar);
    TFsimul_help help;
    check_window(&help);
    TFmagazyn stock(rig.dir.path(), "ADMINISTRATOR", {"Cement"}, rig.dialogs, rig.printer, rig.clock);
    check_window(&stock);
    expect_name(&stock, "EDkg", "Masa [kg]:");
}

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
