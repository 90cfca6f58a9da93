#include "options.h"

#include <iostream>

#include "core/number_text.h"
#include "core/process_records.h"
#include "in_flight.h"
#include "platform/qt_text.h"

#include <QCommandLineParser>

namespace wazenie::emulator {

namespace {

const char* const kDescription =
    "Emulator mierników wag dozujących: strona mierników na linii RS-232, do testów i do uruchamiania\n"
    "stanowiska bez wytwórni. Otwiera podane urządzenie szeregowe (8N1, bez sterowania przepływem) i "
    "odpowiada\n"
    "jak do czterech mierników:\n"
    "  A<n>;          odpowiedź wagowa: numer wagi, bajt stanu (b03 materiał lub 8 = opróżnianie, b45 "
    "tryb),\n"
    "                 masa w 9 znakach z liczbą miejsc po przecinku wagi, suma kontrolna CRC-16;\n"
    "  REC<n>; + 7    po ósmej ramce potwierdzenie P<n>, albo W<n>, gdy któraś ramka masy miała złą sumę;\n"
    "  STA/STO/PAU/TAR/ZER<n>;  potwierdzenie P<n>.\n"
    "Po STA miernik dozuje po kolei materiały receptury (--rate kg na każde zapytanie o masę), potem\n"
    "opróżnia zbiornik (b03 = 8) z malejącym odczytem aż do pustego i stałego, a dalej zgłasza\n"
    "zatrzymany pusty zbiornik. Odpowiedzi kończą się znakiem CR. Odpowiedź, której suma kontrolna\n"
    "zawierałaby bajt CR, LF lub ';' (stacja by ją ucięła), podaje odczyt o jedną-dwie działki obok.\n"
    "Usterki (RATE to N - co N-ta odpowiedź, albo P% - losowo z prawdopodobieństwem P procent):\n"
    "  --no-answer, --bad-crc, --wrong-scale, --garbage, --split; --dead n wyłącza wagę n całkowicie.\n"
    "Stacja porzuca polecenie, na które przyszła odpowiedź z inną wagą albo śmieci (--wrong-scale, "
    "--garbage);\n"
    "proces może wtedy nie dobiec końca. Przy rzadkich --no-answer, --bad-crc i --split proces dobiega "
    "końca:\n"
    "miernik pokazuje skończony materiał i pusty zbiornik, aż dotrze o tym nieuszkodzona odpowiedź.\n"
    "Z --in-flight materiał w powietrzu: gdy odczyt dojdzie do wysłanej masy, miernik zamyka dopływ, a na\n"
    "następne zapytanie spada jeszcze KG kg (z rozrzutem równomiernym ±NOISE kg z ziarna --seed i numeru\n"
    "wagi); następny materiał miernik dozuje od tego, co zbiornik wtedy pokazuje.\n"
    "Cyfry mas receptury miernik czyta z liczbą miejsc po przecinku z --decimals. Stacja wysyła najkrótszy\n"
    "zapis masy bez kropki (100 kg jako 00100, 12,5 kg jako 00125), a gdy konfig.ini podaje dla wagi\n"
    "[Miejsca_dziesietne_miernika] waga<n>, masę z dokładnie tyloma miejscami (przy 1: 100 kg jako 01000).\n"
    "Ustaw --decimals jak ten klucz; bez klucza masa o mniej niż --decimals miejscach po przecinku zostanie\n"
    "odczytana za mała (przy --decimals 2: 1,5 kg jako 0,15 kg, 100 kg jako 1 kg).";

bool parse_list(const QString& text, std::vector<int>& out) {
    out.clear();
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        const auto value = parse_int(from_qt(part.trimmed()));
        if (!value) {
            return false;
        }
        out.push_back(*value);
    }
    return true;
}

struct FaultOption {
    const char* name;
    FaultRate FaultPlan::*rate;
    const char* help;
};

const FaultOption kFaults[] = {
    {"no-answer", &FaultPlan::no_answer, "Brak odpowiedzi."},
    {"bad-crc", &FaultPlan::bad_crc, "Odpowiedź wagowa z błędną sumą kontrolną."},
    {"wrong-scale", &FaultPlan::wrong_scale, "Odpowiedź z numerem innej wagi."},
    {"garbage", &FaultPlan::garbage, "Przypadkowe bajty zakończone CR zamiast odpowiedzi."},
    {"split", &FaultPlan::split, "Odpowiedź wysłana w 2-4 kawałkach w odstępach kilku ms."},
};

std::optional<Options> fail(const std::string& text, int& exit_code) {
    std::cerr << "meter-emulator: " << text << "\n";
    exit_code = 2;
    return std::nullopt;
}

}  // namespace

