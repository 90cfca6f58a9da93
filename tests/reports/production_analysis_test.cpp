#include "reports/production_analysis.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::LoggedProcess;

// A logged process built scale by scale: every scale empty until a material is put on it.
ProcessState process(const std::string& doc, const std::string& start, const std::string& stop, int cycles,
                     const std::string& client = "BUDEX", const std::string& recipe = "B20") {
    ProcessState p =
        testing::finished_process(LoggedProcess{doc, start, stop, recipe, client, "JAN", cycles});
    for (auto& w : p.w) {
        w = weight_record{};
        w.precision = 1;
        w.curr_cycle = cycles;
        w.curr_cycle_status = cycle_status::COMPLETED;
    }
    return p;
}

void material(ProcessState& p, int i, int j, const std::string& name, double c1, double clast,
              const std::vector<double>& dosed) {
    weight_record& w = p.w[i];
    w.max_material = std::max(w.max_material, j);
    material_record& m = w.m[j];
    m.material_name = name;
    m.recipe_weight_c1 = c1;
    m.recipe_weight_clast = clast;
    for (std::size_t c = 0; c < dosed.size(); ++c) {
        m.curr_weight[static_cast<int>(c) + 1] = dosed[c];
    }
}

void stopped_at(ProcessState& p, int i, int cycle, int status, int material) {
    p.w[i].curr_cycle = cycle;
    p.w[i].curr_cycle_status = status;
    p.w[i].curr_material = material;
}

// Three processes over January and February, the masses chosen so that every figure can be worked out
// by hand. Tolerances: 3 % by default, 2 % for cement.
class ProductionAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Completed: cement on two scales, water with no target.
        auto p1 = process("WZ/1", "2024-01-10 08:00:00", "2024-01-10 08:40:00", 2);
        material(p1, 1, 1, "Piasek", 100, -10, {102, 95});
        material(p1, 1, 2, "Cement", 50, 0, {50.5, 49});
        material(p1, 1, 3, "Woda", 0, 0, {0.5, 0});
        material(p1, 2, 1, "Cement", 20, 0, {20.4, 19});
        log("202401", p1);
        // Begun on January's last day, logged in February; its cement renamed.
        auto p2 = process("WZ/2", "2024-01-31 23:50:00", "2024-02-01 00:20:00", 1, "MOSTOSTAL", "B25");
        material(p2, 1, 1, "Piasek ", 200, 0, {206});
        material(p2, 1, 2, "Cement CEM I", 50, 0, {51});
        log("202402", p2);
        // Stopped in cycle 2 of 3 while scale 1 doses its cement; scale 2 emptying cycle 1.
        auto p3 = process("WZ/3", "2024-02-05 10:00:00", "2024-02-05 10:20:00", 3);
        material(p3, 1, 1, "Piasek", 100, 0, {101, 99});
        material(p3, 1, 2, "Cement", 50, 0, {50, 20});
        material(p3, 1, 3, "Woda", 10, 0, {10, 0});
        stopped_at(p3, 1, 2, cycle_status::STARTED, 2);
        material(p3, 2, 1, "Cement", 20, 0, {21});
        stopped_at(p3, 2, 1, cycle_status::OPEN_TRAY, 0);
        log("202402", p3);
    }

    void log(const std::string& month, const ProcessState& p) {
        ASSERT_TRUE(save_process(p, Settings{}, month_log_path(dir.path(), month), true));
    }

    ProductionAnalysis analyse(const std::string& from, const std::string& to, const std::string& client = "",
                               const std::string& recipe = "") {
        auto analysis = analyse_production(dir.path(), {from, to, client, recipe}, tolerances, dialogs);
        return analysis ? *analysis : ProductionAnalysis{};
    }

    static std::vector<std::string> docs(const ProductionAnalysis& a) {
        std::vector<std::string> out;
        for (const auto& p : a.processes) {
            out.push_back(p.weight_doc);
        }
        return out;
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    Tolerances tolerances = Tolerances::from(IniDocument::parse({"[Tolerancje]", "domyslna=3", "cement=2"}));
};

