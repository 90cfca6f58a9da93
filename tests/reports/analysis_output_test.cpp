#include "reports/analysis_output.h"

#include "fakes/scratch_dir.h"
#include "reports/water_cement_output.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

constexpr DateTime kNow = 45356.5;  // 2024-03-05 12:00

// Two processes: cement on two scales (one dose above its 3 %), a plasticiser exactly at its 5 %, and
// water with a target of 0; a recipe and a client whose names need quoting in CSV.
class AnalysisOutputTest : public ::testing::Test {
protected:
    AnalysisOutputTest() {
        a.processes.append({{"WZ/1/24", "2024-03-04 07:00:00", "2024-03-04 07:40:00", "B20; S3", "BUDEX"},
                            {"WZ/2/24", "2024-03-05 08:00:00", "2024-03-05 08:30:00", "B25", "Firma \"X\""}});
        a.material_names = {"Cement", "Plastyfikator", "Woda"};
        a.material_tolerances = {3, 5, 3};
        a.doses.append(
            {{0, 0, 1, 1, 300, 309.5}, {0, 1, 2, 1, 2.0, 2.1}, {1, 0, 2, 1, 300, 298}, {1, 2, 1, 1, 0, 0.5}});
        a.consumption = {{"Cement", 1, 300, 309.5, 1}, {"Cement", 2, 300, 298, 1},
                         {"Cement", 0, 600, 607.5, 2}, {"Plastyfikator", 2, 2, 2.1, 1},
                         {"Woda", 1, 0, 0.5, 1},       {"RAZEM:", 0, 602, 610.1, 2}};
        a.accuracy = {{"Cement", 3, 2, 2, 1.25, 2.71, 3.1667, 1},
                      {"Plastyfikator", 5, 1, 1, 5, 0, 5, 0},
                      {"Woda", 3, 1, 0, 0, 0, 0, 0}};
        a.days = {{"2024-03-04", 311.6, 1}, {"2024-03-05", 298.5, 1}};
        a.mass_precision = 1;
    }

    AnalysisSheet sheet() { return {query, a}; }
    std::vector<std::string> lines(AnalysisView view) {
        return analysis_document(sheet(), view, kNow, false).plain_lines();
    }

    ReportQuery query{"2024-03-01", "2024-03-31", "", "B2"};
    ProductionAnalysis a;
};

TEST_F(AnalysisOutputTest, CsvOfEachViewByteForByte) {
    EXPECT_EQ(analysis_csv(sheet(), AnalysisView::Consumption),
              "\xEF\xBB\xBFMateriał;Waga;Zadane [kg];Dozowane [kg];Różnica [kg];Procesy\r\n"
              "Cement;1;300,0;309,5;9,5;1\r\n"
              "Cement;2;300,0;298,0;-2,0;1\r\n"
              "Cement;razem;600,0;607,5;7,5;2\r\n"
              "Plastyfikator;2;2,0;2,1;0,1;1\r\n"
              "Woda;1;0,0;0,5;0,5;1\r\n"
              "RAZEM:;;602,0;610,1;8,1;2\r\n");
    EXPECT_EQ(
        analysis_csv(sheet(), AnalysisView::Accuracy),
        "\xEF\xBB\xBFNr WZ;Rozpoczęcie;Zakończenie;Receptura;Klient - skrót;Waga;Materiał;Cykl;Zadane [kg];"
        "Dozowane [kg];Różnica [kg];Odch. [%];Tolerancja [%];Poza tolerancją\r\n"
        "WZ/1/24;2024-03-04 07:00:00;2024-03-04 07:40:00;\"B20; S3\";BUDEX;1;Cement;1;300,0;309,5;9,5;3,17;"
        "3,00;TAK\r\n"
        "WZ/1/24;2024-03-04 07:00:00;2024-03-04 07:40:00;\"B20; S3\";BUDEX;2;Plastyfikator;1;2,0;2,1;0,1;"
        "5,00;5,00;\r\n"
        "WZ/2/24;2024-03-05 08:00:00;2024-03-05 08:30:00;B25;\"Firma \"\"X\"\"\";2;Cement;1;300,0;298,0;-2,0;"
        "-0,67;3,00;\r\n"
        "WZ/2/24;2024-03-05 08:00:00;2024-03-05 08:30:00;B25;\"Firma "
        "\"\"X\"\"\";1;Woda;1;0,0;0,5;0,5;;3,00;\r\n");
    EXPECT_EQ(analysis_csv(sheet(), AnalysisView::Daily),
              "\xEF\xBB\xBF"
              "Data;Dozowane [kg];Procesy\r\n2024-03-04;311,6;1\r\n2024-03-05;298,5;1\r\nRAZEM:;610,1;2\r\n");
}

