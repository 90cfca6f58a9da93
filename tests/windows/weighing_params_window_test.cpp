#include "windows/weighing_params_window.h"

#include <string>
#include <vector>

#include "recipes/recipe_test_support.h"
#include "station/faked_station.h"
#include "station/process_edit.h"
#include "storage/date_time.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::recipe_lines;

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

class WeighingParamsWindowTest : public ::testing::Test, protected testing::FakedStation {
protected:
    WeighingParamsWindowTest() {
        testing::write_weighing_data(dir.path());
        station.start_up();
        for (int s = 1; s <= kScales; ++s) {
            scales[s] = {1000, 0, 0, false, 1};
        }
        station.apply_scale_settings(scales, 0);
        display.process = 0;
    }

    WeighingParamsDialog dialog() {
        return WeighingParamsDialog(dir.path(), station.settings(), dialogs, editor, clients, clock, "JAN");
    }

    WeighingParamsConfirmation confirmation() { return WeighingParamsConfirmation(station, dialogs, clock); }

    ParamsOutcome confirm(const std::string& name, const std::string& total, const std::string& client = {}) {
        return confirmation().confirm(WeighingParams{name, total, client});
    }

    // The process a test starts from, neither saved nor shown yet.
    template <typename Change>
    void start_from(Change&& change) {
        testing::edit_process(station, change);
        std::filesystem::remove(status_file_path(dir.path()));
        display.process = 0;
    }
    bool saved() const { return std::filesystem::exists(status_file_path(dir.path())); }

    // piasek and żwir are aggregates and woda is water; piasek's moisture was given ten hours ago.
    void wet_aggregates() {
        ASSERT_TRUE(text_file::write_lines(dir / "materialy_rodzaje.txt",
                                           {"piasek\tkruszywo", "żwir\tkruszywo", "woda\twoda"})
                        .ok());
        ASSERT_TRUE(text_file::write_lines(moisture_path(dir.path()), kStoredMoisture).ok());
    }
    std::vector<std::string> moisture_file() const { return testing::read_file(moisture_path(dir.path())); }

    const std::vector<std::string> kStoredMoisture = {"piasek\t4.5\t2024-03-04 14:00:00\tANNA"};

    const ProcessState& p = station.process();
    ScalesSettings scales;
    ScriptedEditor editor;
    ScriptedClients clients;
    recipe_record r;
};