void expect_row(const ConsumptionRow& row, const std::string& name, int scale, double target, double dosed,
                int processes) {
    SCOPED_TRACE(name + " " + std::to_string(scale));
    EXPECT_EQ(row.material_name, name);
    EXPECT_EQ(row.scale, scale);
    EXPECT_NEAR(row.target, target, 1e-9);
    EXPECT_NEAR(row.dosed, dosed, 1e-9);
    EXPECT_EQ(row.processes, processes);
}

TEST_F(ProductionAnalysisTest, ConsumptionSumsFinishedDosesAndWhatABrokenOffDosePutIn) {
    const auto a = analyse("2024-01-01", "2024-02-29");
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(docs(a), (std::vector<std::string>{"WZ/1", "WZ/2", "WZ/3"}));
    EXPECT_EQ(a.processes[1].start_time, "2024-01-31 23:50:00");
    EXPECT_EQ(a.processes[1].client_short, "MOSTOSTAL");
    ASSERT_EQ(a.consumption.size(), 7u);
    // P3's cement in cycle 2 was being dosed: its 20 kg went in, its target is not yet due.
    expect_row(a.consumption[0], "Cement", 1, 150, 169.5, 2);
    expect_row(a.consumption[1], "Cement", 2, 60, 60.4, 2);
    expect_row(a.consumption[2], "Cement", 0, 210, 229.9, 2);
    expect_row(a.consumption[3], "Cement CEM I", 1, 50, 51, 1);
    // Cycle 2 of P1 carries the last cycle's correction; P3's third cycle never happened.
    expect_row(a.consumption[4], "Piasek", 1, 590, 603, 3);
    expect_row(a.consumption[5], "Woda", 1, 10, 10.5, 2);
    expect_row(a.consumption[6], "RAZEM:", 0, 860, 894.4, 3);
    EXPECT_EQ(a.material_names.size(), 4u);
    EXPECT_EQ(a.doses.size(), 15u);
    EXPECT_EQ(a.mass_precision, 1);

    ASSERT_EQ(a.days.size(), 3u);
    EXPECT_EQ(a.days[0].date, "2024-01-10");
    EXPECT_NEAR(a.days[0].dosed, 336.4, 1e-9);
    EXPECT_EQ(a.days[1].date, "2024-01-31");
    EXPECT_NEAR(a.days[1].dosed, 257, 1e-9);
    EXPECT_EQ(a.days[2].date, "2024-02-05");
    EXPECT_NEAR(a.days[2].dosed, 301, 1e-9);
    EXPECT_EQ(a.days[2].processes, 1);
}

