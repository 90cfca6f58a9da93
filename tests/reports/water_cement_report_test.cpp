#include "reports/water_cement_report.h"

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/batch_card.h"
#include "storage/material_kinds.h"
#include "storage/month_log.h"
#include "storage/process_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::LoggedProcess;

// Scale 1 doses sand and water, scale 2 cement; the masses are the dosed totals of the "wm" lines.
void log_process(const std::filesystem::path& dir, const std::string& doc, const std::string& start,
                 double sand, double water, double cement, const std::string& cement_name = "Cement") {
    LoggedProcess wanted;
    wanted.doc = doc;
    wanted.start = start;
    wanted.stop = start.substr(0, 11) + "09:00:00";
    ProcessState p = testing::finished_process(wanted);
    p.w[1].precision = 1;
    p.w[1].m[2].material_name = "Woda";
    p.w[2].m[1].material_name = cement_name;
    p.w[1].m[1].curr_total_weight = sand;
    p.w[1].m[2].curr_total_weight = water;
    p.w[2].m[1].curr_total_weight = cement;
    ASSERT_TRUE(save_process(p, Settings{}, month_log_path(dir, "202401"), true));
}

TEST(WaterCementReport, WetSandBringsItsWaterADamagedCardCountsDryAndNoCementIsLeftOut) {
    testing::ScratchDir dir;
    MaterialKinds kinds;
    kinds.set("cement", MaterialKind::cement);
    kinds.set("WODA", MaterialKind::water);
    kinds.set("Piasek", MaterialKind::aggregate);
    ASSERT_TRUE(save_material_kinds(material_kinds_path(dir.path()), kinds));
    log_process(dir.path(), "WZ/1/24", "2024-01-10 08:00:00", 856.9, 143.1, 300);
    log_process(dir.path(), "WZ/2/24", "2024-01-11 08:00:00", 856.9, 143.1, 300, "Popiół");
    log_process(dir.path(), "WZ/3/24", "2024-01-12 08:00:00", 856.9, 143.1, 300);
    const auto cards = batch_card_path(dir.path(), "202401");
    ASSERT_TRUE(append_batch_card(cards, {"WZ/1/24",
                                          "2024-01-10 08:00:00",
                                          "B20",
                                          {{1, 1, "Piasek", MaterialKind::aggregate, 820, 4.5, 856.9},
                                           {1, 2, "Woda", MaterialKind::water, 180, 0, 143.1}},
                                          {}}));
    testing::write_bytes(cards, testing::read_bytes(cards) +
                                    "k\tWZ/3/24\t2024-01-12 08:00:00\tB20\t1\r\n"
                                    "km\t1\t1\tPiasek\tkruszywo\tx\t4.5\t856.9\r\n");

    testing::FakeDialogs dialogs;
    const auto report = water_cement_report(dir.path(), {"2024-01-01", "2024-01-31", "", ""}, dialogs);
    ASSERT_TRUE(report);
    ASSERT_EQ(report->processes.size(), 2u);
    // 856.9 kg of sand at 4.5 % holds 856.9 * 4.5 / 104.5 = 36.9 kg of water: (143.1 + 36.9) / 300.
    const WaterCementProcess& wet = report->processes[0];
    EXPECT_EQ(wet.weight_doc, "WZ/1/24");
    EXPECT_EQ(wet.start_time, "2024-01-10 08:00:00");
    EXPECT_EQ(wet.recipe_name, "B20");
    EXPECT_EQ(wet.client_short, "BUDEX");
    EXPECT_NEAR(wet.cement, 300, 1e-9);
    EXPECT_NEAR(wet.water, 180, 1e-9);
    EXPECT_NEAR(wet.ratio, 0.6, 1e-9);
    const WaterCementProcess& dry = report->processes[1];
    EXPECT_EQ(dry.weight_doc, "WZ/3/24");
    EXPECT_NEAR(dry.ratio, 143.1 / 300, 1e-9);
    EXPECT_NEAR(report->mean, (0.6 + 143.1 / 300) / 2, 1e-9);
    EXPECT_NEAR(report->largest, 0.6, 1e-9);
    EXPECT_EQ(dialogs.journal,
              std::vector<std::string>{"ostrzeżenie: Pominięto uszkodzone wiersze pliku " + cards.string() +
                                       ":\rlinia 4: \"k\tWZ/3/24\t2024-01-12 08:00:00\tB20\t1\"\r"
                                       "linia 5: \"km\t1\t1\tPiasek\tkruszywo\tx\t4.5\t856.9\"\r"
                                       "Procesy tych kart policzono bez wilgotności kruszywa."});

    // Without the kinds no process has cement, and no card is read.
    std::filesystem::remove(material_kinds_path(dir.path()));
    dialogs.clear();
    const auto without = water_cement_report(dir.path(), {"2024-01-01", "2024-01-31", "", ""}, dialogs);
    ASSERT_TRUE(without);
    EXPECT_TRUE(without->processes.empty());
    EXPECT_TRUE(dialogs.journal.empty());
}

}  // namespace
}  // namespace wazenie
