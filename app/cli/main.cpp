#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_application.h"
#include "app/cli/cli_command.h"
#include "app/cli/exit_codes.h"
#include "app/cli/report_commands.h"

namespace wazenie {

const std::vector<CliCommand>& cli_commands() {
    static const std::vector<CliCommand> commands = {
        {"run",
         "--recipe NAZWA --mass KG [--client KLIENT] [--operator NAZWA]\n"
         "               [--simulate] [--timeout S] [--verbose]",
         run_command},
        {"report", "--from RRRR-MM-DD --to RRRR-MM-DD [--client TEKST] [--recipe TEKST] [--output PLIK]",
         report_command},
        {"wz", "--month RRRRMM --doc NR --start \"RRRR-MM-DD GG:MM:SS\" [--pdf PLIK]", wz_command},
    };
    return commands;
}

namespace {

void print_usage(std::ostream& out) {
    out << "Użycie: wazenie-cli [--data KATALOG] POLECENIE [OPCJE]\n"
           "KATALOG: katalog z danymi (domyślnie dane w katalogu bieżącym).\n"
           "Polecenia:\n";
    for (const CliCommand& command : cli_commands()) {
        out << "  " << command.name << " " << command.usage << "\n";
    }
    out << "Hasło operatora: zmienna WAZENIE_HASLO albo jeden wiersz na wejściu.\n"
           "Kody wyjścia: 0 proces zakończony, 1 nie można otworzyć portu, 2 błędne argumenty lub wartości,\n"
           "  3 program już uruchomiony, 4 upłynął czas --timeout, 5 błąd zapisu w trakcie procesu.\n";
}

}  // namespace

}  // namespace wazenie

int main(int argc, char** argv) {
    using namespace wazenie;
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto app = make_cli_application(argc, argv, args);

    CommandContext context{"dane", {}};
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
            context.data_dir = args[++i];
        } else if (args[i].rfind("--data=", 0) == 0) {
            context.data_dir = args[i].substr(7);
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
            context.args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
            return command.run(context);
        }
    }
    std::cerr << "błąd: nieznane polecenie: " << args[i] << "\n";
    print_usage(std::cerr);
    return exit_code::kRefused;
}