TEST_F(AnalysisOutputTest, ConsumptionDocumentHasTheHeadingAndRightAlignedNumbers) {
    const std::vector<std::string> expected = {
        "Zużycie materiałów w dniach: 2024-03-01 - 2024-03-31",
        "Data sporządzenia raportu: 2024/03/05, 12:00.00",
        "Kryteria:",
        "Receptura: B2",
        "",
        "Materiał       Waga Zadane [kg] Dozowane [kg] Różnica [kg] Procesy",
        "",
        "Cement            1       300.0         309.5          9.5       1",
        "Cement            2       300.0         298.0         -2.0       1",
        "Cement        razem       600.0         607.5          7.5       2",
        "Plastyfikator     2         2.0           2.1          0.1       1",
        "Woda              1         0.0           0.5          0.5       1",
        std::string(66, ' '),
        "RAZEM:                    602.0         610.1          8.1       2",
        "",
        "Koniec raportu."};
    EXPECT_EQ(lines(AnalysisView::Consumption), expected);

    const PrintDocument printed = analysis_document(sheet(), AnalysisView::Daily, kNow, true);
    EXPECT_EQ(printed.title, "Produkcja dzienna 2024/03/05, 12:00.00");
    EXPECT_EQ(printed.orientation, PageOrientation::Landscape);
    EXPECT_EQ(printed.plain_lines().at(4), "        Produkcja dzienna w dniach: 2024-03-01 - 2024-03-31");
}

TEST_F(AnalysisOutputTest, AccuracyDocumentListsTheDosesOutsideTheirTolerance) {
    const auto shown = lines(AnalysisView::Accuracy);
    const std::vector<std::string> tail(shown.begin() + 5, shown.end());
    const std::vector<std::string> expected = {
        "Materiał      Dawki Średnia odch. [%] Odch. std. [%] Największa odch. [%] Tolerancja [%] Poza tol.",
        "",
        "Cement            2              1.25           2.71                 3.17           3.00         1",
        "Plastyfikator     1              5.00           0.00                 5.00           5.00         0",
        "Woda              1                                                                 3.00         0",
        "",
        "Dawki poza tolerancją:",
        "Nr WZ   Rozpoczęcie         Receptura Waga Materiał Cykl Zadane [kg] Dozowane [kg] Różnica [kg] "
        "Odch. [%]",
        "",
        "WZ/1/24 2024-03-04 07:00:00 B20; S3      1 Cement      1       300.0         309.5          9.5     "
        " 3.17",
        "",
        "Koniec raportu."};
    EXPECT_EQ(tail, expected);

    std::vector<Dose> but_the_first(std::next(a.doses.begin()), a.doses.end());
    a.doses = RunList<Dose>();
    a.doses.append(std::move(but_the_first));
    EXPECT_EQ(lines(AnalysisView::Accuracy).at(12), "Brak.");
    a.processes = RunList<AnalysedProcess>();
    EXPECT_EQ(lines(AnalysisView::Accuracy).at(5), "<brak pomiarów>");
}

