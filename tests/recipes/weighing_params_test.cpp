#include "recipes/weighing_params.h"

#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::FakeDialogs;
using testing::FakeDisplay;
using testing::ScratchDir;

using Slots = std::vector<std::pair<std::string, std::string>>;

// One recipe line of a scale: name, "wagaN", seven (material, mass) slots.
std::string recipe_line(const std::string& name, int scale, const Slots& slots) {
    std::string line = name + "\twaga" + std::to_string(scale);
    for (std::size_t k = 0; k < 7; ++k) {
        line += k < slots.size() ? "\t" + slots[k].first + "\t" + slots[k].second : "\t\t";
    }
    return line;
}

std::vector<std::string> recipe(const std::string& name, const Slots& s1, const Slots& s2 = {},
                                const Slots& s3 = {}, const Slots& s4 = {}) {
    return {recipe_line(name, 1, s1), recipe_line(name, 2, s2), recipe_line(name, 3, s3),
            recipe_line(name, 4, s4)};
}

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
        auto concrete = recipe("Beton B20", {{"cement", "300"}}, {{"piasek", "700"}, {"żwir", "1000"}},
                               {{"woda", "150"}});
        auto mortar = recipe("zaprawa", {{"cement", "100"}, {"wapno", "50"}});
        auto ash = recipe("Ałun", {{"popiół", "10"}});
        std::vector<std::string> lines = concrete;
        lines.insert(lines.end(), mortar.begin(), mortar.end());
        lines.insert(lines.end(), ash.begin(), ash.end());
        write_recipes(lines);
        text_file::write_lines(dir / "klienci.txt",
                               {"BUDREX\tBudrex Sp. z o.o.\tul. Polna 1, Kielce\t123-456-78-90"});
    }

    void write_recipes(const std::vector<std::string>& lines) {
        ASSERT_TRUE(text_file::write_lines(dir / "receptury.txt", lines).ok());
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

    write_recipes({});
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
    auto extra = recipe("Nowa", {{"cement", "5"}});
    auto lines = text_file::read_lines(dir / "receptury.txt").value();
    lines.insert(lines.end(), extra.begin(), extra.end());
    write_recipes(lines);

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

TEST_F(WeighingParamsTest, TheWorkedExampleSplitsIntoThreeCycles) {
    int precision[] = {1, 0, 1, 1};
    int capacity[] = {500, 1500, 200, 200};
    for (int s = 1; s <= kScales; ++s) {
        p.w[s].precision = precision[s - 1];
        p.w[s].max_weight = capacity[s - 1];
        p.w[s].curr_status = run_mode::RUNNING;
        p.w[s].curr_cycle = 2;
        p.w[s].curr_cycle_status = cycle_status::COMPLETED;
        p.w[s].curr_material = 2;
    }
    p.r.weight_doc = "WZ/7/24";
    p.r.user_name = "ADMINISTRATOR";
    p.r.cp_tick = 12345;
    p.r.cp_time = 12000;
    p.r.view_cycle = 2;
    p.r.curr_cycle = 2;

    ASSERT_EQ(confirm("Beton B20", "4300", "BUDREX"), ParamsOutcome::accepted);
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(p.r.total_cycle, 3);
    EXPECT_EQ(p.r.total_cycle_init, 3);
    EXPECT_DOUBLE_EQ(p.r.recipe_total_weight, 4300);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 200);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].recipe_weight_c1, 467);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].recipe_weight_clast, -1);
    EXPECT_DOUBLE_EQ(p.w[2].m[2].recipe_weight_c1, 667);
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight_c1, 1134);
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight_clast, -2);
    EXPECT_DOUBLE_EQ(p.w[3].m[1].recipe_weight_c1, 100);
    EXPECT_EQ(p.w[4].max_material, 0);

    EXPECT_EQ(p.r.recipe_name, "Beton B20");
    EXPECT_EQ(p.r.recipe_client, "BUDREX");
    EXPECT_EQ(p.r.client_full_name, "Budrex Sp. z o.o.");
    EXPECT_EQ(p.r.client_address, "ul. Polna 1, Kielce");
    EXPECT_EQ(p.r.client_nip, "123-456-78-90");
    EXPECT_EQ(p.r.cp_tick, 0);
    EXPECT_EQ(p.r.cp_time, 0);
    EXPECT_EQ(p.r.curr_cycle, 1);
    EXPECT_EQ(p.r.view_cycle, 0);
    for (int s = 1; s <= kScales; ++s) {
        EXPECT_EQ(p.w[s].curr_cycle, 1);
        EXPECT_EQ(p.w[s].curr_cycle_status, cycle_status::NOT_STARTED);
        EXPECT_EQ(p.w[s].curr_material, 0);
        EXPECT_EQ(p.w[s].curr_status, run_mode::RUNNING);
    }
    EXPECT_EQ(p.r.weight_doc, "WZ/7/24");
    EXPECT_EQ(p.r.user_name, "ADMINISTRATOR");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(display.process, 1);
}

