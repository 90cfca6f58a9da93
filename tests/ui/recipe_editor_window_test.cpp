#include "ui/recipe_editor_window.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "storage/settings.h"
#include "ui/support/clicks.h"
#include "ui/support/modal_steps.h"
#include "windows/recipe_editor_window.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::FakeDialogs;
using wazenie::testing::in_modal_loop;
using wazenie::testing::read_bytes;
using wazenie::testing::ScratchDir;

namespace {

struct ScriptedMaterials : MaterialChooser {
    std::deque<std::string> picks;
    std::optional<std::string> choose_material() override {
        if (picks.empty()) {
            return std::nullopt;
        }
        std::string pick = picks.front();
        picks.pop_front();
        return pick;
    }
};

}  // namespace

class RecipeEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void modify_add_save_and_choose();
    void restricted_and_empty_file();

private:
    template <typename T>
    T* find(QWidget& window, const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }

    std::optional<ScratchDir> dir_;
    Settings settings_;
    Scales w_;
    FakeDialogs dialogs_;
    ScriptedMaterials materials_;
};

void RecipeEditorWindowTest::init() {
    dir_.emplace();
    std::filesystem::copy(DEMO_DATA, dir_->path(), std::filesystem::copy_options::recursive);
    for (int n = 1; n <= kScales; ++n) {
        w_[n].max_weight = 500 * n;
        w_[n].precision = 1;
    }
}

void RecipeEditorWindowTest::modify_add_save_and_choose() {
    RecipeEditor controller(dialogs_, materials_, dir_->path(), settings_, w_, "ADMINISTRATOR");
    TFrecipe window(controller);
    materials_.picks = {"woda"};
    dialogs_.values = {"12,54"};
    in_modal_loop(window, [&] {
        QCOMPARE(window.windowTitle(), QString("Baza receptur"));
        auto* recipes = find<QTreeWidget>(window, "LVrecipe");
        QCOMPARE(recipes->currentItem()->text(0), QString("B20 beton towarowy"));
        QCOMPARE(find<QLabel>(window, "Lmax_weight4")->text(), QString("maks. 2000 kg"));
        auto* edit = find<QToolButton>(window, "SBrecipe_edit");
        QCOMPARE(edit->text(), QString("Modyfikuj"));
        QVERIFY(!find<QToolButton>(window, "SBweight3_add")->isEnabled());
        QVERIFY(!find<QToolButton>(window, "SBrecipe_save")->isEnabled());

        wazenie::testing::click(&window, "SBrecipe_edit");
        QVERIFY(edit->isChecked());
        QVERIFY(!recipes->isEnabled());
        QVERIFY(!find<QToolButton>(window, "SBrecipe_add")->isEnabled());
        wazenie::testing::click(&window, "SBweight3_add");
        auto* scale3 = find<QTreeWidget>(window, "LVweight3");
        QCOMPARE(scale3->topLevelItemCount(), 2);
        const QStringList added{scale3->topLevelItem(1)->text(0), scale3->topLevelItem(1)->text(1),
                                scale3->topLevelItem(1)->text(2), scale3->topLevelItem(1)->text(3)};
        QCOMPARE(added, QStringList({"2.", "woda", "12.5", "0.5"}));
        QCOMPARE(scale3->currentItem(), scale3->topLevelItem(1));
        // Every list's share follows the new sum.
        QCOMPARE(find<QTreeWidget>(window, "LVweight1")->topLevelItem(0)->text(3), QString("12.4"));

        wazenie::testing::click(&window, "SBrecipe_save");
        QVERIFY(!edit->isChecked());
        QVERIFY(recipes->isEnabled());
        QCOMPARE(recipes->currentItem()->text(1), QString("2410"));
        QTest::mouseClick(find<QPushButton>(window, "BBok"), Qt::LeftButton);
    });
    const auto choice = window.run("b20 BETON towarowy");
    QVERIFY(choice);
    QCOMPARE(choice->recipe_name, std::string("B20 beton towarowy"));
    QCOMPARE(choice->total_text, std::string("2410"));
    QVERIFY(read_bytes(dir_->path() / "receptury.txt")
                .find("B20 beton towarowy\twaga3\twoda\t175.0\twoda\t12.5\t") != std::string::npos);
    QVERIFY(dialogs_.journal.empty());
}

void RecipeEditorWindowTest::restricted_and_empty_file() {
    Settings admin_only;
    admin_only.admin_change_recipe = true;
    RecipeEditor restricted(dialogs_, materials_, dir_->path(), admin_only, w_, "KOWALSKI");
    TFrecipe window(restricted);
    in_modal_loop(window, [&] {
        QVERIFY(!find<QToolButton>(window, "SBrecipe_edit")->isEnabled());
        QVERIFY(find<QToolButton>(window, "SBrecipe_add")->isEnabled());
        QVERIFY(find<QToolButton>(window, "SBrecipe_copy")->isEnabled());
        QTest::mouseClick(find<QPushButton>(window, "BBcancel"), Qt::LeftButton);
    });
    QCOMPARE(window.run(), std::nullopt);

    // Without recipes nothing can be modified or saved, and OK hands over no recipe.
    testing::write_bytes(dir_->path() / "receptury.txt", "");
    RecipeEditor controller(dialogs_, materials_, dir_->path(), settings_, w_, "ADMINISTRATOR");
    TFrecipe open(controller);
    in_modal_loop(open, [&] {
        QCOMPARE(find<QTreeWidget>(open, "LVrecipe")->topLevelItemCount(), 0);
        QVERIFY(!find<QToolButton>(open, "SBrecipe_edit")->isEnabled());
        QVERIFY(!find<QToolButton>(open, "SBrecipe_save")->isEnabled());
        QTest::mouseClick(find<QPushButton>(open, "BBok"), Qt::LeftButton);
    });
    const auto choice = open.run();
    QVERIFY(choice);
    QVERIFY(choice->recipe_name.empty());
}

QTEST_MAIN(RecipeEditorWindowTest)
#include "recipe_editor_window_test.moc"
