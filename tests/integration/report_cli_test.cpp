#include <filesystem>
#include <string>

#include "fakes/scratch_dir.h"
#include "storage/batch_card.h"
#include "storage/date_time.h"
#include "storage/material_kinds.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/recipe_descriptions.h"
#include "storage/settings.h"
#include "storage/text_file.h"

#include <QProcess>

#include <gtest/gtest.h>

#ifdef WAZENIE_CLI

namespace wazenie {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exit_code = -1;
    std::string out;
    std::string errors;
};

class ReportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(DEMO_DATA, data.path(), fs::copy_options::recursive);
        ProcessState p;
        p.r.weight_doc = "WZ/8/24";
        p.r.start_time = *parse_date_time("2024-03-04 07:00:00");
        p.r.stop_time = *parse_date_time("2024-03-04 07:40:00");
        p.r.recipe_name = "B20 łąka";
        p.r.recipe_client = "BUDREX";
        p.r.user_name = "ŻANETA";
        p.r.curr_weight = 1250;
        p.w[1].curr_total_weight = 1250;
        p.w[1].max_material = 1;
        p.w[1].m[1].material_name = "Żwir";
        p.w[1].m[1].curr_total_weight = 1250;
        ASSERT_TRUE(save_process(p, Settings{}, month_log_path(data.path(), "202403"), true));
    }

    // A completed process of one cycle on scale 1, its materials with their target and dosed mass.
    struct Material {
        std::string name;
        double target = 0;
        double dosed = 0;
    };
    void log_one_cycle(const std::string& doc, const std::string& start, const std::string& stop,
                       const std::string& recipe, const std::string& client,
                       const std::vector<Material>& materials) {
        ProcessState p;
        p.r.weight_doc = doc;
        p.r.start_time = *parse_date_time(start);
        p.r.stop_time = *parse_date_time(stop);
        p.r.recipe_name = recipe;
        p.r.recipe_client = client;
        p.r.total_cycle = p.r.curr_cycle = 1;
        p.w[1].precision = 1;
        p.w[1].curr_cycle = 1;
        p.w[1].curr_cycle_status = cycle_status::COMPLETED;
        for (const Material& m : materials) {
            material_record& logged = p.w[1].m[++p.w[1].max_material];
            logged.material_name = m.name;
            logged.recipe_weight_c1 = m.target;
            logged.curr_weight[1] = logged.curr_total_weight = m.dosed;
        }
        ASSERT_TRUE(save_process(p, Settings{}, month_log_path(data.path(), "202403"), true));
    }

    Outcome run(const QStringList& arguments) { return run_in(data.path(), arguments); }

    Outcome run_in(const fs::path& dir, const QStringList& arguments, const QString& output_file = {}) {
        QProcess cli;
        if (!output_file.isEmpty()) {
            cli.setStandardOutputFile(output_file);
        }
        cli.start(WAZENIE_CLI, QStringList{"--data", QString::fromStdString(dir.string())} + arguments);
        Outcome outcome;
        if (cli.waitForFinished(60000) && cli.exitStatus() == QProcess::NormalExit) {
            outcome.exit_code = cli.exitCode();
        }
        outcome.out = cli.readAllStandardOutput().toStdString();
        outcome.errors = cli.readAllStandardError().toStdString();
        return outcome;
    }

    testing::ScratchDir data;
};

TEST_F(ReportCliTest, ReportToTheTerminalAndToAFile) {
    auto shown = run({"report", "--from", "2024-03-01", "--to", "2024-03-31", "--client", "budrex"});
    ASSERT_EQ(shown.exit_code, 0) << shown.errors;
    EXPECT_EQ(shown.out.rfind("Raport naważań przeprowadzonych w dniach: 2024-03-01 - 2024-03-31\n", 0), 0u);
    EXPECT_NE(shown.out.find("\nKryteria:\nKlient: budrex\n"), std::string::npos);
    EXPECT_NE(shown.out.find(
                  "\nWZ/8/24         2024-03-04 07:00:00  2024-03-04 07:40:00       1250     1 B20 łąka"),
              std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("RAZEM:                    1250"), std::string::npos);

    const auto file = data / "raport.txt";
    auto saved = run({"report", "--from", "2024-03-01", "--to", "2024-03-31", "--output",
                      QString::fromStdString(file.string())});
    ASSERT_EQ(saved.exit_code, 0) << saved.errors;
    const std::string bytes = testing::read_bytes(file);
    EXPECT_NE(bytes.find("B20 \xb3\xb9ka"), std::string::npos);  // Windows-1250
    EXPECT_NE(bytes.find("\r\nKoniec raportu.\r\n"), std::string::npos);
}

