#include "reports/report_output.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/scratch_dir.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

ReportRow process_row(const std::string& doc, const std::string& mass) {
    return {doc,     "2024-03-04 07:00:00", "2024-03-04 07:40:00", mass,  "2",     "B20", "BUDEX",
            "Budex", "ul. Łąkowa 5",        "123-456-78-90",       "JAN", "202403"};
}

ReportRow total_row(const std::string& mass) {
    ReportRow row;
    row.stop_time = "RAZEM:";
    row.mass = mass;
    return row;
}

const std::string kHeader = "Nr WZ" + sp(11) + "Rozpoczęcie" + sp(10) + "Zakończenie" + sp(10) + sp(5) +
                            "Masa " + "Cykle " + "Receptura" + sp(12) + "Klient - skrót" + sp(7) +
                            "Operator" + sp(12);
const std::string kRow1 = "WZ/1/24" + sp(9) + "2024-03-04 07:00:00  2024-03-04 07:40:00  " + sp(4) +
                          "900.5 " + sp(4) + "2 B20" + sp(18) + "BUDEX" + sp(16) + "JAN" + sp(17);
const std::string kTotal =
    sp(16) + sp(21) + "RAZEM:" + sp(15) + sp(4) + "900.5 " + sp(6) + sp(21) + sp(21) + sp(20);

class ReportOutputTest : public ::testing::Test {
protected:
    ReportOutputTest() { clock.time = 45356.5; }

    ReportSheet sheet() { return {"2024-03-01", "2024-03-05", client, recipe, rows}; }

    std::vector<ReportRow> rows = {process_row("WZ/1/24", "900.5"), total_row("900.5")};
    std::string client;
    std::string recipe;
    testing::FakeDialogs dialogs;
    testing::FakeClock clock;
    testing::FakePrinter printer;
    testing::FakeClipboard clipboard;
    testing::FakeSaveFileDialog save_dialog;
    testing::ScratchDir dir;
};

TEST_F(ReportOutputTest, SavedFileHasTheFixedLayoutWithoutMargin) {
    save_dialog.answers.push_back(dir / "raport ważeń.txt");
    testing::write_bytes(dir / "raport ważeń.txt", "stara treść, dłuższa niż nowa" + std::string(5000, 'x'));
    save_report(sheet(), save_dialog, dialogs, clock);
    ASSERT_EQ(save_dialog.requests.size(), 1u);
    EXPECT_EQ(save_dialog.requests[0].title, "Zapisz raport...");
    EXPECT_EQ(save_dialog.requests[0].default_name, "raport ważeń");
    EXPECT_EQ(save_dialog.requests[0].extension, "txt");
    EXPECT_EQ(save_dialog.requests[0].filter, "*.txt");
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{"informacja: Raport zapisano do pliku: " +
                                                        (dir / "raport ważeń.txt").string()});

    const std::vector<std::string> expected = {
        "Raport naważań przeprowadzonych w dniach: 2024-03-01 - 2024-03-05",
        "Data sporządzenia raportu: 2024/03/05, 12:00.00",
        "",
        kHeader,
        "",
        kRow1,
        sp(67),
        kTotal,
        "",
        "Koniec raportu.",
    };
    EXPECT_EQ(*text_file::read_lines(dir / "raport ważeń.txt"), expected);
    const std::string bytes = testing::read_bytes(dir / "raport ważeń.txt");
    EXPECT_EQ(bytes.substr(0, 15),
              "Raport nawa\xbf"
              "a\xf1 ");  // Windows-1250
    EXPECT_NE(bytes.find("\r\n" + sp(67) + "\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 17), "Koniec raportu.\r\n");
}

TEST_F(ReportOutputTest, CriteriaLinesFollowTheFilters) {
    recipe = "B20";
    auto lines = report_text_lines(sheet(), clock.now());
    EXPECT_EQ(lines[2], "Kryteria:");
    EXPECT_EQ(lines[3], "Receptura: B20");
    EXPECT_EQ(lines[4], "");
    client = "BUD";
    lines = report_text_lines(sheet(), clock.now());
    EXPECT_EQ(lines[3], "Klient: BUD");
    EXPECT_EQ(lines[4], "Receptura: B20");
}

TEST_F(ReportOutputTest, LongTextsAreCutOnlyInTheirCutColumns) {
    ReportRow row = process_row("WZ/123456/2024/ABC", "7.5");
    row.recipe_name = "Beton towarowy B25 W8 F150";
    row.user_name = "Aleksandra Wiśniewska-Żółkiewska";
    const std::string text = fixed_width_row(row);
    EXPECT_EQ(text.rfind("WZ/123456/2024/ 2024-03-04", 0), 0u);
    EXPECT_NE(text.find(" Beton towarowy B25 W8 F150 BUDEX" + sp(16) + "Aleksandra Wiśniews"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with(" Aleksandra Wiśniewsk")) << text;
}

TEST_F(ReportOutputTest, PrintoutHasMarginLandscapeAndStyles) {
    const auto doc = report_document(sheet(), clock.now(), true);
    EXPECT_EQ(doc.title, "Raport ważeń 2024/03/05, 12:00.00");
    EXPECT_EQ(doc.orientation, PageOrientation::Landscape);
    const auto lines = doc.plain_lines();
    ASSERT_EQ(lines.size(), 14u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i], "");
    }
    EXPECT_EQ(lines[4], sp(8) + "Raport naważań przeprowadzonych w dniach: 2024-03-01 - 2024-03-05");
    EXPECT_TRUE(doc.lines[4].runs[0].font.bold);
    EXPECT_FALSE(doc.lines[5].runs[0].font.bold);
    EXPECT_EQ(doc.lines[4].runs[0].font.name, "Courier New");
    EXPECT_EQ(doc.lines[4].runs[0].font.size, 9);
    // The header is underlined, its margin is not.
    ASSERT_EQ(doc.lines[7].runs.size(), 2u);
    EXPECT_EQ(doc.lines[7].runs[0].text, sp(8));
    EXPECT_FALSE(doc.lines[7].runs[0].font.underline);
    EXPECT_EQ(doc.lines[7].runs[1].text, kHeader);
    EXPECT_TRUE(doc.lines[7].runs[1].font.underline);
    EXPECT_EQ(lines[9], sp(8) + kRow1);
    ASSERT_EQ(doc.lines[10].runs.size(), 2u);
    EXPECT_EQ(doc.lines[10].runs[0].text, sp(8 + 37));
    EXPECT_EQ(doc.lines[10].runs[1].text, sp(30));
    EXPECT_TRUE(doc.lines[10].runs[1].font.underline);
    EXPECT_EQ(lines[13], sp(8) + "Koniec raportu.");
    EXPECT_TRUE(doc.lines[13].runs[0].font.italic);
}

