#include "storage/process_file.h"

#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/month_log.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::ScratchDir;
using testing::write_bytes;

DateTime at(int y, int mo, int d, int h, int mi, int s) {
    return *make_date_time({y, mo, d, h, mi, s, 0});
}

// Masses a multiple of 2^-precision, so that they survive the text form exactly.
double mass(int n, int precision, int seed) {
    return (n * 100 + seed) / double(1 << precision);
}

// Four scales with precisions 0..3, seven materials each, nine cycles.
ProcessState full_process() {
    ProcessState p;
    p.r.weight_doc = "WZ/17/24";
    p.r.start_time = at(2024, 3, 5, 7, 8, 9);
    p.r.stop_time = at(2024, 3, 5, 9, 10, 11);
    p.r.curr_cycle = 9;
    p.r.total_cycle = 9;
    p.r.total_cycle_init = 12;
    p.r.curr_weight = 4321.5;
    p.r.recipe_total_weight = 4500;
    p.r.recipe_name = "Beton B20 żwirowy";
    p.r.recipe_client = "KOWALSKI";
    p.r.user_name = "ADMINISTRATOR";
    for (int n = 1; n <= kScales; ++n) {
        weight_record& w = p.w[n];
        w.precision = n - 1;
        w.curr_total_weight = mass(n, w.precision, 1);
        w.recipe_total_weight_c1 = mass(n, w.precision, 2);
        w.recipe_total_weight_clast = -mass(n, w.precision, 3);
        w.recipe_total_weight = mass(n, w.precision, 4);
        w.max_material = kMaterials;
        w.curr_status = run_mode::PAUSED;
        w.curr_cycle = kCycles;
        w.curr_cycle_status = cycle_status::OPEN_TRAY;
        w.curr_material = 5;
        for (int c = 1; c <= kCycles; ++c) {
            w.curr_weight[c] = mass(n, w.precision, 10 + c);
            w.curr_cycle_weight[c] = mass(n, w.precision, 20 + c);
        }
        for (int j = 1; j <= kMaterials; ++j) {
            material_record& m = w.m[j];
            m.material_name = "Cement " + std::to_string(n) + "." + std::to_string(j);
            m.curr_total_weight = mass(n, w.precision, 30 + j);
            m.recipe_weight_c1 = mass(n, w.precision, 40 + j);
            m.recipe_weight_clast = mass(n, w.precision, 50 + j);
            m.recipe_total_weight = mass(n, w.precision, 60 + j);
            for (int c = 1; c <= kCycles; ++c) {
                m.curr_weight[c] = mass(n, w.precision, 70 + j * 9 + c);
            }
        }
    }
    return p;
}

// A target that holds the settings of full_process() (not stored in the file) and nothing else.
ProcessState empty_target() {
    ProcessState p;
    for (int n = 1; n <= kScales; ++n) {
        p.w[n].precision = n - 1;
    }
    return p;
}

Settings settings_with(int total_precision) {
    Settings s;
    s.total_precision = total_precision;
    return s;
}

class ProcessFileTest : public ::testing::Test {
protected:
    void TearDown() override { text_file::reset_faults(); }

    std::vector<std::string> lines(const std::filesystem::path& f) { return *text_file::read_lines(f); }

    ScratchDir dir;
    Settings settings = settings_with(1);
};

TEST_F(ProcessFileTest, FullProcessSurvivesTheStatusFileAndALog) {
    const ProcessState p = full_process();
    ASSERT_TRUE(save_process(p, settings, status_file_path(dir.path()), false));
    ProcessState back = empty_target();
    ASSERT_TRUE(load_process(back, dir.path(), "0"));
    EXPECT_EQ(back.r, p.r);
    EXPECT_EQ(back.w, p.w);
    // 5 header lines, the "r" line, per scale 1 + 7 * (1 + 9) + 9 lines: all read back, not the first 101.
    EXPECT_EQ(lines(status_file_path(dir.path())).size(), 5u + 1u + 4u * 80u);

    const auto log = month_log_path(dir.path(), p.r.stop_time);
    EXPECT_EQ(log, dir / "202403.txt");
    ASSERT_TRUE(save_process(p, settings, log, true));
    ProcessState from_log = empty_target();
    ASSERT_TRUE(load_process(from_log, dir.path(), "202403", p.r.weight_doc, "2024-03-05 07:08:09"));
    EXPECT_EQ(from_log.r, p.r);
    EXPECT_EQ(from_log.w, p.w);
}

