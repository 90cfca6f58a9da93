#include "reports/wz_document.h"

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

}  // namespace
}  // namespace wazenie
