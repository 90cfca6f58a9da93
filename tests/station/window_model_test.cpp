#include "station/window_model.h"

#include "core/mass_operations.h"
#include "station/station_rig.h"
#include "storage/date_time.h"
#include "storage/settings.h"
#include "storage/tolerances.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using Icons = std::vector<RowIcon>;

const Tolerances kTolerances;

Icons icons(const ScaleView& view) {
    Icons out;
    for (const ScaleMaterialRow& row : view.materials) {
        out.push_back(row.icon);
    }
    return out;
}

TEST(WindowModel, DisabledScaleAndLostConnection) {
    testing::StationRig rig;
    rig.give_recipe(1, {50});
    rig.enable_only({1, 3});
    rig.edit([](ProcessState& p) { p.w[2].curr_weight[1] = 40; });
    EXPECT_EQ(connection_view(rig.p, 2), (ConnectionView{kScaleDisabledText, Colour::grey}));
    rig.edit([](ProcessState& p) { p.w[2].precision = 1; });
    EXPECT_EQ(scale_layout(rig.p.w[2]), (ScaleLayout{"maks. 200 kg", Colour::grey, false, "8888.8"}));
    EXPECT_EQ(scale_view(rig.p, 2, 0, ScaleButton::stop, kTolerances).mass, kDisabledMass);
    EXPECT_EQ(scale_view(rig.p, 2, 0, ScaleButton::stop, kTolerances).gauge, 0);

    // Five failed questions show the lost connection; the next valid answer clears it.
    rig.meters.scales[1].answers = false;
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[1].cp_timeout_num == 5; }));
    EXPECT_EQ(connection_view(rig.p, 1), (ConnectionView{kNoConnectionText, Colour::red}));
    rig.meters.scales[1].answers = true;
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[1].cp_timeout_num == 0; }));
    EXPECT_EQ(connection_view(rig.p, 1), ConnectionView{});
    // A failing command counts against its scale.
    rig.edit([](ProcessState& p) { p.cpq = {.weight_num = 3, .timeout_num = 5}; });
    EXPECT_EQ(connection_view(rig.p, 3).colour, Colour::red);
}

TEST(WindowModel, PanelsFollowEachScalesCycle) {
    ProcessState p;
    p.r.total_cycle = 3;
    for (weight_record& w : p.w) {
        w.max_material = 3;
        w.curr_status = run_mode::RUNNING;
        w.curr_material = 2;
    }
    p.w[1].curr_cycle_status = cycle_status::OPEN_TRAY;
    p.w[2].curr_cycle = 2;
    p.w[2].m[1].curr_weight[2] = 12.5;
    p.w[2].curr_weight[2] = 60;

    // Scale 2 is a cycle ahead: it shows its own cycle, the others the system's.
    const ScaleView ahead = scale_view(p, 2, 0, ScaleButton::start, kTolerances);
    EXPECT_EQ(ahead.ahead, "(+1c)");
    EXPECT_EQ(ahead.materials[0].jest, "13");
    EXPECT_EQ(ahead.gauge, 60);
    EXPECT_EQ(icons(ahead), (Icons{RowIcon::done, RowIcon::current, RowIcon::none}));
    EXPECT_EQ(scale_view(p, 1, 0, ScaleButton::start, kTolerances).ahead, "");
    EXPECT_EQ(scale_view(p, 1, 0, ScaleButton::start, kTolerances).state, StateIcon::tank_open);

    // Its ended cycle 1 is all done and completed; cycle 3 is still to come.
    EXPECT_EQ(icons(scale_view(p, 2, 1, ScaleButton::start, kTolerances)), Icons(3, RowIcon::done));
    EXPECT_EQ(scale_view(p, 2, 1, ScaleButton::start, kTolerances).state, StateIcon::completed);
    EXPECT_EQ(icons(scale_view(p, 2, 3, ScaleButton::start, kTolerances)), Icons(3, RowIcon::none));
    p.w[1].curr_status = run_mode::STOPPED;  // a stopped meter marks no material
    EXPECT_EQ(icons(scale_view(p, 1, 0, ScaleButton::stop, kTolerances)), Icons(3, RowIcon::none));
    p.w[2].curr_weight[2] = 250;  // an over-full scale fills the gauge
    EXPECT_EQ(scale_view(p, 2, 0, ScaleButton::none, kTolerances).gauge, 100);

    // The system's cycle is current until every scale in it has completed; sums span the scales.
    p.w[1].curr_cycle_weight[1] = 10;
    p.w[3].curr_cycle_weight[1] = 2.5;
    EXPECT_EQ(cycle_rows(p, 1)[0], (CycleRow{"1.", "12.5", "0.0", RowIcon::current}));
    for (weight_record& w : p.w) {
        w.curr_cycle_status = w.curr_cycle == 1 ? cycle_status::COMPLETED : cycle_status::STARTED;
    }
    EXPECT_EQ(cycle_rows(p, 1)[0].icon, RowIcon::done);
}