TEST_F(ProductionAnalysisTest, AccuracyPerMaterialAgainstItsTolerance) {
    const auto a = analyse("2024-01-01", "2024-02-29");
    ASSERT_EQ(a.accuracy.size(), 4u);
    // Cement, 2 %: +1, -2 (at the limit: inside), +2, -5, 0, +5.
    const AccuracyRow& cement = a.accuracy[0];
    EXPECT_EQ(cement.material_name, "Cement");
    EXPECT_EQ(cement.tolerance, 2);
    EXPECT_EQ(cement.doses, 6);
    EXPECT_EQ(cement.judged, 6);
    EXPECT_NEAR(cement.mean, 1.0 / 6, 1e-9);
    EXPECT_NEAR(cement.std_dev, std::sqrt(2118.0 / 36 / 5), 1e-9);
    EXPECT_NEAR(cement.largest, -5, 1e-9);
    EXPECT_EQ(cement.outside, 2);

    EXPECT_EQ(a.accuracy[1].material_name, "Cement CEM I");
    EXPECT_EQ(a.accuracy[1].tolerance, 3);
    EXPECT_EQ(a.accuracy[1].std_dev, 0);
    // Piasek, 3 %: +2, +5.56 (95 of 90), +3 (at the limit), +1, -1.
    const AccuracyRow& sand = a.accuracy[2];
    EXPECT_EQ(sand.doses, 5);
    EXPECT_NEAR(sand.mean, (5 + 50.0 / 9) / 5, 1e-9);
    EXPECT_NEAR(sand.largest, 50.0 / 9, 1e-9);
    EXPECT_EQ(sand.outside, 1);
    // Water: two doses with no target, one on target.
    const AccuracyRow& water = a.accuracy[3];
    EXPECT_EQ(water.doses, 3);
    EXPECT_EQ(water.judged, 1);
    EXPECT_EQ(water.mean, 0);
    EXPECT_EQ(water.outside, 0);

    // The doses keep their place in the log; a target of 0 has no percentage.
    const Dose& second = a.doses[1];
    EXPECT_EQ(a.material_names[second.material], "Piasek");
    EXPECT_EQ(second.cycle, 2);
    EXPECT_EQ(second.target, 90);
    EXPECT_TRUE(deviation_of(second, a).outside);
    const Dose& water_dose = a.doses[4];
    EXPECT_EQ(a.material_names[water_dose.material], "Woda");
    EXPECT_FALSE(deviation_of(water_dose, a).percent);
    const Dose& on_scale_2 = a.doses[7];
    EXPECT_EQ(on_scale_2.scale, 2);
    EXPECT_EQ(on_scale_2.process, 0u);
    EXPECT_NEAR(*deviation_of(on_scale_2, a).percent, -5, 1e-9);
}

TEST_F(ProductionAnalysisTest, RangeByTheDayAProcessBeganAndTheFilters) {
    // January reads February's log for the process begun on its last evening; February leaves it out.
    EXPECT_EQ(docs(analyse("2024-01-01", "2024-01-31")), (std::vector<std::string>{"WZ/1", "WZ/2"}));
    EXPECT_EQ(docs(analyse("2024-02-01", "2024-02-29")), std::vector<std::string>{"WZ/3"});
    EXPECT_EQ(docs(analyse("2024-01-01", "2024-02-29", "budex")), (std::vector<std::string>{"WZ/1", "WZ/3"}));
    const auto b25 = analyse("2024-01-01", "2024-02-29", "", "b25");
    EXPECT_EQ(docs(b25), std::vector<std::string>{"WZ/2"});
    EXPECT_EQ(b25.days.size(), 1u);
    EXPECT_TRUE(dialogs.journal.empty());

    EXPECT_FALSE(analyse_production(dir.path(), {"2024-02-01", "2024-01-31", "", ""}, tolerances, dialogs));
    EXPECT_FALSE(analyse_production(dir.path(), {"2024-02", "2024-03-01", "", ""}, tolerances, dialogs));
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{
                                   "błąd: Data początkowa musi być wcześniejsza od końcowej.",
                                   "błąd: Błędna data: 2024-02\rData musi mieć postać rrrr-mm-dd.",
                               }));
}

