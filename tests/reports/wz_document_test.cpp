#include "reports/wz_document.h"

#include "fakes/fake_clock.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const std::string M(10, ' ');
const DateTime kNow = 45356.0 + (7 * 3600 + 8 * 60 + 9) / 86400.0;  // 2024-03-05 07:08:09

class WzDocumentTest : public ::testing::Test {
protected:
    WzDocumentTest() {
        r.weight_doc = "WZ/7/24";
        r.client_full_name = "Budex Sp. z o.o.";
        r.client_address = "ul. Łąkowa 5, 90-001 Łódź";
        r.client_nip = "123-456-78-90";
        r.start_time = 45356.25;                                      // 06:00:00
        r.stop_time = 45356.0 + (6 * 3600 + 45 * 60 + 30) / 86400.0;  // 06:45:30
        r.user_name = "JAN";
        r.recipe_name = "B20";
        w[1].precision = 1;
        w[1].max_material = 2;
        w[1].m[1] = {{}, 150, "Piasek", 0, 0, 0};
        w[1].m[2] = {{}, 50, "Żwir 2-8", 0, 0, 0};
        w[1].curr_total_weight = 200;
        w[2].max_material = 1;
        w[2].m[1] = {{}, 100, "Cement", 0, 0, 0};
        w[2].curr_total_weight = 100;
        settings.ini.set(kIssuerSection, "linia1", "Betoniarnia Łęczyca");
        settings.ini.set(kIssuerSection, "linia2", "ul. Żytnia 1");
        settings.ini.set(kIssuerSection, "linia4", "NIP 111-222-33-44");
    }

    std::vector<std::string> lines(int variant) {
        settings.wz_print_content = variant;
        return wz_document(r, w, settings, kNow, 1).plain_lines();
    }

    recipe_record r;
    Scales w;
    Settings settings;
};

TEST_F(WzDocumentTest, ScaleVariantPrintsTheWholeDocumentLineByLine) {
    const std::vector<std::string> expected = {
        "",
        "",
        M + std::string(70, ' '),
        "",
        M + std::string(35, ' ') + "DOKUMENT  WZ  NR: WZ/7/24",
        M + std::string(70, ' '),
        "",
        M + "Data wydruku: 2024/03/05, 07:08",
        "",
        M + "Wystawiający:",
        M + "      Betoniarnia Łęczyca",
        M + "      ul. Żytnia 1",
        M + "      ",
        M + "      NIP 111-222-33-44",
        "",
        M + "Klient:",
        M + "      Budex Sp. z o.o.",
        M + "      ul. Łąkowa 5, 90-001 Łódź",
        M + "      NIP: 123-456-78-90",
        "",
        M + "Początek ważenia: 2024/03/05, 06:00.00",
        M + "Koniec ważenia:   2024/03/05, 06:45.30",
        "",
        M + "Operator:          JAN",
        M + "Towar (mieszanka): B20",
        M + "Masa:              ",
        M + "      waga 1:         200.0 kg",
        M + "      waga 2:           100 kg",
        M + "      waga 3:             0 kg",
        M + "      waga 4:             0 kg",
        M + "      " + std::string(24, ' '),
        M + "      Razem:            300 kg",
        "",
        "",
        "",
        M + "........................                       .......................",
        M + "        Odebrał                                        Wystawił",
    };
    EXPECT_EQ(lines(1), expected);
}

TEST_F(WzDocumentTest, TotalOnlyVariantHasNoRuleNorRazemAndKeepsElevenPoints) {
    const auto doc = wz_document(r, w, settings, kNow, 1);
    settings.wz_print_content = 0;
    const auto total_only = wz_document(r, w, settings, kNow, 1);
    const auto text = total_only.plain_lines();
    ASSERT_EQ(text.size(), 31u);
    EXPECT_EQ(text[25], M + "Masa:              300 kg");
    EXPECT_EQ(text[26], "");
    for (const auto& line : text) {
        EXPECT_EQ(line.find("Razem:"), std::string::npos);
    }
    const auto& signature = total_only.lines.back().runs.back().font;
    EXPECT_EQ(signature.size, 11);
    EXPECT_TRUE(signature.italic);
    EXPECT_EQ(doc.lines.back().runs.back().font.size, 10);
}