TEST(WindowModel, LastCycleCarriesTheCorrection) {
    ProcessState p;
    weight_record& w = p.w[1];
    w.precision = 1;
    w.max_weight = 40;
    w.max_material = 1;
    w.m[1].material_name = "Cement";
    w.m[1].recipe_total_weight = 100;
    p.r.recipe_total_weight = 100;
    p.r.total_cycle = split_into_cycles(p);
    ASSERT_EQ(p.r.total_cycle, 3);
    EXPECT_EQ(scale_view(p, 1, 2, ScaleButton::none, kTolerances).materials[0].ma_byc, "33.3");
    EXPECT_EQ(scale_view(p, 1, 2, ScaleButton::none, kTolerances).target, "33.3");
    EXPECT_EQ(scale_view(p, 1, 3, ScaleButton::none, kTolerances).materials[0],
              (ScaleMaterialRow{"1.", "Cement", "0.0", "33.4", RowIcon::none, false, ""}));
    EXPECT_EQ(scale_view(p, 1, 3, ScaleButton::none, kTolerances).target, "33.4");
    EXPECT_EQ(cycle_rows(p, 2)[2].ma_byc, "33.40");
}

// Scale 1 in cycle 1 of 2, dosing material 3: materials 1 and 2 have ended, 3 has not.
TEST(WindowModel, FinishedDosesOutsideTheirToleranceAreMarked) {
    ProcessState p;
    p.r.total_cycle = 2;
    weight_record& w = p.w[1];
    w.precision = 1;
    w.max_material = 3;
    w.curr_cycle = 1;
    w.curr_status = run_mode::RUNNING;
    w.curr_cycle_status = cycle_status::STARTED;
    w.curr_material = 3;
    const auto dose = [&](int j, const char* name, double target, double dosed) {
        w.m[j].material_name = name;
        w.m[j].recipe_weight_c1 = target;
        w.m[j].curr_weight[1] = dosed;
    };
    dose(1, "Cement", 200, 194);  // -3 %, at the limit
    dose(2, "Domieszka", 0, 42);  // no target, no percentage
    dose(3, "Woda", 100, 120);    // still being dosed
    const auto marks = [&](const Tolerances& t) {
        std::vector<std::string> out;
        for (const ScaleMaterialRow& row : scale_view(p, 1, 0, ScaleButton::start, t).materials) {
            EXPECT_EQ(row.outside_tolerance, !row.deviation.empty());
            out.push_back(row.deviation);
        }
        return out;
    };
    EXPECT_EQ(marks(kTolerances), std::vector<std::string>(3));

    w.m[1].curr_weight[1] = 206.04;  // judged as shown, 206.0: at the limit
    w.m[2].recipe_weight_c1 = 40;    // +5 %: outside the default, inside the admixture's own 5 %
    EXPECT_EQ(marks(kTolerances),
              (std::vector<std::string>{"", "Odchyłka: +2.0 kg (+5.0 %), tolerancja 3 %", ""}));
    const Tolerances own =
        Tolerances::from(IniDocument::parse({"[Tolerancje]", "domyslna=2.5", "DOMIESZKA=5"}));
    w.m[1].curr_weight[1] = 193.6;
    EXPECT_EQ(marks(own), (std::vector<std::string>{"Odchyłka: -6.4 kg (-3.2 %), tolerancja 2.5 %", "", ""}));

    // Once the scale is in cycle 2, cycle 1 shows all its doses ended.
    w.curr_cycle = 2;
    EXPECT_EQ(marks(kTolerances)[2], "");
    EXPECT_EQ(scale_view(p, 1, 1, ScaleButton::start, kTolerances).materials[2].deviation,
              "Odchyłka: +20.0 kg (+20.0 %), tolerancja 3 %");
}