TEST_F(ProductionAnalysisTest, GarbageIsPassedOverAndARecordLoggedTwiceCountsOnce) {
    auto p = process("WZ/9", "2024-03-02 09:00:00", "2024-03-02 09:10:00", 1);
    material(p, 1, 1, "", 100, 0, {100});
    log("202403", p);
    log("202403", p);
    const auto file = month_log_path(dir.path(), "202403");
    auto lines = *text_file::read_lines(file);
    // At the end of the first record, while its scale 1 and material 1 are still being read, and after the
    // second, in a record whose date does not read.
    lines.insert(lines.begin() + 13,
                 {"wmc\t1\t1\t99\t5", "wmc\t1\t1\t1\tabc", "wmc\t1\t8\t1\t5", "wmc\t0\t1\t1\t5",
                  "wm\t5\t9\tX\t1\t1\t1\t1", "w\t0\t1\t1", "\t\t\t", "wm"});
    lines.insert(lines.end(), {"r", "r\tWZ/X\t2024-03-xx", "w\t1\t0\t0\t0\t0\t1\t0\t1\t3\t0",
                               "wm\t1\t1\tX\t0\t5\t0\t5", "wmc\t1\t1\t1\t5"});
    ASSERT_TRUE(text_file::write_lines(file, lines));
    const auto a = analyse("2024-03-01", "2024-03-31");
    EXPECT_EQ(docs(a), std::vector<std::string>{"WZ/9"});
    ASSERT_EQ(a.consumption.size(), 2u);
    expect_row(a.consumption[0], "<bez nazwy>", 1, 100, 100, 1);
    expect_row(a.consumption[1], "RAZEM:", 0, 100, 100, 1);
    EXPECT_EQ(a.mass_precision, 1);

    text_file::write_lines(
        file, {"r\tWZ/7\t2024-03-03 08:00:00\t---\t1\t1", "w\t1\t\t\t\t\t7\t1\t2\t1\t1", "wm\t1\t1\tX\t\t\t",
               "wmc\t1\t1\t1\t1e999", "r\t\t\t", "wc", "wmc\t1\t1\t1\t5"});
    const auto empty = analyse("2024-03-01", "2024-03-31");
    EXPECT_EQ(docs(empty), std::vector<std::string>{"WZ/7"});
    ASSERT_EQ(empty.consumption.size(), 1u);
    EXPECT_EQ(empty.consumption[0].processes, 0);
    EXPECT_TRUE(empty.doses.empty());
    EXPECT_TRUE(empty.days.empty());
}

// The months read on two threads and put together in their order make the analysis of one thread: a
// process run past a month's end, one logged again at the head of the next month's log (a material of
// that record counts nowhere), and the logs that cannot be read reported in month order.
TEST_F(ProductionAnalysisTest, TwoThreadsAnalyseAsOne) {
    auto again = process("WZ/3", "2024-02-05 10:00:00", "2024-02-05 10:30:00", 3);
    material(again, 1, 1, "Dodatek", 1, 0, {1});
    log("202403", again);
    auto p4 = process("WZ/4", "2024-03-31 23:00:00", "2024-04-01 00:10:00", 1);
    material(p4, 3, 1, "Woda", 30, 0, {31});
    log("202404", p4);
    for (const char* month : {"202405", "202407"}) {
        std::filesystem::create_directory(month_log_path(dir.path(), month));
    }
    const ReportQuery query{"2024-01-01", "2024-06-30", "", ""};
    testing::FakeDialogs shown_by_two;
    const auto one = analyse_production(dir.path(), query, tolerances, dialogs, 1);
    const auto two = analyse_production(dir.path(), query, tolerances, shown_by_two, 2);
    ASSERT_TRUE(one && two);
    EXPECT_TRUE(*one == *two);
    EXPECT_EQ(docs(*two), (std::vector<std::string>{"WZ/1", "WZ/2", "WZ/3", "WZ/4"}));
    EXPECT_EQ(std::count(two->material_names.begin(), two->material_names.end(), "Dodatek"), 0);
    ASSERT_EQ(shown_by_two.journal.size(), 2u);
    EXPECT_NE(shown_by_two.journal[0].find("202405.txt"), std::string::npos);
    EXPECT_EQ(shown_by_two.journal, dialogs.journal);
}

// Masses in the forms the fast reading leaves to the full one read as before.
TEST_F(ProductionAnalysisTest, MassesWithACommaOrMoreDecimalsReadAsBefore) {
    ASSERT_TRUE(
        text_file::write_lines(month_log_path(dir.path(), "202403"),
                               {"r\tWZ/1\t2024-03-03 08:00:00\t---\t1\t1", "w\t1\t0\t0\t0\t0\t2\t0\t1\t3\t0",
                                "wm\t1\t1\tX\t0\t100,5\t100.5000\t0", "wmc\t1\t1\t1\t100.2500",
                                "wm\t1\t2\tY\t0\t1\t1\t0", "wmc\t1\t2\t1\t2147483.648"}));
    const auto a = analyse("2024-03-01", "2024-03-31");
    ASSERT_EQ(a.consumption.size(), 2u);
    expect_row(a.consumption[0], "X", 1, 201, 100.25, 1);
    EXPECT_EQ(a.mass_precision, 3);
}