TEST_F(WeighingParamsTest, AShareOfExactlyTwiceTheCapacityNeedsThreeCycles) {
    write_recipes(recipe("jedna", {{"cement", "10"}}));
    ASSERT_EQ(confirm("jedna", "2000"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 3);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 666.7);
    EXPECT_NEAR(p.w[1].m[1].recipe_weight_clast, -0.1, 1e-9);

    ASSERT_EQ(confirm("jedna", "999"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 1);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 999);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_clast, 0);
}

TEST_F(WeighingParamsTest, TwelveCyclesAreCappedAtNineWithTheirMessage) {
    write_recipes(recipe("duża", {{"cement", "100"}}));
    p.w[1].max_weight = 100;
    ASSERT_EQ(confirm("duża", "1150"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle_init, 12);
    EXPECT_EQ(p.r.total_cycle, 9);
    // The masses per cycle are those of twelve cycles.
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 95.8);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Maksymalna ilość cykli to: 9"}));
    EXPECT_EQ(saves, 1);
}

TEST_F(WeighingParamsTest, TheMassesOfThePreviousProcessAreCleared) {
    ASSERT_EQ(confirm("zaprawa", "150"), ParamsOutcome::accepted);
    p.w[1].m[1].curr_weight[1] = 80;
    p.w[1].m[2].curr_weight[1] = 40;
    p.w[1].curr_weight[1] = 120;
    p.r.curr_weight = 120;
    ASSERT_EQ(confirm("zaprawa", "150"), ParamsOutcome::accepted);
    EXPECT_EQ(p.w[1].m[1].curr_weight[1], 0);
    EXPECT_EQ(p.w[1].m[2].curr_weight[1], 0);
    EXPECT_EQ(p.w[1].curr_weight[1], 0);
    EXPECT_EQ(p.r.curr_weight, 0);
}

TEST_F(WeighingParamsTest, AnUnknownClientGivesEmptyClientFields) {
    p.r.client_full_name = "stary klient";
    ASSERT_EQ(confirm("zaprawa", "150", "NIKT"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.recipe_client, "NIKT");
    EXPECT_EQ(p.r.client_full_name, "");
    EXPECT_EQ(p.r.client_nip, "");
}

TEST_F(WeighingParamsTest, AZeroTotalGivesOneEmptyCycle) {
    ASSERT_EQ(confirm("Beton B20", "0"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 1);
    EXPECT_EQ(p.r.recipe_total_weight, 0);
    EXPECT_EQ(p.w[2].m[2].recipe_weight_c1, 0);
}

TEST_F(WeighingParamsTest, WrongValuesAreRefusedAndChangeNothing) {
    ASSERT_EQ(confirm("zaprawa", "150"), ParamsOutcome::accepted);
    p.r.cp_tick = 77;
    dialogs.clear();
    auto lines = text_file::read_lines(dir / "receptury.txt").value();
    auto bad = recipe("zła", {{"cement", "1O0"}});
    lines.insert(lines.end(), bad.begin(), bad.end());
    write_recipes(lines);
    ProcessState before = p;

    EXPECT_EQ(confirm("Beton B20", "12a"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("Beton B20", ""), ParamsOutcome::refused);
    // A negative total would send the meters negative masses.
    EXPECT_EQ(confirm("Beton B20", "-100"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("", "100"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("zła", "100"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("usunięta", "100"), ParamsOutcome::refused);
    EXPECT_EQ(p, before);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{
                  "błąd: Błędna wartość!", "błąd: Błędna wartość!", "błąd: Błędna wartość!",
                  "błąd: Żadna receptura nie została wskazana!", "błąd: Błędna masa w recepturze: zła",
                  "błąd: Żadna receptura nie została wskazana!"}));
}

TEST_F(WeighingParamsTest, AScaleWithoutCapacityIsRefused) {
    p.w[3].max_weight = 0;
    ProcessState before = p;
    EXPECT_EQ(confirm("Beton B20", "100"), ParamsOutcome::refused);
    EXPECT_EQ(p, before);
    EXPECT_EQ(dialogs.last(), "błąd: Błędna maksymalna masa wagi 3: 0 kg.");
}

TEST_F(WeighingParamsTest, ADisconnectedScaleStillTakesPartInTheSplit) {
    p.w[2].weight_enabled = false;
    p.w[2].max_weight = 200;
    ASSERT_EQ(confirm("Beton B20", "2150"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 9);
    EXPECT_EQ(p.r.total_cycle_init, 9);
}

}  // namespace
}  // namespace wazenie