TEST_F(ProcessFileTest, WritesTheHeaderAndTheRecordLinesInOrder) {
    ProcessState p;
    p.r.weight_doc = "WZ/1";
    p.w[1].max_material = 1;
    p.w[1].curr_cycle = 2;
    p.w[1].m[1].material_name = "Piasek\tmokry";
    for (int n = 2; n <= kScales; ++n) {
        p.w[n].max_material = 0;
        p.w[n].curr_cycle = 0;
    }
    ASSERT_TRUE(save_process(p, settings, status_file_path(dir.path()), false));
    const std::string bytes = testing::read_bytes(status_file_path(dir.path()));
    EXPECT_EQ(bytes.substr(0, 42), ";r\tr.weight_doc\tr.start_time\tr.stop_time\tr");
    const auto l = lines(status_file_path(dir.path()));
    ASSERT_EQ(l.size(), 5u + 1u + 6u + 3u);  // a scale with no material and cycle 0 is one "w" line
    EXPECT_EQ(l[4], ";wc\tweight_num\tcycle_num\tw[].curr_weight[]\tw[].curr_cycle_weight[]");
    EXPECT_EQ(l[5], "r\tWZ/1\t---\t---\t1\t1\t0\t0.0\t0.0\t\t\t");
    EXPECT_EQ(l[6], "w\t1\t0\t0\t0\t0\t1\t0\t2\t0\t0");
    EXPECT_EQ(l[7], "wm\t1\t1\tPiasek mokry\t0\t0\t0\t0");
    EXPECT_EQ(l[8], "wmc\t1\t1\t1\t0");
    EXPECT_EQ(l[9], "wmc\t1\t1\t2\t0");
    EXPECT_EQ(l[10], "wc\t1\t1\t0\t0");
    EXPECT_EQ(l[11], "wc\t1\t2\t0\t0");
    EXPECT_EQ(l[12], "w\t2\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
}

TEST_F(ProcessFileTest, MassFormsFollowThePrecision) {
    ProcessState p;
    p.w[1].precision = 0;
    p.w[1].curr_total_weight = 12.5;
    p.w[2].precision = 2;
    p.w[2].curr_total_weight = 12.5;
    p.w[3].precision = 1;
    p.w[3].recipe_total_weight_clast = -0.3;
    const auto l = process_record_lines(p, settings_with(2));
    EXPECT_EQ(tab_field(l[1], 2), "13");
    EXPECT_EQ(tab_field(l[3], 2), "12.50");
    EXPECT_EQ(tab_field(l[5], 4), "-0.3");
    EXPECT_EQ(tab_field(l[0], 7), "0.00");

    ASSERT_TRUE(save_process(p, settings, status_file_path(dir.path()), false));
    ProcessState back;
    ASSERT_TRUE(load_process(back, dir.path(), "0"));
    EXPECT_DOUBLE_EQ(back.w[3].recipe_total_weight_clast, -0.3);
    EXPECT_DOUBLE_EQ(back.w[1].curr_total_weight, 13);
}

TEST_F(ProcessFileTest, NeverStartedProcessReadsBackWithZeroTimes) {
    ProcessState target;
    target.r.start_time = at(2020, 1, 1, 1, 1, 1);
    target.r.stop_time = at(2020, 1, 1, 2, 1, 1);
    ASSERT_TRUE(save_process(ProcessState{}, settings, status_file_path(dir.path()), false));
    ASSERT_TRUE(load_process(target, dir.path(), "0"));
    EXPECT_EQ(target.r.start_time, 0);
    EXPECT_EQ(target.r.stop_time, 0);
}

TEST_F(ProcessFileTest, LogGetsItsHeaderOnceAndFindsTheFirstOfEqualRecords) {
    const auto log = dir / "202403.txt";
    ProcessState p;
    p.r.weight_doc = "WZ/5";
    p.r.start_time = at(2024, 3, 5, 7, 0, 0);
    p.r.stop_time = at(2024, 3, 5, 8, 0, 0);
    p.r.curr_weight = 100;
    ASSERT_TRUE(save_process(p, settings, log, true));
    p.r.stop_time = at(2024, 3, 5, 9, 0, 0);  // stopped again
    p.r.curr_weight = 200;
    ASSERT_TRUE(save_process(p, settings, log, true));
    p.r.start_time = at(2024, 3, 6, 7, 0, 0);  // same number, another process
    p.r.curr_weight = 300;
    ASSERT_TRUE(save_process(p, settings, log, true));

    const std::string torn = testing::read_bytes(log) + "wmc\t1\t1";  // a record cut short by a crash
    write_bytes(dir / "202402.txt", torn);
    ProcessState next = p;
    next.r.weight_doc = "WZ/6";
    ASSERT_TRUE(save_process(next, settings, dir / "202402.txt", true));
    ProcessState after_torn;
    ASSERT_TRUE(load_process(after_torn, dir.path(), "202402", "WZ/6", "2024-03-06 07:00:00"));
    EXPECT_DOUBLE_EQ(after_torn.r.curr_weight, 300);

    write_bytes(dir / "202404.txt", "");  // left empty by a failed first write
    ASSERT_TRUE(save_process(p, settings, dir / "202404.txt", true));
    EXPECT_EQ(lines(dir / "202404.txt").size(), 5u + 9u);

    const auto l = lines(log);
    EXPECT_EQ(std::count_if(l.begin(), l.end(), [](const std::string& s) { return s[0] == ';'; }), 5);
    EXPECT_EQ(l.size(), 5u + 3u * 9u);  // r, and per scale a "w" and one "wc" line

    ProcessState back;
    ASSERT_TRUE(load_process(back, dir.path(), "202403", "WZ/5", "2024-03-05 07:00:00"));
    EXPECT_EQ(back.r.stop_time, at(2024, 3, 5, 8, 0, 0));
    EXPECT_DOUBLE_EQ(back.r.curr_weight, 100);
    ASSERT_TRUE(load_process(back, dir.path(), "202403", "WZ/5", "2024-03-06 07:00:00"));
    EXPECT_DOUBLE_EQ(back.r.curr_weight, 300);

    auto r_lines = read_process_lines(log);
    ASSERT_TRUE(r_lines);
    ASSERT_EQ(r_lines->size(), 3u);
    EXPECT_EQ(tab_field((*r_lines)[1], 3), "2024-03-05 09:00:00");
    EXPECT_FALSE(read_process_lines(dir / "202405.txt"));
}

TEST_F(ProcessFileTest, MissingFileAndMissingRecordAreReportedAndChangeNothing) {
    ProcessState p;
    p.r.weight_doc = "stare";
    const ProcessState before = p;
    auto missing = load_process(p, dir.path(), "202401", "WZ/1", "2024-01-01 00:00:00");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().what, "Brak pliku z danymi:\r" + (dir / "202401.txt").string());

    ProcessState logged;
    logged.r.weight_doc = "WZ/1";
    logged.r.start_time = at(2024, 1, 2, 3, 4, 5);
    ASSERT_TRUE(save_process(logged, settings, dir / "202401.txt", true));
    auto not_found = load_process(p, dir.path(), "202401", "WZ/1", "2024-01-02 03:04:06");
    ASSERT_FALSE(not_found);
    EXPECT_EQ(not_found.error().what,
              "Brak pliku dokumentu WZ:\rWZ/1\rw pliku z danymi: \r" + (dir / "202401.txt").string());
    EXPECT_EQ(p, before);
}