// The log's bytes as a hand edit or a crash leaves them: Windows-1250 names, lines ending in LF alone,
// a bare "r" inside a record, lines before the first record and a last line cut short.
TEST_F(ProductionAnalysisTest, LogBytesReadWhateverTheirEncodingAndLineEnds) {
    testing::write_bytes(
        month_log_path(dir.path(), "202403"),
        "wm\t1\t1\tX\t0\t5\t0\t0\r\n"
        "r\tWZ/1\t2024-03-01 08:00:00\t2024-03-01 08:30:00\t2\t2\t0\t0\t0\tB20\t\xa3\xd3\x44\x8f\tJAN\r\n"
        "w\t1\t0\t0\t0\t0\t2\t0\t2\t3\t0\r\n"
        "wm\t1\t1\t\xafwir \t0\t100\t-10\t0\n"
        "wmc\t1\t1\t1\t101\n"
        "wmc\t1\t1\t2\t91.5\r\n"
        "r\r\n"
        "wm\t1\t2\t\xafwir\t0\t50\t0\t0\r\n"
        "wmc\t1\t2\t1\t49\r\n"
        "wmc\t1\t2\t2\t50.5\r\r\n"
        "r\tWZ/2\t2024-03-02 08:00:00\t---\t1\t1\t0\t0\t0\tB25\tX\tJAN\r\n"
        "w\t2\t0\t0\t0\t0\t1\t0\t1\t1\t1\r\n"
        "wm\t2\t1\t\x8cruta\t0\t20\t0\t0\r\n"
        "wmc\t2\t1\t1\t7");
    const auto a = analyse("2024-03-01", "2024-03-31");
    EXPECT_EQ(docs(a), (std::vector<std::string>{"WZ/1", "WZ/2"}));
    EXPECT_EQ(a.processes[0].client_short, "ŁÓDŹ");
    EXPECT_EQ(docs(analyse("2024-03-01", "2024-03-31", "łódź")), std::vector<std::string>{"WZ/1"});
    EXPECT_EQ(a.material_names, (std::vector<std::string>{"Żwir", "Śruta"}));
    ASSERT_EQ(a.consumption.size(), 3u);
    expect_row(a.consumption[0], "Śruta", 2, 0, 7, 1);
    expect_row(a.consumption[1], "Żwir", 1, 240, 241.5, 1);
    EXPECT_EQ(a.doses.size(), 3u);
    EXPECT_EQ(a.days.size(), 2u);
}

// Doses are kept in thousandths: they must read back as the very doubles of the logged texts, and a
// mass they cannot hold must be refused, not rounded.
TEST(MassMilliTest, HoldsLoggedMassesExactlyAndRefusesOthers) {
    for (const double kg : {0.1, 0.3, -0.3, 1234.567, 2147483.647}) {
        const auto mass = MassMilli::exactly(kg);
        ASSERT_TRUE(mass);
        EXPECT_EQ(static_cast<double>(*mass), kg);
    }
    EXPECT_EQ(MassMilli::exactly(1.234)->milli(), 1234);
    EXPECT_FALSE(MassMilli::exactly(1.2345));
    EXPECT_FALSE(MassMilli::exactly(1e-5));
    EXPECT_FALSE(MassMilli::exactly(2147483.648));
    EXPECT_FALSE(MassMilli::exactly(std::nan("")));
    EXPECT_EQ(static_cast<double>(*MassMilli::of_milli(100 + 200)), 0.3);  // a target summed exactly
    EXPECT_FALSE(MassMilli::of_milli(-(std::int64_t{1} << 31) - 1));
}

}  // namespace
}  // namespace wazenie