TEST_F(WeighingParamsWindowTest, OpeningShowsTheProcessAndSortsTheRecipesInPolishOrder) {
    r.recipe_name = "zaprawa";
    r.recipe_total_weight = 1234.5;
    r.recipe_client = "BUDREX";
    station.settings().total_precision = 1;
    auto d = dialog();
    d.open(r);
    EXPECT_EQ(d.recipe_names(), (std::vector<std::string>{"Ałun", "Beton B20", "zaprawa"}));
    EXPECT_EQ(d.selected(), 2);
    // The selection made on opening is not the operator's: the process's total stays in the field.
    EXPECT_EQ(d.total_text(), "1234.5");
    EXPECT_EQ(d.client(), "BUDREX");
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(WeighingParamsWindowTest, OpeningSelectsTheFirstRecipeWhenNoneMatchesExactly) {
    r.recipe_name = "ZAPRAWA";
    auto d = dialog();
    d.open(r);
    EXPECT_EQ(d.selected(), 0);
    EXPECT_EQ(d.total_text(), "0");

    ASSERT_TRUE(text_file::write_lines(dir / "receptury.txt", {}).ok());
    d.open(r);
    EXPECT_FALSE(d.selected().has_value());
    EXPECT_EQ(d.values().recipe_name, "");
}

TEST_F(WeighingParamsWindowTest, ChoosingARecipeReplacesTheTotalWithItsOwn) {
    r.recipe_name = "zaprawa";
    r.recipe_total_weight = 999;
    auto d = dialog();
    d.open(r);
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

TEST_F(WeighingParamsWindowTest, LeavingTheTotalFieldChecksItIsANumber) {
    auto d = dialog();
    d.open(r);
    d.type_total("12,5");
    EXPECT_TRUE(d.leave_total());
    d.type_total("12.5");
    EXPECT_TRUE(d.leave_total());
    d.type_total("12x");
    EXPECT_FALSE(d.leave_total());
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Błędna wartość!"}));
}

TEST_F(WeighingParamsWindowTest, RecipeEditorClosedWithOkRefillsTheListAndTakesItsTotal) {
    auto d = dialog();
    d.open(r);
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

TEST_F(WeighingParamsWindowTest, ClientDatabaseSetsTheClientOnlyWhenClosedWithOk) {
    r.recipe_client = "STARY";
    auto d = dialog();
    d.open(r);
    d.client_base();
    EXPECT_EQ(d.client(), "STARY");
    clients.choice = "BUDREX";
    d.client_base();
    EXPECT_EQ(d.values().client, "BUDREX");
}

TEST_F(WeighingParamsWindowTest, ARunningProcessIsNotReplaced) {
    start_from([](ProcessState& q) { q.r.start_time = 45000.5; });
    ProcessState before = p;
    bool shown = false;
    auto outcome = confirmation().run([&]() -> std::optional<WeighingParams> {
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

TEST_F(WeighingParamsWindowTest, CancellingChangesNothingAndAStoppedProcessMayBeReplaced) {
    start_from([](ProcessState& q) {
        q.r.start_time = 45000.5;
        q.r.stop_time = 45000.7;
    });
    ProcessState before = p;
    EXPECT_EQ(confirmation().run([] { return std::optional<WeighingParams>(); }), ParamsOutcome::cancelled);
    EXPECT_EQ(p, before);
    EXPECT_FALSE(saved());

    auto outcome = confirmation().run([] { return std::optional<WeighingParams>({"zaprawa", "150", ""}); });
    EXPECT_EQ(outcome, ParamsOutcome::accepted);
    EXPECT_EQ(p.r.start_time, 0);
    EXPECT_EQ(p.r.stop_time, 0);
}

TEST_F(WeighingParamsWindowTest, AnAcceptedProcessIsSavedAndShownOnce) {
    ASSERT_EQ(confirm("Beton B20", "4300", "BUDREX"), ParamsOutcome::accepted);
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(p.r.recipe_name, "Beton B20");
    EXPECT_EQ(p.r.client_full_name, "Budrex Sp. z o.o.");
    EXPECT_TRUE(saved());
    EXPECT_EQ(display.process, 1);
}

TEST_F(WeighingParamsWindowTest, TwelveCyclesAreCappedAtNineWithTheirMessage) {
    ASSERT_TRUE(
        text_file::write_lines(dir / "receptury.txt", recipe_lines("duża", {{"cement", "100"}})).ok());
    scales[1].max_weight = 100;
    station.apply_scale_settings(scales, 0);
    ASSERT_EQ(confirm("duża", "1150"), ParamsOutcome::accepted);
    EXPECT_EQ(p.r.total_cycle, 9);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Maksymalna ilość cykli to: 9"}));
    EXPECT_TRUE(saved());
}

TEST_F(WeighingParamsWindowTest, WrongValuesAreRefusedAndChangeNothing) {
    ProcessState before = p;
    EXPECT_EQ(confirm("Beton B20", "12a"), ParamsOutcome::refused);
    EXPECT_EQ(confirm("usunięta", "100"), ParamsOutcome::refused);
    EXPECT_EQ(p, before);
    EXPECT_FALSE(saved());
    EXPECT_EQ(display.process, 0);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Błędna wartość!",
                                                         "błąd: Żadna receptura nie została wskazana!"}));
}

TEST_F(WeighingParamsWindowTest, TheAggregatesShowTheirLastMoistureAndATypedOneIsTheOperatorsOfNow) {
    wet_aggregates();
    auto d = dialog();
    d.open(r);
    ASSERT_TRUE(d.choose_recipe("Beton B20"));
    const auto& rows = d.moisture().rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].material, "piasek");
    EXPECT_EQ(rows[0].text, "4.5");
    EXPECT_TRUE(rows[0].old);
    EXPECT_EQ(rows[0].hint, "ustawiona 2024-03-04 14:00:00 przez ANNA");
    EXPECT_EQ(rows[1].material, "żwir");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_FALSE(rows[1].old);

    for (const char* wrong : {"20,5", "x", ""}) {
        d.moisture().type(1, wrong);
        EXPECT_FALSE(d.moisture().leave(1)) << wrong;
    }
    EXPECT_EQ(dialogs.last(), "błąd: Wilgotność kruszywa musi być liczbą od 0 do 20 %.");
    d.moisture().type(1, "3,5");
    EXPECT_TRUE(d.moisture().leave(1));
    EXPECT_TRUE(d.moisture().leave(0));
    EXPECT_EQ(d.moisture().find(" ŻWIR "), 1u);

    const MoistureTable moisture = d.values().moisture;
    ASSERT_EQ(moisture.entries().size(), 2u);
    EXPECT_EQ(*moisture.find("piasek"),
              (MoistureEntry{"piasek", 4.5, *parse_date_time("2024-03-04 14:00:00"), "ANNA"}));
    EXPECT_EQ(*moisture.find("żwir"), (MoistureEntry{"żwir", 3.5, clock.time, "JAN"}));

    d.choose_recipe("zaprawa");
    EXPECT_TRUE(d.moisture().rows().empty());
    EXPECT_TRUE(d.values().moisture.entries().empty());
}

TEST_F(WeighingParamsWindowTest, AnOldMoistureIsAskedAboutAndWhatWasTypedIsStoredOnceAccepted) {
    wet_aggregates();
    auto d = dialog();
    d.open(r);
    d.choose_recipe("Beton B20");
    d.moisture().type(1, "3,5");
    const WeighingParams params = d.values();
    const ProcessState before = p;
    dialogs.answers = {false};
    EXPECT_EQ(confirmation().confirm(params), ParamsOutcome::refused);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"pytanie: Wilgotność kruszyw nie była aktualizowana "
                                                         "od 2024-03-04 14:00:00. Czy kontynuować?"}));
    EXPECT_EQ(p, before);
    EXPECT_FALSE(saved());
    EXPECT_EQ(moisture_file(), kStoredMoisture);

    ASSERT_EQ(confirmation().confirm(params), ParamsOutcome::accepted);
    EXPECT_EQ(moisture_file(),
              (std::vector<std::string>{kStoredMoisture[0], "żwir\t3.5\t2024-03-05 00:00:00\tJAN"}));
    std::vector<double> counted;
    for (const DryTarget& material : station.process_materials()) {
        counted.push_back(material.moisture);
    }
    EXPECT_EQ(counted, (std::vector<double>{0, 4.5, 3.5, 0}));

    // A file that cannot be written is told; the process stays.
    std::filesystem::create_directory(dir / "wilgotnosc_tmp.txt");
    d.moisture().type(0, "5");
    dialogs.clear();
    EXPECT_EQ(confirmation().confirm(d.values()), ParamsOutcome::accepted);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{"ostrzeżenie: Nie zapisano wilgotności kruszyw w pliku: " +
                                        moisture_path(dir.path()).string() +
                                        ".\rBrak miejsca na dysku lub dysk zabezpieczony przed "
                                        "zapisem."}));
    EXPECT_EQ(station.process_materials()[1].moisture, 5);
}

