#include "comm/exchange_log.h"
#include "station/in_flight_correction.h"
#include "station/line_exchange.h"
#include "station/station_rig.h"
#include "station/window_model.h"
#include "storage/batch_card.h"
#include "storage/learned_corrections.h"
#include "storage/month_log.h"
#include "storage/text_file.h"
#include "storage/tolerances.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

// Scale 1 alone, whole kilograms, M1 = 100 kg and M2 = 50 kg a cycle, meters that land `in_flight`
// more than sent.
struct CorrectionRig : StationRig {
    CorrectionRig(int cycles, double in_flight, CorrectionSettings correction = {true, false, 0.3, 10}) {
        station.settings().correction = correction;
        edit([](ProcessState& q) { q.w[1].precision = 0; });
        enable_only({1});
        set_cycles(cycles);
        give_recipe(1, {100, 50});
        meters.scales[1].in_flight = in_flight;
    }

    // Runs cycle by cycle; the masses each recipe transfer carried.
    std::vector<std::vector<double>> run() {
        std::vector<std::vector<double>> sent;
        station.start_process();
        int seen = 0;
        run_until([&] {
            if (meters.scales[1].recipes > seen) {
                seen = meters.scales[1].recipes;
                sent.push_back({meters.scales[1].masses[0], meters.scales[1].masses[1]});
            }
            return p.r.stop_time != 0;
        });
        return sent;
    }

    std::vector<std::string> file() const {
        auto lines = text_file::read_lines(corrections_file_path(dir.path()));
        return lines ? *lines : std::vector<std::string>{};
    }
    int notes(const std::string& part) {
        int n = 0;
        for (const std::string& line : station.exchange_log().lines()) {
            n += line.find(part) != std::string::npos ? 1 : 0;
        }
        return n;
    }
};

using Sent = std::vector<std::vector<double>>;

TEST(InFlightCorrection, TheFirstDoseIsTakenWholeAndLaterOnesAreDamped) {
    CorrectionRig rig(3, 4);
    EXPECT_EQ(rig.run(), (Sent{{100, 50}, {96, 46}, {96, 46}}));
    EXPECT_EQ(rig.file(), (std::vector<std::string>{"1\tM1\t4\t3", "1\tM2\t4\t3"}));
    // The records keep the recipe's targets; what was sent shows in the row's tooltip.
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[1].recipe_weight_c1, 100);
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[1].curr_weight[3], 100);
    const ScaleView view =
        scale_view(rig.p, 1, 2, ScaleButton::none, Tolerances{}, &rig.station.correction().sent(1));
    EXPECT_EQ(view.materials[0].sent, "wysłano: 96 kg (korekta -4 kg)");
    // The batch card keeps what each frame carried.
    const auto cards = read_batch_cards(
        batch_card_path(rig.dir.path(), *log_month(month_log_path(rig.dir.path(), rig.clock.now()))));
    ASSERT_TRUE(cards && cards->cards.size() == 1);
    ASSERT_EQ(cards->cards[0].sent.size(), 6u);
    EXPECT_EQ(cards->cards[0].sent[2], (SentMass{1, 1, 2, 100, 96}));

    // A new screw lands 10 kg: 0.7 * 4 + 0.3 * 10 = 5.8, kept with the scale's precision.
    CorrectionRig next(1, 10);
    ASSERT_TRUE(text_file::replace_atomically(corrections_file_path(next.dir.path()),
                                              next.dir.path() / "w.tmp", {"1\tM1\t4\t3"}));
    EXPECT_EQ(next.run(), (Sent{{96, 50}}));
    EXPECT_EQ(next.file(), (std::vector<std::string>{"1\tM1\t6\t4", "1\tM2\t10\t1"}));
}

TEST(InFlightCorrection, CorrectionsAndObservationsAreHeldWithinTheirLimits) {
    // 5 % of 100 kg: a learned 8 kg is sent as 5 kg less; 12 kg more than sent lies past 10 kg.
    CorrectionRig rig(1, 12, {true, false, 0.3, 5});
    ASSERT_TRUE(text_file::replace_atomically(corrections_file_path(rig.dir.path()), rig.dir.path() / "w.tmp",
                                              {"1\tM1\t8\t2"}));
    EXPECT_EQ(rig.run(), (Sent{{95, 50}}));
    EXPECT_EQ(rig.file(), (std::vector<std::string>{"1\tM1\t8\t2"}));
    EXPECT_EQ(rig.notes("korekta wagi 1, M1: nie uczono (doszło +12 kg, więcej niż ±10 kg)"), 1);
    EXPECT_EQ(rig.notes("korekta wagi 1, M2: nie uczono (doszło +12 kg, więcej niż ±5 kg)"), 1);
}

