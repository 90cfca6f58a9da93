#include "recipes/weighing_params.h"

#include <string>
#include <vector>

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "recipes/recipe_test_support.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::FakeDialogs;
using testing::recipe_lines;
using testing::ScratchDir;
using testing::write_weighing_data;

class WeighingParamsTest : public ::testing::Test {
protected:
    WeighingParamsTest() {
        for (int s = 1; s <= kScales; ++s) {
            p.w[s].max_weight = 1000;
            p.w[s].precision = 1;
        }
        write_weighing_data(dir.path());
    }

    void write_recipes(const std::vector<std::string>& lines) {
        ASSERT_TRUE(text_file::write_lines(dir / "receptury.txt", lines).ok());
    }

    // The process the parameters define replaces `p`; false when they were refused.
    bool prepare(const std::string& name, const std::string& total, const std::string& client = {}) {
        auto prepared = prepare_weighing(p, WeighingParams{name, total, client}, dir.path(), dialogs);
        if (prepared) {
            p = prepared->process;
        }
        return prepared.has_value();
    }

    ScratchDir dir;
    FakeDialogs dialogs;
    ProcessState p;
};

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

    ASSERT_TRUE(prepare("Beton B20", "4300", "BUDREX"));
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
}

TEST_F(WeighingParamsTest, AShareOfExactlyTwiceTheCapacityNeedsThreeCycles) {
    write_recipes(recipe_lines("jedna", {{"cement", "10"}}));
    ASSERT_TRUE(prepare("jedna", "2000"));
    EXPECT_EQ(p.r.total_cycle, 3);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 666.7);
    EXPECT_NEAR(p.w[1].m[1].recipe_weight_clast, -0.1, 1e-9);

    ASSERT_TRUE(prepare("jedna", "999"));
    EXPECT_EQ(p.r.total_cycle, 1);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 999);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_clast, 0);
}

TEST_F(WeighingParamsTest, TwelveCyclesAreCappedAtNine) {
    write_recipes(recipe_lines("duża", {{"cement", "100"}}));
    p.w[1].max_weight = 100;
    ASSERT_TRUE(prepare("duża", "1150"));
    EXPECT_EQ(p.r.total_cycle_init, 12);
    EXPECT_EQ(p.r.total_cycle, 9);
    // The masses per cycle are those of twelve cycles.
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 95.8);
}

TEST_F(WeighingParamsTest, TheMassesOfThePreviousProcessAreCleared) {
    ASSERT_TRUE(prepare("zaprawa", "150"));
    p.w[1].m[1].curr_weight[1] = 80;
    p.w[1].m[2].curr_weight[1] = 40;
    p.w[1].curr_weight[1] = 120;
    p.r.curr_weight = 120;
    ASSERT_TRUE(prepare("zaprawa", "150"));
    EXPECT_EQ(p.w[1].m[1].curr_weight[1], 0);
    EXPECT_EQ(p.w[1].m[2].curr_weight[1], 0);
    EXPECT_EQ(p.w[1].curr_weight[1], 0);
    EXPECT_EQ(p.r.curr_weight, 0);
}

TEST_F(WeighingParamsTest, AnUnknownClientGivesEmptyClientFields) {
    p.r.client_full_name = "stary klient";
    ASSERT_TRUE(prepare("zaprawa", "150", "NIKT"));
    EXPECT_EQ(p.r.recipe_client, "NIKT");
    EXPECT_EQ(p.r.client_full_name, "");
    EXPECT_EQ(p.r.client_nip, "");
}

TEST_F(WeighingParamsTest, AZeroTotalGivesOneEmptyCycle) {
    ASSERT_TRUE(prepare("Beton B20", "0"));
    EXPECT_EQ(p.r.total_cycle, 1);
    EXPECT_EQ(p.r.recipe_total_weight, 0);
    EXPECT_EQ(p.w[2].m[2].recipe_weight_c1, 0);
}

TEST_F(WeighingParamsTest, WrongValuesAreRefusedAndChangeNothing) {
    ASSERT_TRUE(prepare("zaprawa", "150"));
    p.r.cp_tick = 77;
    dialogs.clear();
    auto lines = text_file::read_lines(dir / "receptury.txt").value();
    auto bad = recipe_lines("zła", {{"cement", "1O0"}});
    lines.insert(lines.end(), bad.begin(), bad.end());
    write_recipes(lines);
    ProcessState before = p;

    EXPECT_FALSE(prepare("Beton B20", "12a"));
    EXPECT_FALSE(prepare("Beton B20", ""));
    // A negative total would send the meters negative masses.
    EXPECT_FALSE(prepare("Beton B20", "-100"));
    EXPECT_FALSE(prepare("", "100"));
    EXPECT_FALSE(prepare("zła", "100"));
    EXPECT_FALSE(prepare("usunięta", "100"));
    EXPECT_EQ(p, before);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{
                  "błąd: Błędna wartość!", "błąd: Błędna wartość!", "błąd: Błędna wartość!",
                  "błąd: Żadna receptura nie została wskazana!", "błąd: Błędna masa w recepturze: zła",
                  "błąd: Żadna receptura nie została wskazana!"}));
}

TEST_F(WeighingParamsTest, AScaleWithoutCapacityIsRefused) {
    p.w[3].max_weight = 0;
    ProcessState before = p;
    EXPECT_FALSE(prepare("Beton B20", "100"));
    EXPECT_EQ(p, before);
    EXPECT_EQ(dialogs.last(), "błąd: Błędna maksymalna masa wagi 3: 0 kg.");
}

TEST_F(WeighingParamsTest, ADisconnectedScaleStillTakesPartInTheSplit) {
    p.w[2].weight_enabled = false;
    p.w[2].max_weight = 200;
    ASSERT_TRUE(prepare("Beton B20", "2150"));
    EXPECT_EQ(p.r.total_cycle, 9);
    EXPECT_EQ(p.r.total_cycle_init, 9);
}

}  // namespace
}  // namespace wazenie
