#include <string>
#include <vector>

#include "fakes/scratch_dir.h"
#include "storage/audit_trail_check.h"
#include "storage/batch_card.h"
#include "storage/date_time.h"
#include "storage/hash_chain.h"
#include "storage/month_books_check.h"
#include "storage/month_chain.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::read_bytes;
using testing::write_bytes;

// Header 5 lines, then records of 11 lines: "r", then per scale its "w" line, "wm" lines and cycles.
std::size_t record_line(int k) {
    return 5 + 11 * static_cast<std::size_t>(k - 1) + 1;
}

class MonthBooksTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(data); }

    // Record k: WZ/k/24 with k kg over 1000 of one material.
    void append(int k, bool sign = true) {
        ProcessState p;
        p.r.weight_doc = "WZ/" + std::to_string(k) + "/24";
        p.r.start_time = *make_date_time({2024, 3, 1 + k % 28, 7, 0, 0, 0});
        p.w[1].max_material = 1;
        p.w[1].m[1].material_name = "Żwir";
        p.w[1].m[1].curr_total_weight = 1000 + k;
        const auto before = book_bytes(log);
        ASSERT_TRUE(save_process(p, Settings{}, log, true));
        if (sign) {
            ASSERT_TRUE(chain.sign_appended(data, "202403", BookKind::log, before));
        }
        const auto card_before = book_bytes(cards);
        ASSERT_TRUE(
            append_batch_card(cards, {p.r.weight_doc, file_date_time(p.r.start_time), "B20", {}, {}}));
        if (sign) {
            ASSERT_TRUE(chain.sign_appended(data, "202403", BookKind::cards, card_before));
        }
    }
    void log_records(int count) {
        for (int k = 1; k <= count; ++k) {
            append(k);
        }
    }
    static void edit(const std::filesystem::path& file, const std::string& from, const std::string& to) {
        std::string bytes = read_bytes(file);
        const auto at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        write_bytes(file, bytes.replace(at, from.size(), to));
    }
    BookReport check() const { return check_month_books(data, "202403"); }

    testing::ScratchDir dir;
    std::filesystem::path data = dir / "dane";
    std::filesystem::path log = month_log_path(data, "202403");
    std::filesystem::path cards = batch_card_path(data, "202403");
    std::filesystem::path sha = data / "202403.sha";
    MonthChainWriter chain;
};

TEST_F(MonthBooksTest, AnUntouchedMonthHoldsAndItsLogIsWrittenAsBefore) {
    log_records(3);
    const std::string signed_log = read_bytes(log);
    const BookReport report = check();
    EXPECT_FALSE(report.tampered);
    EXPECT_FALSE(report.unreadable);
    EXPECT_EQ(report.lines, (std::vector<std::string>{"dane/202403.sha: 7 wpisów, zgodny",
                                                      "dane/202403.txt: 3 zapisy, zgodne",
                                                      "dane/202403_karta.txt: 3 karty, zgodne"}));
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);
    for (int k = 1; k <= 3; ++k) {
        append(k, false);
    }
    EXPECT_EQ(read_bytes(log), signed_log);
}

TEST_F(MonthBooksTest, EveryKindOfChangeToTheLogIsNamed) {
    log_records(4);
    const std::string whole = read_bytes(log);
    const auto at = [&](int k) { return whole.find("r\tWZ/" + std::to_string(k) + "/24"); };
    const auto found = [&] { return check().findings; };
    const std::string txt = "dane/202403.txt linia ";

    edit(log, "\t1002", "\t1092");
    EXPECT_EQ(found(), std::vector<std::string>{txt + std::to_string(record_line(2)) +
                                                ": zapis WZ/2/24 zmieniony po zapisaniu"});

    write_bytes(log, whole.substr(0, at(3)) + whole.substr(at(4)));
    EXPECT_EQ(found(),
              std::vector<std::string>{txt + std::to_string(record_line(3)) + ": zapis WZ/3/24 usunięty"});

    write_bytes(log, whole.substr(0, at(2)) + whole.substr(at(3), at(4) - at(3)) +
                         whole.substr(at(2), at(3) - at(2)) + whole.substr(at(4)));
    const auto swapped = found();
    ASSERT_EQ(swapped.size(), 1u);
    EXPECT_NE(swapped[0].find(": kolejność zapisów zmieniona (zapis WZ/"), std::string::npos) << swapped[0];

    write_bytes(log, whole + "wm\t1\t2\tPiasek\t5\t0\t0\t0\r\n");
    EXPECT_EQ(found(), std::vector<std::string>{txt + std::to_string(record_line(5)) +
                                                ": wiersze dopisane po: zapis WZ/4/24"});

    write_bytes(log, whole + whole.substr(at(4)));
    EXPECT_EQ(found(),
              std::vector<std::string>{txt + std::to_string(record_line(5)) +
                                       ": zapis WZ/4/24 bez wpisu w dane/202403.sha: dopisany po ostatnim "
                                       "podpisanym zapisie albo łańcuch skrócony"});
    EXPECT_TRUE(check().tampered);
}

