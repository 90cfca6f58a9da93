#include <sstream>

#include "fakes/scratch_dir.h"
#include "platform/qt_document_painter.h"
#include "platform/qt_text.h"
#include "qt/pdf_text.h"
#include "reports/wz_document.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::gui_application;
using testing::simplified;
using testing::text_lines;

class PdfRenderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gui_application()) << "another test created a non-GUI application"; }

    static PrintDocument wz(int variant) {
        recipe_record r;
        r.weight_doc = "WZ/17/2024";
        r.client_full_name = "Przedsiębiorstwo Budowlane „Żółć” Sp. z o.o.";
        r.client_address = "ul. Źródlana 12, 90-001 Łódź";
        r.client_nip = "725-000-11-22";
        r.start_time = 45356.25;
        r.stop_time = 0;
        r.user_name = "Łukasz Ślęzak";
        r.recipe_name = "B25 ściany";
        Scales w;
        w[1].precision = 1;
        w[1].max_material = 2;
        w[1].m[1].material_name = "Piasek płukany 0-2";
        w[1].m[1].curr_total_weight = 1200;
        w[1].m[2].material_name = "Żwir";
        w[1].m[2].curr_total_weight = 800.5;
        w[1].curr_total_weight = 2000.5;
        w[2].max_material = 1;
        w[2].m[1].material_name = "Cement CEM I 42,5R";
        w[2].m[1].curr_total_weight = 350;
        w[2].curr_total_weight = 350;
        Settings settings;
        settings.wz_print_content = variant;
        settings.ini.set(kIssuerSection, "linia1", "Betoniarnia Łęczyca Spółka Jawna");
        settings.ini.set(kIssuerSection, "linia2", "ul. Wąska 3");
        return wz_document(r, w, settings, 45356.5, 1);
    }

    std::vector<std::string> render_and_read(const PrintDocument& doc, const std::string& name) {
        const auto file = dir / name;
        EXPECT_TRUE(write_pdf(doc, file).ok());
        return text_lines(testing::run_tool("pdftotext", {"-layout", to_qt(file.string()), "-"}));
    }

    testing::ScratchDir dir;
};

TEST_F(PdfRenderTest, EveryWzVariantReadsBackLineByLine) {
    for (int variant = 0; variant <= 3; ++variant) {
        const auto doc = wz(variant);
        const auto read = render_and_read(doc, "wz" + std::to_string(variant) + ".pdf");
        ASSERT_FALSE(read.empty()) << "pdftotext gave nothing for variant " << variant;
        std::vector<std::string> expected;
        for (const auto& line : doc.plain_lines()) {
            if (auto s = simplified(line); !s.empty()) {
                expected.push_back(s);
            }
        }
        EXPECT_EQ(read, expected) << "variant " << variant;
    }
}

TEST_F(PdfRenderTest, FallbackFontsKeepTheMassColumnsAligned) {
    const auto file = dir / "wz3.pdf";
    ASSERT_TRUE(write_pdf(wz(3), file).ok());
    const std::string fonts = testing::run_tool("pdffonts", {to_qt(file.string())});
    EXPECT_NE(fonts.find("LiberationMono"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("LiberationSerif-Bold"), std::string::npos) << fonts;

    // Equal columns end at equal places on paper only when every character has the width the layout
    // assumes: the right edges of the " kg" after the masses of the scales and of the total.
    const std::string boxes = testing::run_tool("pdftotext", {"-bbox", to_qt(file.string()), "-"});
    std::vector<double> kg_ends;
    std::istringstream in(boxes);
    for (std::string line; std::getline(in, line);) {
        const auto x_max = line.find("xMax=\"");
        if (line.find(">kg</word>") != std::string::npos && x_max != std::string::npos) {
            kg_ends.push_back(std::stod(line.substr(x_max + 6)));
        }
    }
    // waga 1, its two materials, waga 2, its material, waga 3, waga 4, Razem.
    ASSERT_EQ(kg_ends.size(), 8u) << boxes;
    for (std::size_t i : {3u, 5u, 6u, 7u}) {
        EXPECT_NEAR(kg_ends[i], kg_ends[0], 0.05) << i;
    }
    for (std::size_t i : {2u, 4u}) {
        EXPECT_NEAR(kg_ends[i], kg_ends[1], 0.05) << i;
    }
    EXPECT_GT(kg_ends[1], kg_ends[0]);
}

TEST_F(PdfRenderTest, LongDocumentsGoOnToNewPages) {
    PrintDocument doc;
    doc.orientation = PageOrientation::Landscape;
    PrintFont font;
    font.size = 9;
    for (int i = 1; i <= 150; ++i) {
        doc.new_line().add("Wiersz " + std::to_string(i) + " zażółć gęślą jaźń", font);
    }
    const auto read = render_and_read(doc, "long.pdf");
    ASSERT_EQ(read.size(), 150u);
    EXPECT_EQ(read.front(), "Wiersz 1 zażółć gęślą jaźń");
    EXPECT_EQ(read.back(), "Wiersz 150 zażółć gęślą jaźń");
    const std::string info = testing::run_tool("pdfinfo", {to_qt((dir / "long.pdf").string())});
    EXPECT_NE(info.find("Page size:"), std::string::npos);
    EXPECT_EQ(info.find("Pages:           1\n"), std::string::npos) << info;
}

TEST_F(PdfRenderTest, UnwritableFileIsAnError) {
    EXPECT_FALSE(write_pdf(wz(0), dir / "missing" / "wz.pdf").ok());
}

}  // namespace
}  // namespace wazenie