// Cement and water have kinds, the plasticiser none.
TEST_F(AnalysisOutputTest, KindsNarrowTheViewsTotalTheConsumptionAndGiveTheWaterCementView) {
    MaterialKinds kinds;
    kinds.set("cement", MaterialKind::cement);
    kinds.set("Woda", MaterialKind::water);
    EXPECT_TRUE(consumption_by_kind(a, {}).empty());
    KindViews views{MaterialKind::none, consumption_by_kind(a, kinds), {}};
    const AnalysisSheet with_kinds{query, a, &views};
    const auto consumption =
        analysis_document(with_kinds, AnalysisView::Consumption, kNow, false).plain_lines();
    const std::vector<std::string> tail(consumption.end() - 9, consumption.end());
    const std::vector<std::string> expected = {"",
                                               "Zużycie według rodzajów:",
                                               "Rodzaj      Zadane [kg] Dozowane [kg] Różnica [kg]",
                                               "",
                                               "cement            600.0         607.5          7.5",
                                               "woda                0.0           0.5          0.5",
                                               "bez rodzaju         2.0           2.1          0.1",
                                               "",
                                               "Koniec raportu."};
    EXPECT_EQ(tail, expected);

    const ProductionAnalysis cement = analysis_of_kind(a, kinds, MaterialKind::cement);
    ASSERT_EQ(cement.consumption.size(), 4u);
    EXPECT_EQ(cement.consumption[2].scale, 0);
    const ConsumptionRow& total = cement.consumption.back();
    EXPECT_EQ(total.material_name, "RAZEM:");
    EXPECT_DOUBLE_EQ(total.target, 600);
    EXPECT_DOUBLE_EQ(total.dosed, 607.5);
    EXPECT_EQ(total.processes, 2);
    ASSERT_EQ(cement.accuracy.size(), 1u);
    EXPECT_EQ(cement.accuracy[0].material_name, "Cement");
    ASSERT_EQ(cement.doses.size(), 2u);
    EXPECT_EQ(cement.doses[1].process, 1u);
    EXPECT_EQ(cement.days.size(), 2u);
    views = {MaterialKind::cement, {}, {}};
    const auto accuracy = analysis_document({query, cement, &views}, AnalysisView::Accuracy, kNow, false);
    EXPECT_EQ(accuracy.plain_lines().at(4), "Rodzaj materiałów: cement");

    views.water_cement = {{{"WZ/1/24", "2024-03-04 07:00:00", "B20", "BUDEX", 300, 180, 0.6},
                           {"WZ/2/24", "2024-03-05 08:00:00", "B25", "Firma \"X\"", 250, 112.5, 0.45}},
                          0.525,
                          0.6};
    EXPECT_EQ(analysis_csv(with_kinds, AnalysisView::WaterCement),
              "\xEF\xBB\xBFNr WZ;Rozpoczęcie;Receptura;Klient;Cement [kg];Woda efektywna [kg];w/c\r\n"
              "WZ/1/24;2024-03-04 07:00:00;B20;BUDEX;300,0;180,0;0,60\r\n"
              "WZ/2/24;2024-03-05 08:00:00;B25;\"Firma \"\"X\"\"\";250,0;112,5;0,45\r\n");
    const auto water_cement =
        analysis_document(with_kinds, AnalysisView::WaterCement, kNow, false).plain_lines();
    EXPECT_EQ(water_cement.at(0), "Wskaźnik woda/cement w dniach: 2024-03-01 - 2024-03-31");
    EXPECT_EQ(water_cement.at(water_cement.size() - 3), "Średnio w/c: 0.53, największe: 0.60");
    views.water_cement = {};
    EXPECT_EQ(analysis_document(with_kinds, AnalysisView::WaterCement, kNow, false).plain_lines().at(5),
              kNoWaterCement);
}

TEST_F(AnalysisOutputTest, CsvFileKeepsTheBytesAndAFailedWriteLeavesTheOldFile) {
    testing::ScratchDir dir;
    const auto file = dir / "zużycie.csv";
    const std::string bytes = analysis_csv(sheet(), AnalysisView::Daily);
    ASSERT_TRUE(write_csv_file(file, "stara treść"));
    ASSERT_TRUE(write_csv_file(file, bytes));
    EXPECT_EQ(testing::read_bytes(file), bytes);

    text_file::inject_faults({.fail_rename = true});
    EXPECT_FALSE(write_csv_file(file, "nowa"));
    text_file::reset_faults();
    EXPECT_EQ(testing::read_bytes(file), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace wazenie