TEST(WindowModel, ProcessAndTechnicalPanels) {
    ProcessState p;
    Settings settings;
    settings.total_precision = 1;
    p.r.curr_weight = 250;
    p.r.recipe_total_weight = 600;
    p.r.curr_cycle = 2;
    p.r.total_cycle = 5;
    p.r.total_cycle_init = 5;
    p.r.start_time = *make_date_time({2024, 3, 5, 7, 8, 9});
    p.r.recipe_name = "B20";
    p.r.recipe_client = "KOWAL";
    p.r.weight_doc = "WZ/7/2024";
    EXPECT_EQ(process_view(p, settings),
              (ProcessView{"250.0", "600.0", 42, "2024-03-05     07:08:09", "---", "2 z 5", "WZ/7/2024",
                           "KOWAL", "B20", "2", true, false}));
    p.r.view_cycle = 4;
    p.r.total_cycle_init = 1;
    p.r.recipe_total_weight = 0;
    const ProcessView shown = process_view(p, settings);
    EXPECT_TRUE(shown.shown_cycle == "4" && !shown.show_current_down && shown.cycles_button_enabled);
    EXPECT_EQ(shown.gauge, 0);
    settings.log = 1;
    EXPECT_EQ(window_min_height(settings), kMinHeightWithLog);

    // Kinds without a name keep the text shown before (none at first).
    p.r.cp_status = line_status::RECEIVED;
    p.r.cp_msg = CP_MSG_WEIGHT_QUESTION;
    p.w[1].cp_timeout_num = 3;
    p.w[1].curr_cycle_status = cycle_status::OPEN_TRAY;
    p.cpq = {.status = command_status::WAITING, .msg = CP_MSG_RECIPE, .timeout_num = 2};
    const auto values = technical_values(p, {});
    EXPECT_EQ(values, (std::vector<std::string>{"RECEIVED", "3", "WAITING", "CP_MSG_RECIPE", "2", "OPEN_TRAY",
                                                "CP_MSG_WEIGHT_QUESTION"}));
    p.cpq.msg = CP_MSG_STOP;
    p.r.cp_msg = CP_MSG_PAUSE;
    EXPECT_EQ(technical_values(p, values), values);
    EXPECT_EQ(technical_values(p, {})[3], "");
}

TEST(WindowModel, DamagedNumbersNeverThrow) {
    ProcessState p;
    p.r.total_cycle = 42;
    p.r.curr_cycle = -3;
    p.w[1].curr_cycle = 12;
    p.w[1].max_material = 99;
    p.w[1].curr_material = 40;
    p.w[2].max_material = -1;
    p.w[3].max_weight = 0;
    for (int v : {0, -1, 10}) {
        for (int n : {0, 1, 2, 3, 4, 5}) {
            EXPECT_NO_THROW(scale_view(p, n, v, ScaleButton::none, kTolerances)) << n << ' ' << v;
            EXPECT_NO_THROW(connection_view(p, n));
        }
    }
    EXPECT_EQ(scale_view(p, 1, 0, ScaleButton::none, kTolerances).materials.size(), 7u);
    EXPECT_EQ(scale_view(p, 1, 0, ScaleButton::none, kTolerances).mass, "0");
    EXPECT_TRUE(scale_view(p, 2, 0, ScaleButton::none, kTolerances).materials.empty());
    EXPECT_EQ(cycle_rows(p, 0).size(), 9u);
}

}  // namespace
}  // namespace wazenie