TEST(InFlightCorrection, ADoseTheOperatorOrTheLineInterruptedTeachesNothing) {
    for (const bool whole_system : {true, false}) {
        CorrectionRig paused(1, 4);
        paused.meters.scales[1].held = true;
        paused.station.start_process();
        ASSERT_TRUE(paused.run_until([&] { return paused.meters.scales[1].starts == 1; }));
        if (whole_system) {
            paused.station.pause_process();
        } else {
            paused.station.click_scale_button(1, ScaleButton::pause);
        }
        paused.tick(20);
        paused.meters.scales[1].held = false;
        ASSERT_TRUE(paused.run_until_finished());
        EXPECT_TRUE(paused.file().empty());
        EXPECT_EQ(paused.notes("nie uczono (pauza)"), 2) << whole_system;
    }

    CorrectionRig lost(1, 4);
    lost.meters.scales[1].held = true;
    lost.station.start_process();
    ASSERT_TRUE(lost.run_until([&] { return lost.meters.scales[1].starts == 1; }));
    lost.meters.scales[1].answers = false;
    ASSERT_TRUE(lost.run_until([&] { return scale_lost(lost.p, 1); }));
    lost.meters.scales[1].answers = true;
    lost.meters.scales[1].held = false;
    ASSERT_TRUE(lost.run_until_finished());
    EXPECT_TRUE(lost.file().empty());
    EXPECT_EQ(lost.notes("nie uczono (brak połączenia z wagą)"), 2);
}

TEST(InFlightCorrection, ADamagedFileIsKeptAndLearningStartsAgain) {
    CorrectionRig rig(1, 4);
    const auto file = corrections_file_path(rig.dir.path());
    ASSERT_TRUE(text_file::replace_atomically(file, rig.dir.path() / "w.tmp", {"1\tM1\tcztery\t3"}));
    rig.station.correction().load();
    ASSERT_EQ(rig.count_messages("ostrzeżenie: Plik " + file.string() + " nie daje się odczytać (linia 1"),
              1);
    EXPECT_EQ(rig.run(), (Sent{{100, 50}}));
    EXPECT_EQ(rig.file(), (std::vector<std::string>{"1\tM1\t4\t1", "1\tM2\t4\t1"}));
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(rig.dir.path())) {
        kept += entry.path().filename().string().rfind("korekty-uszkodzony-", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(kept, 1);
}

TEST(InFlightCorrection, TheLastCycleMakesUpTheOrderWithinItsLimit) {
    // Without the correction: 2 x 104 kg dosed, the last cycle asked 92 kg, held to 95 kg.
    CorrectionRig make_up(3, 4, {false, true, 0.3, 5});
    EXPECT_EQ(make_up.run(), (Sent{{100, 50}, {100, 50}, {95, 48}}));
    EXPECT_DOUBLE_EQ(make_up.p.w[1].m[1].recipe_weight_c1, 100);
    EXPECT_TRUE(make_up.file().empty());

    // With it: 104 + 100 kg dosed, the last cycle's 96 kg sent 4 kg early: the order comes out whole.
    CorrectionRig both(3, 4, {true, true, 0.3, 10});
    EXPECT_EQ(both.run(), (Sent{{100, 50}, {96, 46}, {92, 42}}));
    EXPECT_DOUBLE_EQ(both.p.w[1].m[1].curr_total_weight, 300);
    EXPECT_DOUBLE_EQ(both.p.w[1].m[2].curr_total_weight, 150);
}

TEST(InFlightCorrection, ANothingDoseIsSentAsNothingAndOffChangesNothing) {
    CorrectionRig zero(1, 4);
    zero.give_recipe(1, {100, 0});
    EXPECT_EQ(zero.run(), (Sent{{100, 0}}));
    EXPECT_EQ(zero.file(), (std::vector<std::string>{"1\tM1\t4\t1"}));

    CorrectionRig off(2, 4, {});
    EXPECT_EQ(off.run(), (Sent{{100, 50}, {100, 50}}));
    EXPECT_FALSE(std::filesystem::exists(corrections_file_path(off.dir.path())));
    EXPECT_EQ(off.notes("korekta"), 0);
}

}  // namespace
}  // namespace wazenie::testing