TEST_F(MonthBooksTest, ACutOrEditedChainIsNamed) {
    log_records(3);
    const auto lines = *text_file::read_lines(sha);
    ASSERT_TRUE(text_file::write_lines(sha, {lines.begin(), lines.end() - 2}));
    const BookReport cut = check();
    EXPECT_EQ(cut.findings.size(), 2u);
    EXPECT_NE(cut.findings[0].find("dane/202403.txt linia 28: zapis WZ/3/24 bez wpisu"), std::string::npos);
    EXPECT_NE(cut.findings[1].find("dane/202403_karta.txt linia 3: karta procesu WZ/3/24 bez wpisu"),
              std::string::npos);

    auto edited = lines;
    edited[2].replace(edited[2].find("WZ/1/24"), 7, "WZ/9/24");
    ASSERT_TRUE(text_file::write_lines(sha, edited));
    const BookReport report = check();
    ASSERT_FALSE(report.findings.empty());
    EXPECT_EQ(report.findings[0],
              "dane/202403.sha linia 3: łańcuch przerwany (wiersz zmieniony, usunięty lub wstawiony)");
    EXPECT_TRUE(report.tampered);
}

// A month the program logged before it signed, then signed: the earlier records are pinned as they
// stood and cannot be changed unseen; a month without chain is not a finding.
TEST_F(MonthBooksTest, RecordsBeforeTheChainAreWithoutSignatureYetPinned) {
    append(1, false);
    append(2, false);
    EXPECT_EQ(check().lines, (std::vector<std::string>{"dane/202403.txt: 2 zapisy, bez podpisu",
                                                       "dane/202403_karta.txt: 2 karty, bez podpisu"}));
    EXPECT_FALSE(check().tampered);
    EXPECT_FALSE(month_has_chain(data, "202403"));

    append(3);
    const BookReport pinned = check();
    EXPECT_FALSE(pinned.tampered);
    EXPECT_EQ(pinned.lines[1], "dane/202403.txt: 3 zapisy (w tym 2 bez podpisu), zgodne");

    edit(log, "\t1001", "\t1091");
    EXPECT_EQ(check().findings, std::vector<std::string>{"dane/202403.txt linia 6: zapis WZ/1/24 zmieniony "
                                                         "po zapisaniu"});
}

// The record stays when its signature cannot be written, and the next append signs it late.
TEST_F(MonthBooksTest, AFailedSignatureIsMadeUpByTheNextAppend) {
    append(1);
    const auto before = book_bytes(log);
    append(2, false);
    text_file::inject_faults({.fail_create = true});
    EXPECT_FALSE(chain.sign_appended(data, "202403", BookKind::log, before));
    text_file::reset_faults();
    append(3);
    const BookReport report = check();
    EXPECT_TRUE(report.findings.empty()) << report.findings[0];
    EXPECT_EQ(report.lines[1], "dane/202403.txt: 3 zapisy (w tym 1 bez podpisu), zgodne");
}

TEST(AuditTrail, AnEditedLineIsNamed) {
    testing::ScratchDir dir;
    const auto data = dir / "dane";
    std::filesystem::create_directories(data);
    EXPECT_TRUE(check_audit_trail(data).lines.empty());
    std::vector<std::string> lines;
    std::string previous(kChainStart);
    for (const char* text : {"2024-03-01\tADMINISTRATOR\tcena", "2024-03-02\tADMINISTRATOR\tklient",
                             "2024-03-03\tJAN\treceptura"}) {
        lines.push_back(chained_line(previous, text));
        previous = chain_hash(previous, text);
    }
    ASSERT_TRUE(text_file::write_lines(data / "dziennik_zmian.txt", lines));
    EXPECT_EQ(check_audit_trail(data).lines,
              std::vector<std::string>{"dane/dziennik_zmian.txt: 3 wiersze, zgodny"});
    lines[1].replace(11, 13, "OPERATOR-XYZ1");
    ASSERT_TRUE(text_file::write_lines(data / "dziennik_zmian.txt", lines));
    const BookReport report = check_audit_trail(data);
    EXPECT_TRUE(report.tampered);
    EXPECT_EQ(report.findings, std::vector<std::string>{"dane/dziennik_zmian.txt linia 2: wiersz zmieniony, "
                                                        "usunięty lub wstawiony po zapisaniu (łańcuch "
                                                        "przerwany)"});
}

}  // namespace
}  // namespace wazenie