TEST_F(ReportCliTest, ReversedDatesAndMissingRecordsExitWithTwo) {
    auto reversed = run({"report", "--from", "2024-03-05", "--to", "2024-03-04"});
    EXPECT_EQ(reversed.exit_code, 2);
    EXPECT_NE(reversed.errors.find("Data początkowa musi być wcześniejsza od końcowej."), std::string::npos);
    auto missing = run({"wz", "--month", "202403", "--doc", "WZ/8/24", "--start", "2024-03-04 07:00:01"});
    EXPECT_EQ(missing.exit_code, 2);
    EXPECT_NE(missing.errors.find("Brak pliku dokumentu WZ:"), std::string::npos);
    EXPECT_EQ(run({"wz", "--month", "2024-3", "--doc", "WZ/8/24", "--start", "x"}).exit_code, 2);
    EXPECT_EQ(run({"report", "--from", "2024-03-01"}).exit_code, 2);
}

TEST_F(ReportCliTest, AMissingDataFolderOrAnUnreadableLogIsAnErrorNotAnEmptyReport) {
    const QStringList range{"--from", "2024-01-01", "--to", "2024-12-31"};
    for (const fs::path& dir : {data / "brak", data / "konfig.ini"}) {
        for (const QString command : {"report", "zuzycie"}) {
            auto refused = run_in(dir, QStringList{command} + range);
            EXPECT_EQ(refused.exit_code, 2) << dir;
            EXPECT_EQ(refused.out, "");
            EXPECT_NE(refused.errors.find("błąd: Brak katalogu z danymi: " + dir.string()),
                      std::string::npos);
        }
    }
    fs::create_directory(data / "202402.txt");  // a log that cannot be read, for root as well
    for (const QString command : {"report", "produkcja"}) {
        auto unread = run(QStringList{command} + range);
        EXPECT_EQ(unread.exit_code, 5) << unread.errors;
        EXPECT_EQ(unread.out, "");
        EXPECT_NE(unread.errors.find("Błąd odczytu pliku z danymi:"), std::string::npos);
    }
}