TEST_F(WzDocumentTest, FontsFollowTheCanvas) {
    settings.wz_print_content = 2;
    const auto doc = wz_document(r, w, settings, kNow, 1);
    // The rule: the margin plain, the 70 spaces underlined, both Courier New 11.
    const auto& rule = doc.lines[2].runs;
    ASSERT_EQ(rule.size(), 2u);
    EXPECT_FALSE(rule[0].font.underline);
    EXPECT_TRUE(rule[1].font.underline);
    EXPECT_EQ(rule[1].font.name, "Courier New");
    EXPECT_EQ(rule[1].font.size, 11);
    const auto& title = doc.lines[4].runs.at(0).font;
    EXPECT_EQ(title.name, "Times New Roman");
    EXPECT_EQ(title.size, 14);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(doc.lines[5].runs.at(0).font.name, "Courier New");
    EXPECT_EQ(doc.lines[9].runs.at(1).text, "Wystawiający:");
    EXPECT_TRUE(doc.lines[9].runs.at(1).font.underline);
    // Everything from "Razem:" on is at 10 points, the "Razem:" line itself still at 11.
    std::size_t razem = 0;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        if (doc.lines[i].plain_text().find("Razem:") != std::string::npos) {
            razem = i;
        }
    }
    ASSERT_GT(razem, 0u);
    EXPECT_EQ(doc.lines[razem].runs.at(0).font.size, 11);
    for (std::size_t i = razem + 1; i < doc.lines.size(); ++i) {
        ASSERT_EQ(doc.lines[i].runs.size(), 1u);
        EXPECT_EQ(doc.lines[i].runs[0].font.size, 10) << i;
    }
    EXPECT_FALSE(doc.lines[doc.lines.size() - 2].runs[0].font.italic);
}

TEST_F(WzDocumentTest, MaterialVariantsCutNamesToFifteenCharacters) {
    w[1].m[1].material_name = "Kruszywo łamane 8-16 mm";  // 23 characters
    w[1].m[2].material_name = "Żwir 2-8 m";               // 10 characters
    w[1].m[2].curr_total_weight = 1234567.5;              // wider than its field
    auto per_material = lines(2);
    EXPECT_EQ(per_material[26], M + "      Kruszywo łamane 150.0 kg");
    EXPECT_EQ(per_material[27], M + "      Żwir 2-8 m:    1234567.5 kg");
    EXPECT_EQ(per_material[28], M + "      Cement:           100 kg");
    EXPECT_EQ(per_material[29], M + "      " + std::string(24, ' '));

    auto both = lines(3);
    EXPECT_EQ(both[25], M + "Masa:              ");
    EXPECT_EQ(both[26], M + "      waga 1:         200.0 kg");
    EXPECT_EQ(both[27], M + "          Kruszywo łamane     150.0 kg");
    EXPECT_EQ(both[28], M + "          Żwir 2-8 m:     1234567.5 kg");
    EXPECT_EQ(both[29], M + "      waga 2:           100 kg");
    EXPECT_EQ(both[30], M + "          Cement:" + std::string(15, ' ') + "100 kg");
    EXPECT_EQ(both[31], M + "      waga 3:             0 kg");
    EXPECT_EQ(both[32], M + "      waga 4:             0 kg");
}

TEST_F(WzDocumentTest, TimesNotSetPrintAsDashes) {
    r.start_time = 0;
    r.stop_time = 0;
    const auto text = lines(1);
    EXPECT_EQ(text[20], M + "Początek ważenia: ---");
    EXPECT_EQ(text[21], M + "Koniec ważenia:   ---");
}

TEST_F(WzDocumentTest, RecordsFromAFileNeverIndexPastTheMaterials) {
    w[3].max_material = 12;
    w[4].max_material = -3;
    EXPECT_NO_THROW(lines(3));
    EXPECT_EQ(lines(2).size(), lines(1).size() - 4 + 3 + kMaterials);
}

TEST_F(WzDocumentTest, JobTitlesNameTheCopy) {
    EXPECT_EQ(wz_document(r, w, settings, kNow, 1).title, "Dokument_WZ 2024/03/05, 07:08.09");
    EXPECT_EQ(wz_document(r, w, settings, kNow, 2).title, "Dokument_WZ 2024/03/05, 07:08.09 c2");
    EXPECT_EQ(wz_document(r, w, settings, kNow, 3).title, "Dokument_WZ 2024/03/05, 07:08.09 c3");
    EXPECT_EQ(wz_document(r, w, settings, kNow, 1).orientation, PageOrientation::Portrait);
}

TEST_F(WzDocumentTest, MissingIssuerEntriesAreEmpty) {
    Settings plain;
    const auto issuer = issuer_lines(plain);
    for (const auto& line : issuer) {
        EXPECT_EQ(line, "");
    }
    EXPECT_EQ(issuer_lines(settings)[1], "ul. Żytnia 1");
}

}  // namespace
}  // namespace wazenie
