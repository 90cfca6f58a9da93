#include "windows/weighing_params_window.h"

#include <string>
#include <vector>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/scratch_dir.h"
#include "recipes/recipe_test_support.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::FakeDialogs;
using testing::FakeDisplay;
using testing::recipe_lines;
using testing::ScratchDir;

class ScriptedEditor : public RecipeEditorLauncher {
public:
    std::optional<Choice> choice;
    int opened = 0;
    std::optional<Choice> open_recipe_editor() override {
        ++opened;
        return choice;
    }
};

class ScriptedClients : public ClientChooser {
public:
    std::optional<std::string> choice;
    std::optional<std::string> choose_client() override { return choice; }
};

class WeighingParamsTest : public ::testing::Test {
protected:
    WeighingParamsTest() {
        for (int s = 1; s <= kScales; ++s) {
            p.w[s].max_weight = 1000;
            p.w[s].precision = 1;
        }
        testing::write_weighing_data(dir.path());
    }

    WeighingParamsDialog dialog() {
        return WeighingParamsDialog(dir.path(), settings, dialogs, editor, clients);
    }

    WeighingParamsConfirmation confirmation() {
        return WeighingParamsConfirmation(dir.path(), settings, dialogs, display, [this] { ++saves; });
    }

    ParamsOutcome confirm(const std::string& name, const std::string& total, const std::string& client = {}) {
        return confirmation().confirm(p, WeighingParams{name, total, client});
    }

    ScratchDir dir;
    Settings settings;
    FakeDialogs dialogs;
    FakeDisplay display;
    ScriptedEditor editor;
    ScriptedClients clients;
    ProcessState p;
    int saves = 0;
};

TEST_F(WeighingParamsTest, OpeningShowsTheProcessAndSortsTheRecipesInPolishOrder) {
    p.r.recipe_name = "zaprawa";
    p.r.recipe_total_weight = 1234.5;
    p.r.recipe_client = "BUDREX";
    settings.total_precision = 1;
    auto d = dialog();
    d.open(p.r);
    EXPECT_EQ(d.recipe_names(), (std::vector<std::string>{"Ałun", "Beton B20", "zaprawa"}));
    EXPECT_EQ(d.selected(), 2);
    // The selection made on opening is not the operator's: the process's total stays in the field.
    EXPECT_EQ(d.total_text(), "1234.5");
    EXPECT_EQ(d.client(), "BUDREX");
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(WeighingParamsTest, OpeningSelectsTheFirstRecipeWhenNoneMatchesExactly) {
    p.r.recipe_name = "ZAPRAWA";
    auto d = dialog();
    d.open(p.r);
    EXPECT_EQ(d.selected(), 0);
    EXPECT_EQ(d.total_text(), "0");

    ASSERT_TRUE(text_file::write_lines(dir / "receptury.txt", {}).ok());
    d.open(p.r);
    EXPECT_FALSE(d.selected().has_value());
    EXPECT_EQ(d.values().recipe_name, "");
}

TEST_F(WeighingParamsTest, ChoosingARecipeReplacesTheTotalWithItsOwn) {
    p.r.recipe_name = "zaprawa";
    p.r.recipe_total_weight = 999;
    auto d = dialog();
    d.open(p.r);
    d.choose_recipe(1);
    EXPECT_EQ(d.total_text(), "2150");
    EXPECT_TRUE(d.choose_recipe("zaprawa"));
    EXPECT_EQ(d.total_text(), "150");
    EXPECT_FALSE(d.choose_recipe("nieznana"));
    EXPECT_EQ(d.selected(), 2);
    d.type_total("300");
    EXPECT_EQ(d.values().total_text, "300");
    EXPECT_EQ(d.values().recipe_name, "zaprawa");
}

TEST_F(WeighingParamsTest, LeavingTheTotalFieldChecksItIsANumber) {
    auto d = dialog();
    d.open(p.r);
    d.type_total("12,5");
    EXPECT_TRUE(d.leave_total());
    d.type_total("12.5");
    EXPECT_TRUE(d.leave_total());
    d.type_total("12x");
    EXPECT_FALSE(d.leave_total());
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Błędna wartość!"}));
}

TEST_F(WeighingParamsTest, RecipeEditorClosedWithOkRefillsTheListAndTakesItsTotal) {
    auto d = dialog();
    d.open(p.r);
    auto extra = recipe_lines("Nowa", {{"cement", "5"}});
    auto lines = text_file::read_lines(dir / "receptury.txt").value();
    lines.insert(lines.end(), extra.begin(), extra.end());
    ASSERT_TRUE(text_file::write_lines(dir / "receptury.txt", lines).ok());

    editor.choice = RecipeEditorLauncher::Choice{"Nowa", "5"};
    d.recipe_base();
    EXPECT_EQ(d.recipe_names().size(), 4u);
    EXPECT_EQ(d.values().recipe_name, "Nowa");
    EXPECT_EQ(d.total_text(), "5");

    // An editor selection the list lacks selects nothing and keeps the total.
    editor.choice = RecipeEditorLauncher::Choice{"nowa", "7"};
    d.recipe_base();
    EXPECT_FALSE(d.selected().has_value());
    EXPECT_EQ(d.total_text(), "5");

    d.choose_recipe(0);
    editor.choice.reset();
    d.recipe_base();
    EXPECT_EQ(d.selected(), 0);
    EXPECT_EQ(editor.opened, 3);
}

TEST_F(WeighingParamsTest, ClientDatabaseSetsTheClientOnlyWhenClosedWithOk) {
    p.r.recipe_client = "STARY";
    auto d = dialog();
    d.open(p.r);
    d.client_base();
    EXPECT_EQ(d.client(), "STARY");
    clients.choice = "BUDREX";
    d.client_base();
    EXPECT_EQ(d.values().client, "BUDREX");
}

TEST_F(WeighingParamsTest, ARunningProcessIsNotReplaced) {
    p.r.start_time = 45000.5;
    ProcessState before = p;
    bool shown = false;
    auto outcome = confirmation().run(p, [&]() -> std::optional<WeighingParams> {
        shown = true;
        return WeighingParams{"zaprawa", "100", ""};
    });
    EXPECT_EQ(outcome, ParamsOutcome::process_running);
    EXPECT_FALSE(shown);
    EXPECT_EQ(p, before);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{"ostrzeżenie: Proces naważania nie został zakończony.\r"
                                        "Naciśnij STOP aby zakończyć aktualny proces naważania."}));
}

