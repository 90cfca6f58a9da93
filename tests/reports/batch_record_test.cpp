#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "reports/batch_record_document.h"
#include "reports/wz_document.h"
#include "storage/date_time.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const DateTime kNow = *parse_date_time("2024-03-05 07:08:09");

void set_material(weight_record& w, int j, const std::string& name, double c1, double clast,
                  std::array<double, 3> dosed) {
    material_record& m = w.m[j];
    m.material_name = name;
    m.recipe_weight_c1 = c1;
    m.recipe_weight_clast = clast;
    m.recipe_total_weight = 3 * c1 + clast;
    for (int c = 1; c <= 3; ++c) {
        m.curr_weight[c] = dosed[static_cast<std::size_t>(c - 1)];
        m.curr_total_weight += m.curr_weight[c];
    }
    w.max_material = std::max(w.max_material, j);
    w.curr_total_weight += m.curr_total_weight;
}

// Three cycles: sand at 5 % moisture (3000 kg dry, 3150 kg wet) whose water is taken off the water
// (450 kg dry, 300 kg wet), and cement held to 2 %; the correction sent the sand and the cement.
class BatchRecordTest : public ::testing::Test {
protected:
    BatchRecordTest() {
        p.r.weight_doc = "WZ/7/24";
        p.r.recipe_name = "B20";
        p.r.recipe_client = "BUDEX";
        p.r.client_full_name = "Budex Sp. z o.o.";
        p.r.user_name = "JAN";
        p.r.start_time = *parse_date_time("2024-03-05 06:00:00");
        p.r.stop_time = *parse_date_time("2024-03-05 06:45:30");
        p.r.total_cycle = 3;
        set_material(p.w[1], 1, "Piasek 0-2", 1049, 3, {1052, 1045, 1050});
        p.w[2].precision = 1;
        set_material(p.w[2], 1, "Cement", 300, 0, {300.5, 299, 310});
        p.w[3].precision = 1;
        set_material(p.w[3], 1, "Woda", 100, 0, {100, 99.5, 101});
        card.weight_doc = p.r.weight_doc;
        card.start = "2024-03-05 06:00:00";
        card.materials = {{1, 1, "Piasek 0-2", MaterialKind::aggregate, 3000, 5, 3150},
                          {2, 1, "Cement", MaterialKind::cement, 900, 0, 900},
                          {3, 1, "Woda", MaterialKind::water, 450, 0, 300}};
        card.sent = {{1, 1, 1, 1049, 1047}, {1, 1, 2, 1049, 1046}, {1, 1, 3, 1052, 1050},
                     {2, 1, 1, 300, 299},   {2, 1, 2, 300, 300.5}, {2, 1, 3, 300, 301}};
        settings.total_precision = 1;
        settings.ini.set(kIssuerSection, "linia1", "Betoniarnia Łęczyca");
        settings.ini.set(kIssuerSection, "linia3", "ul. Żytnia 1");
        settings.ini.set("Tolerancje", "Cement", "2");
        kinds.set("Piasek 0-2", MaterialKind::aggregate);
        kinds.set("Cement", MaterialKind::cement);
        kinds.set("Woda", MaterialKind::water);
    }

    ProcessState p;
    BatchCard card;
    Settings settings;
    MaterialKinds kinds;
};

