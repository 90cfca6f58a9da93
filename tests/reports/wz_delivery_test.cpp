#include "fakes/scratch_dir.h"
#include "reports/wz_delivery_source.h"
#include "reports/wz_document.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const std::string M(10, ' ');
const DateTime kNow = 45356.0 + (7 * 3600 + 8 * 60 + 9) / 86400.0;  // 2024-03-05 07:08:09

TEST(WzDelivery, TheBlockFollowsTheMassesWithTheValuesGiven) {
    recipe_record r;
    r.weight_doc = "WZ/7/24";
    r.client_full_name = "Budex";
    r.start_time = 45356.25;  // 06:00
    r.user_name = "JAN";
    r.recipe_name = "B20";
    Scales w;
    w[1].curr_total_weight = 300;
    Settings settings;
    settings.wz_print_content = 0;
    WzDelivery delivery;
    delivery.description.klasa = "C25/30";
    delivery.description.ekspozycja = "XC2, XF1";
    delivery.description.konsystencja = "S3";
    delivery.description.dmax = 16;
    delivery.description.gestosc = 2400;
    delivery.truck = "WGM 12345";
    delivery.water_cement = 0.4849;

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
        M + "      ",
        M + "      ",
        M + "      ",
        M + "      ",
        "",
        M + "Klient:",
        M + "      Budex",
        M + "      ",
        M + "      NIP: ",
        "",
        M + "Początek ważenia: 2024/03/05, 06:00.00",
        M + "Koniec ważenia:   ---",
        "",
        M + "Operator:          JAN",
        M + "Towar (mieszanka): B20",
        M + "Masa:              300 kg",
        "",
        M + "Klasa wytrzymałości: C25/30",
        M + "Klasa ekspozycji:    XC2, XF1",
        M + "Konsystencja:        S3",
        M + "Dmax kruszywa:       16 mm",
        M + "Objętość:            0.13 m³",
        M + "Czas załadunku:      2024/03/05, 06:00",
        M + "Samochód:            WGM 12345",
        M + "w/c:                 0.48",
        "",
        "",
        "",
        M + "........................                       .......................",
        M + "        Odebrał                                        Wystawił",
    };
    EXPECT_EQ(wz_document(r, w, settings, kNow, 1, delivery).plain_lines(), expected);

    // Nothing but the time of loading when nothing else is known; no density, no volume.
    const auto bare = wz_document(r, w, settings, kNow, 1, WzDelivery{}).plain_lines();
    EXPECT_EQ(bare.size(), expected.size() - 7);
    EXPECT_EQ(bare[27], M + "Czas załadunku:      2024/03/05, 06:00");
}

// A reprint finds the truck, site, moisture and description on the month's card of the process.
TEST(WzDelivery, ALoggedProcessTakesItsCardAndTheRecipesDescription) {
    testing::ScratchDir dir;
    ProcessState p;
    p.r.weight_doc = "WZ/7/24";
    p.r.start_time = 45356.25;
    p.r.recipe_name = "B20";
    p.w[1].max_material = 3;
    p.w[1].m[1].material_name = "cement";
    p.w[1].m[1].curr_weight[1] = 300;
    p.w[1].m[2].material_name = "woda";
    p.w[1].m[2].curr_weight[1] = 143.1;
    p.w[1].m[3].material_name = "piasek";
    p.w[1].m[3].curr_weight[1] = 856.9;
    ASSERT_TRUE(text_file::write_lines(dir / "materialy_rodzaje.txt",
                                       {"cement\tcement", "woda\twoda", "piasek\tkruszywo"}));
    ASSERT_TRUE(text_file::write_lines(dir / "receptury_opis.txt", {"B20\tklasa=C20/25"}));
    BatchCard card{"WZ/7/24", "2024-03-05 06:00:00",
                   "B20",     {{1, 3, "piasek", MaterialKind::aggregate, 820, 4.5, 856.9}},
                   {},        {"WGM 12345", "Kielce"}};
    ASSERT_TRUE(append_batch_card(batch_card_path(dir.path(), "202403"), card));
    Settings settings;
    EXPECT_FALSE(wz_delivery_of_logged(settings, dir.path(), "202403", p));

    settings.wz_pn_en_206 = true;
    const auto delivery = wz_delivery_of_logged(settings, dir.path(), "202403", p);
    ASSERT_TRUE(delivery);
    EXPECT_EQ(delivery->description.klasa, "C20/25");
    EXPECT_EQ(delivery->truck, "WGM 12345");
    EXPECT_EQ(delivery->site, "Kielce");
    EXPECT_NEAR(*delivery->water_cement, 0.6, 1e-9);  // (143.1 + 36.9) / 300

    // Without its card the aggregates count dry and no truck is known.
    p.r.weight_doc = "WZ/8/24";
    const auto other = wz_delivery_of_logged(settings, dir.path(), "202403", p);
    EXPECT_TRUE(other->truck.empty());
    EXPECT_NEAR(*other->water_cement, 143.1 / 300, 1e-9);

    // The card keeps the description the process was set with; the recipe's later edit does not reach it.
    p.r.weight_doc = "WZ/9/24";
    card.weight_doc = p.r.weight_doc;
    card.description.klasa = "C25/30";
    card.description.gestosc = 2350;
    ASSERT_TRUE(append_batch_card(batch_card_path(dir.path(), "202403"), card));
    const auto described = wz_delivery_of_logged(settings, dir.path(), "202403", p);
    EXPECT_EQ(described->description, card.description);
}

}  // namespace
}  // namespace wazenie
