#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/audit_command.h"
#include "app/cli/cli_application.h"
#include "app/cli/cli_command.h"
#include "app/cli/correction_commands.h"
#include "app/cli/exit_codes.h"
#include "app/cli/report_commands.h"
#include "app/cli/stock_commands.h"
#include "app/cli/verify_command.h"
#include "platform/data_location.h"

#include <QCoreApplication>

namespace wazenie {

const std::vector<CliCommand>& cli_commands() {
    static const std::vector<CliCommand> commands = {
        {"run",
         "--recipe NAZWA --mass KG [--client KLIENT] [--operator NAZWA]\n"
         "               [--wilgotnosc \"NAZWA=PROCENT\"]...\n"
         "               [--simulate] [--tak] [--timeout S] [--verbose]\n"
         "  run --resume [--operator NAZWA] [--simulate] [--timeout S] [--verbose]",
         run_command},
        {"stop", "[--operator NAZWA] [--tak] [--timeout S] [--verbose]", stop_command},
        {"report", "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST] [--output PLIK]",
         report_command},
        {"wz", "--doc NR [--month RRRRMM --start \"RRRR-MM-DD GG:MM:SS\"] [--pdf PLIK]", wz_command},
        {"karta", "--doc NR [--month RRRRMM --start \"RRRR-MM-DD GG:MM:SS\"] [--pdf PLIK]",
         batch_record_command},
        {"zuzycie",
         "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST]\n"
         "          [--rodzaj RODZAJ] [--csv PLIK]",
         consumption_command},
        {"dokladnosc",
         "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST]\n"
         "             [--rodzaj RODZAJ] [--csv PLIK]",
         accuracy_command},
        {"produkcja", "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST] [--csv PLIK]",
         daily_command},
        {"wc", "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST] [--csv PLIK]",
         water_cement_command},
        {"magazyn",
         "(stan magazynu)\n  magazyn dostawa --material NAZWA --kg KG [--dokument NR] [--operator NAZWA]\n"
         "  magazyn inwentura --material NAZWA --kg KG [--operator NAZWA]\n"
         "  magazyn ruchy --from RRRR-MM-DD --to RRRR-MM-DD [--csv PLIK]",
         stock_command},
        {"korekty", "[--zeruj [--waga N] [--material NAZWA]]", corrections_command},
        {"weryfikuj", "[--from RRRRMM] [--to RRRRMM]", verify_command},
        {"dziennik", "[--from RRRR-MM-DD] [--to RRRR-MM-DD] [--csv PLIK]", audit_command},
    };
    return commands;
}

namespace {

void print_usage(std::ostream& out) {
    out << "Użycie: wazenie-cli [--data KATALOG] POLECENIE [OPCJE]\n"
           "KATALOG: katalog z danymi (domyślnie dane obok programu, jeśli istnieje,\n"
           "  w przeciwnym razie dane w katalogu danych użytkownika).\n"
           "Polecenia:\n";
    for (const CliCommand& command : cli_commands()) {
        out << "  " << command.name << " " << command.usage << "\n";
    }
    out << "zuzycie, dokladnosc, produkcja: zużycie materiałów, dokładność dozowania wobec tolerancji\n"
           "  z konfig.ini [Tolerancje] i produkcja dzienna; z --csv zapis do pliku CSV zamiast tabeli.\n"
           "  --rodzaj RODZAJ (cement, woda, kruszywo, domieszka, dodatek): tylko materiały tego rodzaju\n"
           "  z dane/materialy_rodzaje.txt; zuzycie podaje też sumy według rodzajów.\n"
           "wc: wskaźnik woda/cement każdego procesu z cementem, średni i największy; woda efektywna\n"
           "  to woda i woda w wilgotnym kruszywie (wilgotność z karty procesu); z --csv do pliku.\n"
           "run --resume: dalszy ciąg procesu zapisanego w status.txt po przerwaniu.\n"
           "run --tak: rozpoczyna także wtedy, gdy w magazynie jest za mało materiału\n"
           "  albo wilgotność kruszyw jest nieaktualna (konfig.ini [Wilgotnosc] waznosc_godz).\n"
           "run --wilgotnosc \"NAZWA=PROCENT\": wilgotność kruszywa receptury (0 do 20, z przecinkiem\n"
           "  lub kropką), powtarzana dla każdego kruszywa; zapisana w wilgotnosc.txt. Bez niej obowiązuje\n"
           "  ostatnia zapisana.\n"
           "magazyn: stan materiałów (dane/magazyn.txt); dostawa i inwentura (policzona masa, różnica\n"
           "  ze stanem trafia do pliku) przez administratora albo każdego, gdy konfig.ini\n"
           "  [Uprawnienia] magazyn_dla_wszystkich=1; ruchy: ruchy w dniach z sumami, z --csv do pliku.\n"
           "korekty: korekty dozowania wyuczone na wagach (dane/korekty.txt): waga, materiał, korekta\n"
           "  w kg, liczba dozowań; --zeruj zeruje wszystkie albo tylko wagi N i/lub materiału NAZWA.\n"
           "weryfikuj: sprawdza, czy zapisy miesięcy (RRRRMM.txt), karty procesów (RRRRMM_karta.txt)\n"
           "  i dziennik zmian nie zostały zmienione po zapisaniu, wobec podpisów w RRRRMM.sha; podaje\n"
           "  każdą niezgodność (plik, linia, numer WZ) i wynik każdego pliku. Miesiące bez pliku .sha\n"
           "  są \"bez podpisu\". --from i --to: miesiące RRRRMM (albo RRRR-MM-DD jak w raportach);\n"
           "  bez nich wszystkie.\n"
           "dziennik: dziennik zmian (dane/dziennik_zmian.txt): kto i kiedy zmienił receptury, materiały,\n"
           "  klientów, operatorów, ustawienia, numer WZ, korekty, wilgotność, parametry procesu;\n"
           "  start, stop i wznowienie procesu; z --csv do pliku.\n"
           "stop: STOP całego procesu z status.txt (czas zakończenia, zapis w pliku miesiąca, STO do\n"
           "  włączonych wag); pytania potwierdza wiersz \"t\" na wejściu albo opcja --tak.\n"
           "wz bez --month i --start: ostatni zapis dokumentu o tym numerze w plikach miesięcy.\n"
           "karta: karta zarobu procesu (znajdowanego jak wz): cykle i materiały, masa sucha, wilgotność,\n"
           "  zadana, wysłana do miernika, dozowana, odchyłka wobec tolerancji i w/c wobec receptury.\n"
           "Hasło operatora: zmienna WAZENIE_HASLO albo jeden wiersz na wejściu.\n"
           "Kody wyjścia: 0 proces zakończony, 1 nie można otworzyć portu, 2 błędne argumenty lub wartości,\n"
           "  3 program już uruchomiony, 4 upłynął czas --timeout,\n"
           "  5 błąd zapisu lub odczytu: zapis procesu, plik raportu, PDF, standardowe wyjście,\n"
           "  nieczytelny plik miesiąca (wtedy bez wyniku) lub korekt, blokada w katalogu tylko do odczytu,\n"
           "  6 przerwano sygnałem SIGINT lub SIGTERM (proces zapisany w status.txt),\n"
           "  8 weryfikuj: zapisy zmienione po zapisaniu.\n";
}

}  // namespace

}  // namespace wazenie