// Water 300.5 kg and 3147 * 5 / 105 kg from the sand over 909.5 kg of cement: 0.495.
TEST_F(BatchRecordTest, ThreeCyclesWithMoistureAndCorrectionPrintLineByLine) {
    RecipeDescription description;
    description.wc_maks = 0.5;
    const PrintDocument doc =
        batch_record_document(batch_record(p, &card, settings, kinds, description), kNow, 2);
    EXPECT_EQ(doc.orientation, PageOrientation::Landscape);
    EXPECT_EQ(doc.title, "Karta_zarobu 2024/03/05, 07:08.09 c2");
    const std::vector<std::string> expected = {
        "  Karta zarobu",
        "",
        "  Dokument WZ nr:  WZ/7/24                                        Początek:        2024/03/05, "
        "06:00.00",
        "  Receptura:       B20                                            Koniec:          2024/03/05, "
        "06:45.30",
        "  Klient:          Budex Sp. z o.o.                               Operator:        JAN",
        "  Wytwórnia:       Betoniarnia Łęczyca                            Masa całkowita:  4357.0 kg",
        "                   ul. Żytnia 1                                   Liczba cykli:    3",
        "                                                                  Data wydruku:    2024/03/05, "
        "07:08",
        "",
        "  W Materiał              Cykl      Sucha  Wilg. %     Zadana    Wysłano   Dozowano  Odch. kg  "
        "Odch. "
        "%  Tol. %  W tol.",
        "",
        "  1 Piasek 0-2               1        999     5.00       1049       1047       1052        +3     "
        "+0.3"
        "       3     tak",
        "                             2        999     5.00       1049       1046       1045        -4     "
        "-0.4"
        "       3     tak",
        "                             3       1002     5.00       1052       1050       1050        -2     "
        "-0.2"
        "       3     tak",
        "                         razem       3000     5.00       3150       3143       3147        -3     "
        "-0.1"
        "       3     tak",
        "",
        "  2 Cement                   1      300.0     0.00      300.0      299.0      300.5      +0.5     "
        "+0.2"
        "       2     tak",
        "                             2      300.0     0.00      300.0      300.5      299.0      -1.0     "
        "-0.3"
        "       2     tak",
        "                             3      300.0     0.00      300.0      301.0      310.0     +10.0     "
        "+3.3"
        "       2     NIE",
        "                         razem      900.0     0.00      900.0      900.5      909.5      +9.5     "
        "+1.1"
        "       2     tak",
        "",
        "  3 Woda                     1      150.0     0.00      100.0      100.0      100.0       0.0      "
        "0.0"
        "       3     tak",
        "                             2      150.0     0.00      100.0      100.0       99.5      -0.5     "
        "-0.5"
        "       3     tak",
        "                             3      150.0     0.00      100.0      100.0      101.0      +1.0     "
        "+1.0"
        "       3     tak",
        "                         razem      450.0     0.00      300.0      300.0      300.5      +0.5     "
        "+0.2"
        "       3     tak",
        "",
        "  Masy w kg; sucha: przed doliczeniem wilgotności kruszywa, wysłano: do miernika.",
        "  w/c: 0,50 (maks. 0,50) — zgodne",
    };
    EXPECT_EQ(doc.plain_lines(), expected);
}

TEST_F(BatchRecordTest, TheRatioIsJudgedAsPrintedAndLeftOutWithoutKinds) {
    RecipeDescription description;
    EXPECT_EQ(water_cement_verdict(batch_record(p, &card, settings, kinds, description)),
              "w/c: 0,50 (bez w/c maks.)");
    description.wc_maks = 0.49;
    EXPECT_EQ(water_cement_verdict(batch_record(p, &card, settings, kinds, description)),
              "w/c: 0,50 (maks. 0,49) — PRZEKROCZONE");
    EXPECT_EQ(water_cement_verdict(batch_record(p, &card, settings, {}, description)), "");
}

// Without a card (nothing was counted) the record stands on the log alone; a card file whose block
// does not read is named, since the process's card may have been in it.
TEST_F(BatchRecordTest, AProcessWithoutACardIsRecordedFromItsLog) {
    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    const auto alone = logged_batch_record(dir.path(), "202403", p, settings, dialogs);
    ASSERT_TRUE(alone);
    EXPECT_TRUE(dialogs.journal.empty());
    const auto lines = batch_record_document(*alone, kNow, 1).plain_lines();
    EXPECT_EQ(lines[12],
              "                             2       1049     0.00       1049       1049       1045        -4 "
              "    -0.4"
              "       3     tak");
    EXPECT_EQ(lines.back(),
              "  Masy w kg; sucha: przed doliczeniem wilgotności kruszywa, wysłano: do miernika.");

    const auto cards = batch_card_path(dir.path(), "202403");
    ASSERT_TRUE(text_file::write_lines(cards, {"k\tWZ/7/24\t2024-03-05 06:00:00\tB20\t3", "km\t1"}));
    const auto damaged = logged_batch_record(dir.path(), "202403", p, settings, dialogs);
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->materials[0].cycles[0].dry, 1049);
    EXPECT_NE(dialogs.last().find("ostrzeżenie: Pominięto uszkodzone wiersze pliku " + cards.string()),
              std::string::npos);

    std::filesystem::remove(cards);
    std::filesystem::create_directory(cards);
    EXPECT_FALSE(logged_batch_record(dir.path(), "202403", p, settings, dialogs));
    EXPECT_EQ(dialogs.last(), "błąd: Błąd odczytu pliku z danymi:\r" + cards.string());
}

}  // namespace
}  // namespace wazenie