TEST_F(WeighingParamsTest, CancellingChangesNothingAndAStoppedProcessMayBeReplaced) {
    p.r.start_time = 45000.5;
    p.r.stop_time = 45000.7;
    ProcessState before = p;
    EXPECT_EQ(confirmation().run(p, [] { return std::optional<WeighingParams>(); }),
              ParamsOutcome::cancelled);
    EXPECT_EQ(p, before);
    EXPECT_EQ(saves, 0);

    auto outcome = confirmation().run(p, [] {
        return std::optional<WeighingParams>({"zaprawa", "150", ""});
    });
    EXPECT_EQ(outcome, ParamsOutcome::accepted);
    EXPECT_EQ(p.r.start_time, 0);
    EXPECT_EQ(p.r.stop_time, 0);
}

TEST_F(WeighingParamsTest, AnAcceptedProcessIsSavedAndShownOnce) {
    ASSERT_EQ(confirm("Beton B20", "4300", "BUDREX"), ParamsOutcome::accepted);
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(p.r.recipe_name, "Beton B20");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(display.process, 1);
}

TEST_F(WeighingParamsTest, TwelveCyclesAreCappedAtNineWithTheirMessage) {
    ASSERT_TRUE(
        text_file::write_lines(dir / "receptury.txt", recipe_lines("duża", {{"cement", "100"}})).ok());
    p.w[1].max_weight = 100;
    ASSERT_EQ(confirm("duża", "1150"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 9);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Maksymalna ilość cykli to: 9"}));
    EXPECT_EQ(saves, 1);
}

TEST_F(WeighingParamsTest, WrongValuesAreRefusedAndChangeNothing) {
    ProcessState before = p;
    EXPECT_EQ(confirm("Beton B20", "12a"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("usunięta", "100"), ParamsOutcome::refused);
    EXPECT_EQ(p, before);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(display.process, 0);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Błędna wartość!",
                                                         "błąd: Żadna receptura nie została wskazana!"}));
}

}  // namespace
}  // namespace wazenie