TEST_F(ReportOutputTest, PrintAsksAndReports) {
    dialogs.answers = {false, true};
    print_report(sheet(), printer, dialogs, clock);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno drukować raport ważeń końcowych?");
    print_report(sheet(), printer, dialogs, clock);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(dialogs.last(), "informacja: Raport wysłano do drukarki.");

    dialogs.clear();
    printer.name.reset();
    print_report(sheet(), printer, dialogs, clock);
    EXPECT_EQ(dialogs.last(), "błąd: Żadna drukarka nie jest aktualnie zainstalowana!");
    EXPECT_EQ(printer.printed.size(), 1u);
}

TEST_F(ReportOutputTest, AReportNeverBuiltIsEmpty) {
    rows.clear();
    print_report(sheet(), printer, dialogs, clock);
    save_report(sheet(), save_dialog, dialogs, clock);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{"błąd: Raport jest pusty!", "błąd: Raport jest pusty!"}));
    EXPECT_TRUE(save_dialog.requests.empty());
    EXPECT_TRUE(printer.printed.empty());
    copy_report(rows, clipboard, dialogs);
    EXPECT_EQ(clipboard.puts, 1);
    EXPECT_EQ(clipboard.text, "");
}

TEST_F(ReportOutputTest, FailedSaveIsReportedWithoutTheSuccessMessage) {
    save_report(sheet(), save_dialog, dialogs, clock);
    EXPECT_TRUE(dialogs.journal.empty());

    save_dialog.answers.push_back(dir / "r.txt");
    text_file::inject_faults({.fail_create = true});
    save_report(sheet(), save_dialog, dialogs, clock);
    text_file::reset_faults();
    EXPECT_EQ(dialogs.journal,
              std::vector<std::string>{"błąd: Błąd (51) przy zapisie do pliku: " + (dir / "r.txt").string() +
                                       "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem."});
}

TEST_F(ReportOutputTest, PdfChosenGetsThePrintoutAndTextStaysText) {
    std::vector<PrintDocument> pdfs;
    const DocumentFileWriter pdf = [&pdfs](const PrintDocument& doc, const std::filesystem::path&) {
        pdfs.push_back(doc);
        return Status{};
    };
    save_dialog.answers = {dir / "r.PDF", dir / "r.txt"};
    save_report(sheet(), save_dialog, dialogs, clock, pdf);
    save_report(sheet(), save_dialog, dialogs, clock, pdf);
    EXPECT_EQ(save_dialog.requests[0].filter, "*.txt;;*.pdf");
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_EQ(pdfs[0].orientation, PageOrientation::Landscape);
    EXPECT_FALSE(std::filesystem::exists(dir / "r.PDF"));
    EXPECT_TRUE(std::filesystem::exists(dir / "r.txt"));
    EXPECT_EQ(dialogs.journal[0], "informacja: Raport zapisano do pliku: " + (dir / "r.PDF").string());
}