TEST_F(ProcessFileTest, ConversionErrorKeepsTheRecordsAsTheyWere) {
    ProcessState p = full_process();
    const ProcessState before = p;
    auto write_status = [&](const std::string& r_line, const std::string& w_line) {
        ASSERT_TRUE(text_file::write_lines(status_file_path(dir.path()), {r_line, w_line}));
    };
    const std::string good_r = "r\tWZ/9\t2024-03-05 07:08:09\t---\t1\t1\t1\t5.0\t5.0\tR\tKOWALSKI\tJAN";
    const std::string good_w = "w\t1\t1\t1\t1\t1\t1\t0\t1\t0\t0";
    struct Case {
        std::string r, w, message;
    };
    const std::vector<Case> cases = {
        {good_r, "w\t1\t1\t1\t1\t1\tx1\t0\t1\t0\t0", "'x1' is not a valid integer value"},
        {good_r, "w\t1\t1,5\t1\t\t1\t1\t0\t1\t0\t0", "'' is not a valid floating point value"},
        {"r\tWZ/9\t2024-13-05 07:08:09\t---\t1\t1\t1\t5.0\t5.0", good_w, "Invalid argument to date encode"},
        {"r\tWZ/9\t2024-02-30 07:08:09\t---\t1\t1\t1\t5.0\t5.0", good_w, "Invalid argument to date encode"},
        {"r\tWZ/9\t2024-03-05 24:08:09\t---\t1\t1\t1\t5.0\t5.0", good_w, "Invalid argument to time encode"},
        {"r\tWZ/9\t2024-03-05 07:08\t---\t1\t1\t1\t5.0\t5.0", good_w, "'' is not a valid integer value"},
        {"r\tWZ/9\t---\tjutro\t1\t1\t1\t5.0\t5.0", good_w, "'jutr' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        write_status(c.r, c.w);
        auto read = load_process(p, dir.path(), "0");
        ASSERT_FALSE(read) << c.message;
        EXPECT_EQ(read.error().what, c.message);
        EXPECT_EQ(p, before) << c.message;
    }
    write_status(good_r, "w\t1\t1,5\t1\t1\t1\t1\t0\t1\t0\t0");
    ASSERT_TRUE(load_process(p, dir.path(), "0"));
    EXPECT_DOUBLE_EQ(p.w[1].curr_total_weight, 1.5);  // a comma reads as well
    EXPECT_EQ(p.r.user_name, "JAN");
}

TEST_F(ProcessFileTest, LinesOutsideTheRecordsAreSkippedAndCountsClamped) {
    ASSERT_TRUE(text_file::write_lines(
        status_file_path(dir.path()),
        {"r\tWZ/2\t---\t---\t0\t15\t15\t1\t1\t\tNIKT\t", "w\t5\t1\t1\t1\t1\t1\t0\t1\t0\t0",
         "w\t2\t1\t1\t1\t1\t12\t0\t10\t7\t0", "wm\t2\t8\tObcy\t1\t1\t1\t1", "wm\t0\t1\tObcy\t1\t1\t1\t1",
         "wm\t2\t7\tSwój\t1\t1\t1\t1", "wmc\t2\t7\t10\t9", "wmc\t2\t7\t9\t4", "wc\t2\t0\t1\t1",
         "wc\t-1\t1\t1\t1", "xyz\tcokolwiek", ""}));
    ProcessState p;
    ASSERT_TRUE(load_process(p, dir.path(), "0"));
    EXPECT_EQ(p.r.curr_cycle, 1);
    EXPECT_EQ(p.r.total_cycle, 9);
    EXPECT_EQ(p.r.total_cycle_init, 15);
    EXPECT_EQ(p.w[2].max_material, 7);
    EXPECT_EQ(p.w[2].curr_cycle, 9);
    EXPECT_EQ(p.w[2].curr_cycle_status, cycle_status::NOT_STARTED);
    EXPECT_EQ(p.w[2].m[7].material_name, "Swój");
    EXPECT_DOUBLE_EQ(p.w[2].m[7].curr_weight[9], 4);
    EXPECT_EQ(p.w[1], ProcessState{}.w[1]);
}

TEST_F(ProcessFileTest, FailedStatusWriteKeepsTheOldFile) {
    ProcessState first;
    first.r.weight_doc = "PIERWSZY";
    ASSERT_TRUE(save_process(first, settings, status_file_path(dir.path()), false));
    const std::string old_bytes = testing::read_bytes(status_file_path(dir.path()));
    ProcessState second;
    second.r.weight_doc = "DRUGI";
    for (auto faults : {text_file::Faults{true, -1, false}, text_file::Faults{false, 7, false},
                        text_file::Faults{false, -1, true}}) {
        text_file::inject_faults(faults);
        EXPECT_FALSE(save_process(second, settings, status_file_path(dir.path()), false));
        text_file::reset_faults();
        EXPECT_EQ(testing::read_bytes(status_file_path(dir.path())), old_bytes);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "pomiary_tmp.txt"));
}

}  // namespace
}  // namespace wazenie