TEST_F(WeighingParamsWindowTest, TheTruckAndSiteGoToTheProcessAndTheClientsHistory) {
    r.recipe_client = "BUDREX";
    auto d = dialog();
    d.open(r);
    EXPECT_TRUE(d.recent_trucks().empty());
    d.type_truck(" WGM 12345 ");
    d.type_site("Kielce, Polna 3");
    ASSERT_EQ(confirmation().confirm(d.values()), ParamsOutcome::accepted);
    EXPECT_EQ(station.process_delivery(), (Delivery{"WGM 12345", "Kielce, Polna 3"}));
    EXPECT_TRUE(std::filesystem::exists(dir / "karta_biezaca.txt"));
    EXPECT_EQ(testing::read_file(dir / "dostawy.txt"),
              (std::vector<std::string>{"BUDREX\tsamochod\tWGM 12345", "BUDREX\tbudowa\tKielce, Polna 3"}));

    // Offered again to the same client, newest first; the next process without them keeps no card.
    auto again = dialog();
    again.open(r);
    EXPECT_EQ(again.truck(), "");
    EXPECT_EQ(again.recent_trucks(), (std::vector<std::string>{"WGM 12345"}));
    EXPECT_EQ(again.recent_sites(), (std::vector<std::string>{"Kielce, Polna 3"}));
    ASSERT_EQ(confirmation().confirm(again.values()), ParamsOutcome::accepted);
    EXPECT_TRUE(station.process_delivery().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "karta_biezaca.txt"));
}

}  // namespace
}  // namespace wazenie