TEST_F(ReportCliTest, ARecordWhoseStartDoesNotReadIsNamedAndListedAsTheWindowListsIt) {
    const auto log = month_log_path(data.path(), "202403");
    std::string bytes = testing::read_bytes(log);
    const std::string start = "r\tWZ/8/24\t2024-03-04";
    bytes.replace(bytes.find(start), start.size(), "r\tWZ/8/24\t2024-03-xx");
    testing::write_bytes(log, bytes);
    auto shown = run({"report", "--from", "2024-02-01", "--to", "2024-03-31"});
    EXPECT_EQ(shown.exit_code, 0) << shown.errors;
    EXPECT_NE(shown.errors.find("błąd: Błędna data rozpoczęcia naważania w pliku: dane/202403"),
              std::string::npos)
        << shown.errors;
    EXPECT_NE(shown.out.find("WZ/8/24         2024-03-xx 07:00:00"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("RAZEM:                    1250"), std::string::npos);
}

TEST_F(ReportCliTest, OutputThatCannotBeWrittenExitsWithFive) {
#ifdef __linux__
    auto full = run_in(data.path(), {"report", "--from", "2024-03-01", "--to", "2024-03-31"}, "/dev/full");
    EXPECT_EQ(full.exit_code, 5);
    EXPECT_NE(full.errors.find("błąd: Błąd zapisu na standardowe wyjście."), std::string::npos);
#endif
    const auto pdf = data / "brak" / "wz.pdf";
    auto rendered = run({"wz", "--doc", "WZ/8/24", "--pdf", QString::fromStdString(pdf.string())});
    EXPECT_EQ(rendered.exit_code, 5);
    EXPECT_NE(rendered.errors.find("Nie można zapisać pliku PDF: " + pdf.string()), std::string::npos);
}

TEST_F(ReportCliTest, WzWithoutMonthAndStartFindsTheLatestRecordOfTheNumber) {
    ProcessState p;
    p.r.weight_doc = "WZ/8/24";
    p.r.user_name = "NOWAK";
    for (const char* start : {"2024-04-02 08:00:00", "2024-04-02 09:00:00"}) {
        p.r.start_time = p.r.stop_time = *parse_date_time(start);
        ASSERT_TRUE(save_process(p, Settings{}, month_log_path(data.path(), "202404"), true));
        p.r.user_name = "KOWAL";
    }
    auto latest = run({"wz", "--doc", "WZ/8/24"});
    ASSERT_EQ(latest.exit_code, 0) << latest.errors;
    EXPECT_NE(latest.out.find("Operator:          KOWAL\n"), std::string::npos) << latest.out;
    auto missing = run({"wz", "--doc", "WZ/99/24"});
    EXPECT_EQ(missing.exit_code, 2);
    EXPECT_NE(missing.errors.find("błąd: Brak dokumentu WZ nr WZ/99/24"), std::string::npos);
    EXPECT_EQ(run({"wz", "--doc", "WZ/8/24", "--month", "202403"}).exit_code, 2);
}

TEST_F(ReportCliTest, WzAsTextAndAsPdf) {
    auto text = run({"wz", "--month", "202403", "--doc", "WZ/8/24", "--start", "2024-03-04 07:00:00"});
    ASSERT_EQ(text.exit_code, 0) << text.errors;
    EXPECT_NE(text.out.find("DOKUMENT  WZ  NR: WZ/8/24\n"), std::string::npos);
    EXPECT_NE(text.out.find("          Operator:          ŻANETA\n"), std::string::npos);
    EXPECT_NE(text.out.find("Przedsiębiorstwo Budowlane BUDREX Sp. z o.o."), std::string::npos);

    const auto pdf = data / "wz.pdf";
    auto rendered = run({"wz", "--month", "202403", "--doc", "WZ/8/24", "--start", "2024-03-04 07:00:00",
                         "--pdf", QString::fromStdString(pdf.string())});
    ASSERT_EQ(rendered.exit_code, 0) << rendered.errors;
    EXPECT_FALSE(fs::exists(pdf.string() + ".tmp"));
    QProcess reader;
    reader.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const std::string read = reader.readAllStandardOutput().toStdString();
    EXPECT_NE(read.find("Operator:          ŻANETA"), std::string::npos) << read;
    EXPECT_NE(read.find("DOKUMENT WZ NR: WZ/8/24"), std::string::npos);
}

// Found as wz finds a process; the card's moisture gives the dry target, the recipe's description the
// largest w/c; a card file that cannot be read is an error, not a record without moisture.
TEST_F(ReportCliTest, KartaAsTextAndAsPdf) {
    MaterialKinds kinds;
    kinds.set("Cement", MaterialKind::cement);
    kinds.set("Woda", MaterialKind::water);
    kinds.set("Żwir", MaterialKind::aggregate);
    ASSERT_TRUE(save_material_kinds(material_kinds_path(data.path()), kinds));
    RecipeDescriptions descriptions;
    descriptions.set("B30", {"C25/30", "", "", "", std::nullopt, 0.55, std::nullopt});
    ASSERT_TRUE(save_recipe_descriptions(recipe_descriptions_path(data.path()), descriptions));
    log_one_cycle("WZ/10/24", "2024-03-06 08:00:00", "2024-03-06 08:30:00", "B30", "BUDREX",
                  {{"Cement", 400, 400}, {"Woda", 150, 150}, {"Żwir", 1050, 1060}});
    const auto cards = batch_card_path(data.path(), "202403");
    ASSERT_TRUE(append_batch_card(cards, {"WZ/10/24",
                                          "2024-03-06 08:00:00",
                                          "B30",
                                          {{1, 3, "Żwir", MaterialKind::aggregate, 1000, 5, 1050}},
                                          {}}));

    auto text = run({"karta", "--doc", "WZ/10/24"});
    ASSERT_EQ(text.exit_code, 0) << text.errors;
    EXPECT_NE(text.out.find("  Karta zarobu\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  Receptura:       B30"), std::string::npos);
    EXPECT_NE(
        text.out.find(
            "  1 Żwir                     1       1000     5.00       1050       1050       1060       +10"),
        std::string::npos);
    // (150 + 1060 * 5 / 105) / 400
    EXPECT_NE(text.out.find("\n  w/c: 0,50 (maks. 0,55) — zgodne\n"), std::string::npos);
    EXPECT_EQ(run({"karta", "--doc", "WZ/99/24"}).exit_code, 2);
    EXPECT_EQ(run({"karta", "--doc", "WZ/10/24", "--month", "202403"}).exit_code, 2);

    const auto pdf = data / "karta.pdf";
    auto rendered = run({"karta", "--month", "202403", "--doc", "WZ/8/24", "--start", "2024-03-04 07:00:00",
                         "--pdf", QString::fromStdString(pdf.string())});
    ASSERT_EQ(rendered.exit_code, 0) << rendered.errors;
    QProcess reader;
    reader.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const std::string read = reader.readAllStandardOutput().toStdString();
    EXPECT_NE(read.find("Karta zarobu"), std::string::npos) << read;
    EXPECT_NE(read.find("ŻANETA"), std::string::npos) << read;

    fs::remove(cards);
    fs::create_directory(cards);
    auto unread = run({"karta", "--doc", "WZ/10/24"});
    EXPECT_EQ(unread.exit_code, 5);
    EXPECT_NE(unread.errors.find("Błąd odczytu pliku z danymi:"), std::string::npos) << unread.errors;
}

TEST_F(ReportCliTest, ProductionAnalysisAsTablesAndAsCsvWithTheTolerancesOfKonfigIni) {
    log_one_cycle("WZ/9/24", "2024-03-05 09:00:00", "2024-03-05 09:20:00", "B25", "", {{"Żwir", 1000, 1040}});

    auto consumption = run({"zuzycie", "--from", "2024-03-05", "--to", "2024-03-05"});
    ASSERT_EQ(consumption.exit_code, 0) << consumption.errors;
    EXPECT_NE(consumption.out.find("\nŻwir        1      1000.0        1040.0         40.0       1\n"),
              std::string::npos)
        << consumption.out;
    auto accuracy = run({"dokladnosc", "--from", "2024-03-01", "--to", "2024-03-31"});
    ASSERT_EQ(accuracy.exit_code, 0) << accuracy.errors;
    EXPECT_NE(accuracy.out.find("\nWZ/9/24 2024-03-05 09:00:00 B25          1 Żwir        1"),
              std::string::npos)
        << accuracy.out;

    ASSERT_TRUE(text_file::append_lines(data / "konfig.ini", {"[Tolerancje]", "Żwir=5"}));
    const auto csv = data / "dokładność.csv";
    auto saved = run({"dokladnosc", "--from", "2024-03-01", "--to", "2024-03-31", "--csv",
                      QString::fromStdString(csv.string())});
    ASSERT_EQ(saved.exit_code, 0) << saved.errors;
    const std::string bytes = testing::read_bytes(csv);
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBFNr WZ;", 0), 0u);
    EXPECT_NE(bytes.find(
                  "\r\nWZ/9/24;2024-03-05 09:00:00;2024-03-05 09:20:00;B25;;1;Żwir;1;1000,0;1040,0;40,0;4,00;"
                  "5,00;\r\n"),
              std::string::npos)
        << bytes;
    EXPECT_EQ(run({"produkcja", "--from", "2024-03-05", "--to", "2024-03-04"}).exit_code, 2);
}

// The process of SetUp doses gravel alone; one more doses cement, water and gravel at 5 % moisture.
TEST_F(ReportCliTest, WcAndTheKindsOfTheMaterials) {
    const QStringList march{"--from", "2024-03-01", "--to", "2024-03-31"};
    auto none = run(QStringList{"wc"} + march);
    ASSERT_EQ(none.exit_code, 0) << none.errors;
    EXPECT_NE(none.out.find("\nŻaden proces z tych dni nie dozował cementu (materiału rodzaju cement).\n"),
              std::string::npos)
        << none.out;
    const std::string plain = run(QStringList{"zuzycie"} + march).out;

    MaterialKinds kinds;
    kinds.set("Żwir", MaterialKind::aggregate);
    kinds.set("Cement", MaterialKind::cement);
    kinds.set("Woda", MaterialKind::water);
    ASSERT_TRUE(save_material_kinds(material_kinds_path(data.path()), kinds));
    log_one_cycle("WZ/10/24", "2024-03-06 08:00:00", "2024-03-06 08:30:00", "B30", "BUDREX",
                  {{"Cement", 400, 400}, {"Woda", 150, 150}, {"Żwir", 1050, 1050}});
    ASSERT_TRUE(append_batch_card(batch_card_path(data.path(), "202403"),
                                  {"WZ/10/24",
                                   "2024-03-06 08:00:00",
                                   "B30",
                                   {{1, 3, "Żwir", MaterialKind::aggregate, 1000, 5, 1050}},
                                   {}}));

    // 1050 kg of gravel at 5 % brings 50 kg of water: (150 + 50) / 400.
    auto shown = run(QStringList{"wc"} + march);
    ASSERT_EQ(shown.exit_code, 0) << shown.errors;
    EXPECT_NE(
        shown.out.find("Nr WZ    Rozpoczęcie         Receptura Klient Cement [kg] Woda efektywna [kg]  w/c\n"
                       "\n"
                       "WZ/10/24 2024-03-06 08:00:00 B30       BUDREX       400.0               200.0 0.50\n"
                       "\n"
                       "Średnio w/c: 0.50, największe: 0.50\n"),
        std::string::npos)
        << shown.out;
    const auto csv = data / "wc.csv";
    ASSERT_EQ(
        run(QStringList{"wc"} + march + QStringList{"--csv", QString::fromStdString(csv.string())}).exit_code,
        0);
    EXPECT_NE(
        testing::read_bytes(csv).find("\r\nWZ/10/24;2024-03-06 08:00:00;B30;BUDREX;400,0;200,0;0,50\r\n"),
        std::string::npos);

    auto cement = run(QStringList{"zuzycie", "--rodzaj", "cement"} + march);
    ASSERT_EQ(cement.exit_code, 0) << cement.errors;
    EXPECT_NE(cement.out.find("\nRodzaj materiałów: cement\n"), std::string::npos) << cement.out;
    EXPECT_NE(cement.out.find("\nCement"), std::string::npos);
    EXPECT_EQ(cement.out.find("Żwir"), std::string::npos);
    auto totals = run(QStringList{"zuzycie"} + march);
    EXPECT_NE(totals.out.find("\nZużycie według rodzajów:\n"), std::string::npos) << totals.out;
    EXPECT_NE(totals.out.find("\nkruszywo "), std::string::npos);
    EXPECT_EQ(plain.find("rodzaj"), std::string::npos);

    auto unknown = run(QStringList{"dokladnosc", "--rodzaj", "piach"} + march);
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_NE(unknown.errors.find("błąd: nieznany rodzaj materiału: piach (rodzaje: cement, woda, kruszywo, "
                                  "domieszka, dodatek)"),
              std::string::npos)
        << unknown.errors;
}

TEST_F(ReportCliTest, KorektyPrintsWhatWasLearnedWithEachScalesPrecisionAndClearsByScaleOrMaterial) {
    auto none = run({"korekty"});
    EXPECT_EQ(none.exit_code, 0) << none.errors;
    EXPECT_EQ(none.out, "Brak wyuczonych korekt.\n");

    Settings settings;
    Scales w;
    load_settings(settings_file_path(data.path()), settings, w);
    w[2].precision = 2;
    ASSERT_TRUE(save_settings(settings_file_path(data.path()), settings, w));
    const auto file = data / "korekty.txt";
    testing::write_bytes(file, "2\tcement\t-4.5\t12\r\n1\tWoda\t1\t30\r\n1\tcement\t3\t2\r\n");
    auto shown = run({"korekty"});
    EXPECT_EQ(shown.exit_code, 0) << shown.errors;
    EXPECT_EQ(shown.out,
              "Waga Materiał Korekta [kg] Dozowań\n"
              "   1 cement              3       2\n"
              "   1 Woda                1      30\n"
              "   2 cement          -4.50      12\n");

    auto one = run({"korekty", "--zeruj", "--waga", "1", "--material", " WODA "});
    EXPECT_EQ(one.exit_code, 0) << one.errors;
    EXPECT_EQ(one.out, "Wyzerowano korekt: 1\n");
    EXPECT_EQ(testing::read_bytes(file), "2\tcement\t-4.50\t12\r\n1\tcement\t3\t2\r\n");
    EXPECT_EQ(run({"korekty", "--zeruj", "--material", "Cement"}).out, "Wyzerowano korekt: 2\n");
    EXPECT_EQ(testing::read_bytes(file), "");
}

TEST_F(ReportCliTest, DziennikShowsTheChangesAsATableOrCsvAndRefusesABadDate) {
    EXPECT_EQ(run({"dziennik"}).out, "Brak zmian w dzienniku.\n");
    testing::write_bytes(data / "korekty.txt", "1\tcement\t3\t2\r\n");
    ASSERT_EQ(run({"korekty", "--zeruj"}).exit_code, 0);
    auto shown = run({"dziennik"});
    EXPECT_EQ(shown.exit_code, 0) << shown.errors;
    for (const char* part :
         {"wazenie-cli korekty", "wszystkie wagi, wszystkie materiały", "1 wyuczonych wyzerowane"}) {
        EXPECT_NE(shown.out.find(part), std::string::npos) << shown.out;
    }
    EXPECT_EQ(run({"dziennik", "--to", "2000-01-01"}).out, "Brak zmian w dzienniku.\n");

    const auto csv = data / "dziennik.csv";
    EXPECT_EQ(run({"dziennik", "--csv", QString::fromStdString(csv.string())}).exit_code, 0);
    EXPECT_NE(testing::read_bytes(csv).find("Data;Operator;Co;Czego dotyczy;Było;Jest\r\n"),
              std::string::npos);
    EXPECT_EQ(run({"dziennik", "--from", "2024-13-01"}).exit_code, 2);
}

TEST_F(ReportCliTest, KorektyRefusesBadArgumentsWithTwoAndAnUnreadableFileWithFive) {
    const auto file = data / "korekty.txt";
    testing::write_bytes(file, "1\tcement\t3\t2\r\n");
    for (const QStringList& args : {QStringList{"--waga", "1"}, QStringList{"--material", "cement"},
                                    QStringList{"--zeruj", "--waga", "5"}, QStringList{"--zeruj", "--waga"},
                                    QStringList{"--zeruj", "--material", " "}, QStringList{"--wszystkie"}}) {
        auto refused = run(QStringList{"korekty"} + args);
        EXPECT_EQ(refused.exit_code, 2) << args.join(' ').toStdString();
        EXPECT_NE(refused.errors.find("błąd: "), std::string::npos) << refused.errors;
    }
    EXPECT_EQ(testing::read_bytes(file), "1\tcement\t3\t2\r\n");

    testing::write_bytes(file, "1\tcement\t3\t2\r\n1\tcement\tx\t2\r\n");
    for (const QStringList& args : {QStringList{}, QStringList{"--zeruj"}}) {
        auto unread = run(QStringList{"korekty"} + args);
        EXPECT_EQ(unread.exit_code, 5);
        EXPECT_EQ(unread.out, "");
        EXPECT_NE(unread.errors.find("korekty.txt, linia 2: "), std::string::npos) << unread.errors;
    }
}

}  // namespace
}  // namespace wazenie

#endif