class ReportCopyTest : public ::testing::Test {
protected:
    void make_rows(int n) {
        rows.clear();
        for (int i = 1; i < n; ++i) {
            rows.push_back(process_row("WZ/" + std::to_string(i), "1.5"));
        }
        rows.push_back(total_row(std::to_string(n - 1) + ".5"));
    }
    int copied_rows() const {
        int lines = 0;
        for (std::size_t pos = clipboard.text.find("\r\n"); pos != std::string::npos;
             pos = clipboard.text.find("\r\n", pos + 2)) {
            ++lines;
        }
        return lines;
    }
    std::string first_copied() const { return clipboard.text.substr(0, clipboard.text.find('\t')); }

    std::vector<ReportRow> rows;
    testing::FakeDialogs dialogs;
    testing::FakeClipboard clipboard;
};

TEST_F(ReportCopyTest, RowsAreTabSeparatedWithACommaInTheMass) {
    make_rows(2);
    rows[0].recipe_name = "B20.5";
    copy_report(rows, clipboard, dialogs);
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(clipboard.text,
              "WZ/1\t2024-03-04 07:00:00\t2024-03-04 07:40:00\t1,5\t2\tB20.5\tBUDEX\tBudex\tul. Łąkowa 5\t"
              "123-456-78-90\tJAN\r\n"
              "\t\tRAZEM:\t1,5\t\t\t\t\t\t\t\r\n");
}

TEST_F(ReportCopyTest, AThousandRowsAreCopiedWithoutAQuestion) {
    make_rows(1000);
    copy_report(rows, clipboard, dialogs);
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(copied_rows(), 1000);
}

TEST_F(ReportCopyTest, LargerTablesAskForTheFirstRow) {
    make_rows(2500);
    const std::string warning =
        "ostrzeżenie: Rozmiar tabeli (2500 wierszy) jest więszy niż pojemność schowka (1000 wierszy).\rDo "
        "schowka "
        "zostanie skopiowany tylko fragment tabeli, począwszy od wskazanego wiersza.";
    dialogs.values = {"1501"};
    copy_report(rows, clipboard, dialogs);
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{warning});
    ASSERT_EQ(dialogs.value_requests.size(), 1u);
    EXPECT_EQ(dialogs.value_requests[0].caption, "Wiersz początkowy");
    EXPECT_EQ(dialogs.value_requests[0].prompt, "Podaj numer pierwszego kopiowanego wiersza:");
    EXPECT_EQ(dialogs.value_requests[0].initial, "");
    EXPECT_EQ(copied_rows(), 1000);
    EXPECT_EQ(first_copied(), "WZ/1501");
    EXPECT_NE(clipboard.text.find("\tRAZEM:\t2499,5\t"), std::string::npos);

    dialogs.values = {"2001"};
    copy_report(rows, clipboard, dialogs);
    EXPECT_EQ(copied_rows(), 500);
    EXPECT_EQ(first_copied(), "WZ/2001");

    for (const std::string refused : {"2501", "0", "12a", "-5"}) {
        dialogs.clear();
        clipboard.text = "bez zmian";
        dialogs.values = {refused};
        copy_report(rows, clipboard, dialogs);
        EXPECT_EQ(dialogs.last(), "błąd: Błędna wartość!") << refused;
        EXPECT_EQ(clipboard.text, "bez zmian") << refused;
    }

    dialogs.values.clear();  // cancelled
    copy_report(rows, clipboard, dialogs);
    EXPECT_EQ(first_copied(), "WZ/1");
    EXPECT_EQ(copied_rows(), 1000);
}

TEST_F(ReportCopyTest, TextBeyondAMillionCharactersKeepsTheWholeRowsThatFit) {
    make_rows(1000);
    for (auto& row : rows) {
        row.weight_doc = "WZ";
        row.client_full = std::string(1200, 'x') + "ł";
    }
    copy_report(rows, clipboard, dialogs);
    const int row_length = text_length(clipboard.text.substr(0, clipboard.text.find("\r\n") + 2));
    const int fit = 1000000 / row_length;
    EXPECT_EQ(copied_rows(), fit);
    EXPECT_LE(text_length(clipboard.text), 1000000);
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{
                                   "ostrzeżenie: Tekst tabeli jest dłuższy niż pojemność schowka (1000000 "
                                   "znaków).\rDo schowka skopiowano tylko " +
                                   std::to_string(fit) + " wierszy, od wiersza 1."});
}

}  // namespace
}  // namespace wazenie