std::optional<Options> parse_options(const QCoreApplication& app, int& exit_code) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addPositionalArgument("urządzenie",
                                 QString::fromUtf8("Urządzenie szeregowe, np. /dev/ttyUSB0 lub /dev/pts/3."));
    const QCommandLineOption baud("baud", QString::fromUtf8("Prędkość w bps (domyślnie 9600)."), "bps",
                                  "9600");
    const QCommandLineOption scales("scales", QString::fromUtf8("Obecne wagi, np. 1,2,3,4 (domyślnie)."),
                                    "lista", "1,2,3,4");
    const QCommandLineOption decimals(
        "decimals", QString::fromUtf8("Miejsca po przecinku wag 1, 2, 3, 4, np. 0,0,1,0 (domyślnie 0)."),
        "lista", "0");
    const QCommandLineOption rate(
        "rate", QString::fromUtf8("Kg dozowane na jedno zapytanie o masę (domyślnie 25)."), "kg", "25");
    const QCommandLineOption empty_rate(
        "empty-rate",
        QString::fromUtf8("Kg ubywające na zapytanie przy opróżnianiu (domyślnie 1/4 pełnego)."), "kg", "0");
    const QCommandLineOption dead("dead", QString::fromUtf8("Wagi, które nigdy nie odpowiadają, np. 3."),
                                  "lista");
    const QCommandLineOption in_flight(
        "in-flight",
        QString::fromUtf8("Materiał w powietrzu wag, N:KG[:NOISE] po przecinku, np. 1:4:0.5,2:12; KG i NOISE "
                          "z kropką dziesiętną (domyślnie brak)."),
        "lista");
    const QCommandLineOption seed(
        "seed", QString::fromUtf8("Ziarno losowania usterek i rozrzutu --in-flight (domyślnie 1)."), "n",
        "1");
    const QCommandLineOption verbose(
        "verbose", QString::fromUtf8("Wypisuje zapytania, odpowiedzi i usterki na stderr."));
    parser.addOptions({baud, scales, decimals, rate, empty_rate, in_flight, dead, seed, verbose});
    std::vector<QCommandLineOption> fault_options;
    for (const FaultOption& f : kFaults) {
        fault_options.emplace_back(QString::fromUtf8(f.name), QString::fromUtf8(f.help), "RATE");
        parser.addOption(fault_options.back());
    }
    parser.process(app);

    Options options;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        return fail("podaj jedno urządzenie szeregowe (--help opisuje opcje)", exit_code);
    }
    options.device = from_qt(positional[0]);
    options.verbose = parser.isSet(verbose);
    const auto bps = parse_int(from_qt(parser.value(baud)));
    const auto kg = parse_decimal(from_qt(parser.value(rate)));
    const auto empty_kg = parse_decimal(from_qt(parser.value(empty_rate)));
    const auto seed_value = parse_int(from_qt(parser.value(seed)));
    std::vector<int> scale_list, decimal_list, dead_list;
    if (!bps || !kg || *kg <= 0 || !empty_kg || *empty_kg < 0 || !seed_value ||
        !parse_list(parser.value(scales), scale_list) || !parse_list(parser.value(decimals), decimal_list) ||
        !parse_list(parser.value(dead), dead_list)) {
        return fail("nieprawidłowa wartość opcji (--help opisuje opcje)", exit_code);
    }
    const auto in_flight_by_scale = parser.isSet(in_flight)
                                        ? parse_in_flight(from_qt(parser.value(in_flight)))
                                        : std::map<int, InFlight>{};
    if (!in_flight_by_scale) {
        return fail("nieprawidłowa wartość opcji --in-flight (--help opisuje opcje)", exit_code);
    }
    options.baud_rate = *bps;
    options.emulator.seed = static_cast<unsigned>(*seed_value);
    for (const int n : scale_list) {
        if (n < 1 || n > kScales) {
            return fail("numer wagi spoza 1..4: " + std::to_string(n), exit_code);
        }
        Meter::Config meter;
        meter.scale = n;
        const std::size_t slot = static_cast<std::size_t>(n - 1);
        meter.decimals = decimal_list.empty() ? 0 : decimal_list[std::min(slot, decimal_list.size() - 1)];
        meter.rate = *kg;
        meter.empty_rate = *empty_kg;
        if (const auto found = in_flight_by_scale->find(n); found != in_flight_by_scale->end()) {
            meter.in_flight = found->second;
        }
        meter.seed = options.emulator.seed + static_cast<unsigned>(n);
        options.emulator.meters.push_back(meter);
    }
    options.emulator.dead.insert(dead_list.begin(), dead_list.end());
    for (std::size_t i = 0; i < fault_options.size(); ++i) {
        if (parser.isSet(fault_options[i]) &&
            !(options.emulator.faults.*kFaults[i].rate).parse(from_qt(parser.value(fault_options[i])))) {
            return fail(std::string("nieprawidłowa częstość usterki --") + kFaults[i].name, exit_code);
        }
    }
    return options;
}

}  // namespace wazenie::emulator