int main(int argc, char** argv) {
    using namespace wazenie;
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto app = make_cli_application(argc, argv, args);
    set_application_names();

    std::optional<std::filesystem::path> given_data;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--help") {
            print_usage(std::cout);
            return exit_code::kDone;
        }
        if (args[i] == "--data") {
            if (i + 1 == args.size()) {
                std::cerr << "błąd: opcja --data wymaga wartości\n";
                return exit_code::kRefused;
            }
            given_data = args[++i];
        } else if (args[i].rfind("--data=", 0) == 0) {
            given_data = args[i].substr(7);
        } else {
            std::cerr << "błąd: nieznana opcja: " << args[i] << "\n";
            print_usage(std::cerr);
            return exit_code::kRefused;
        }
    }
    if (i == args.size()) {
        print_usage(std::cerr);
        return exit_code::kRefused;
    }
    for (const CliCommand& command : cli_commands()) {
        if (args[i] == command.name) {
            const auto location = locate_data_dir(given_data);
            if (!location) {
                std::cerr << "błąd: " << location.error().what << "\n";
                return exit_code::kRefused;
            }
            std::cerr << "Dane: " << location->dir.string() << std::endl;
            CommandContext context{location->dir, {}};
            context.args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
            return command.run(context);
        }
    }
    std::cerr << "błąd: nieznane polecenie: " << args[i] << "\n";
    print_usage(std::cerr);
    return exit_code::kRefused;
}
