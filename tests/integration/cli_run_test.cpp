#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/scratch_dir.h"
#include "platform/instance_lock.h"
#include "pty_bridge.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include <gtest/gtest.h>
#include <unistd.h>

namespace wazenie::testing {
namespace {

namespace fs = std::filesystem;

// Four scales whose shares each need three cycles: 300/120, 1200/500, 150/60 and 30/12 kg.
const std::vector<std::string> kRecipe = {
    "Beton próbny\twaga1\tcement\t300\t\t\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga2\tpiasek 0-2\t600\tżwir 2-8\t600\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga3\twoda\t150\t\t\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga4\tdomieszka\t30\t\t\t\t\t\t\t\t\t\t\t\t",
};

std::vector<std::string> settings_lines(const std::string& port_device, int port) {
    return {"[Podlaczone_wagi]", "waga1=1", "waga2=1", "waga3=1", "waga4=1", "[Masa maksymalna wagi]",
            "waga1=120", "waga2=500", "waga3=60", "waga4=12", "[Oproznianie_zbiornika]", "waga1_min=1",
            "waga2_min=1", "waga3_min=1", "waga4_min=1", "waga1_sta=1", "waga2_sta=1", "waga3_sta=1",
            "waga4_sta=1", "[Precyzja wagi]", "waga1=0", "waga2=0", "waga3=0", "waga4=0", "[Polaczenie_RS]",
            "port=" + std::to_string(port), "predkosc=9600",
            // Ticks of 9 ms: short waits keep the run to seconds even with lost answers.
            "czas_oczekiwania=25", "opoznienie_wysylania=2", "opoznienie_wysylania_receptury=1", "[Porty]",
            "COM1=" + port_device, "COM3=/nonexistent/tty-wazenie"};
}

struct CliResult {
    int exit_code = -1;
    std::string errors;  // what it wrote to stderr
    std::string output;  // and to stdout
};

class CliRunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_integration";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    void SetUp() override {
        ASSERT_TRUE(text_file::write_lines(data / "receptury.txt", kRecipe).ok());
        ASSERT_TRUE(
            text_file::write_lines(data / "klienci.txt", {"BUDREX\tBudrex Sp. z o.o.\tKielce\t   -   -  -  "})
                .ok());
        write_settings(1);
    }

    void TearDown() override {
        if (emulator.state() != QProcess::NotRunning) {
            emulator.kill();
            emulator.waitForFinished(5000);
        }
    }

    void write_settings(int port) {
        ASSERT_TRUE(
            text_file::write_lines(data / "konfig.ini", settings_lines(bridge.station_device(), port)).ok());
    }

    // The meters' side on the bridge, with faults on the line.
    void start_emulator(const QStringList& faults) {
        ASSERT_TRUE(bridge.ok());
        QStringList arguments = faults;
        arguments << "--rate"
                  << "40" << QString::fromStdString(bridge.meter_device());
        emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        emulator.start(METER_EMULATOR, arguments);
        ASSERT_TRUE(emulator.waitForStarted(5000));
        ASSERT_TRUE(run_events_until([&] { return emulator.canReadLine(); }, 10000)) << "no emulator port";
    }

    // Keeps the event loop (and so the bridge) running while the condition is false, within a bound.
    static bool run_events_until(const std::function<bool()>& done, int limit_ms) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (done()) {
                loop.quit();
            }
        });
        QTimer::singleShot(limit_ms, &loop, &QEventLoop::quit);
        poll.start(20);
        if (!done()) {
            loop.exec();
        }
        return done();
    }

    // With `signal`, the run takes it once --verbose shows the loop sending.
    CliResult run_cli(const QStringList& run_arguments, const QString& password = "817", int signal = 0) {
        return run_command(QStringList{"run"} + run_arguments, password, signal);
    }

    // Standard error so far tells when the signal is due; by default once the loop sends.
    using SignalDue = std::function<bool(const std::string& errors)>;

    CliResult run_command(const QStringList& command, const QString& password = "817", int signal = 0,
                          const QByteArray& input = {}, const SignalDue& due = {}) {
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("WAZENIE_HASLO", password);
        cli.setProcessEnvironment(environment);
        QStringList arguments{"--data", QString::fromStdString(data.path().string())};
        arguments << command;
        cli.start(WAZENIE_CLI, arguments);
        EXPECT_TRUE(cli.waitForStarted(5000));
        cli.write(input);
        cli.closeWriteChannel();
        std::string errors;
        if (signal != 0) {
            EXPECT_TRUE(run_events_until(
                [&] {
                    errors += cli.readAllStandardError().toStdString();
                    return due ? due(errors) : errors.find(" >> ") != std::string::npos;
                },
                20000));
            ::kill(static_cast<pid_t>(cli.processId()), signal);
        }
        bool ended = run_events_until([&] { return cli.state() == QProcess::NotRunning; }, 150000);
        if (!ended) {
            cli.kill();
            cli.waitForFinished(5000);
        }
        CliResult result;
        result.errors = errors + cli.readAllStandardError().toStdString();
        result.output = cli.readAllStandardOutput().toStdString();
        result.exit_code = ended && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        return result;
    }

    // The "r" lines of every month's log in the data directory.
    std::vector<std::string> logged_processes() const {
        std::vector<std::string> records;
        for (const auto& entry : fs::directory_iterator(data.path())) {
            std::string name = entry.path().filename().string();
            if (name.size() == 10 && name.substr(6) == ".txt" && name.find_first_not_of("0123456789") == 6) {
                auto lines = text_file::read_lines(entry.path());
                for (const std::string& line : lines.value()) {
                    if (tab_field(line, 0) == "r") {
                        records.push_back(line);
                    }
                }
            }
        }
        return records;
    }

    std::vector<std::string> status_lines(const std::string& kind) const {
        std::vector<std::string> lines;
        auto file = text_file::read_lines(data / "status.txt");
        for (const std::string& line : file.value()) {
            if (tab_field(line, 0) == kind) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    ScratchDir data;
    PtyBridge bridge;
    QProcess emulator;
};

TEST_F(CliRunTest, AWholeProcessRunsAgainstTheMetersOnANoisyLine) {
    start_emulator({"--bad-crc", "7", "--no-answer", "11", "--split", "5"});
    CliResult result =
        run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--client", "BUDREX", "--timeout", "120"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_NE(result.errors.find("informacja: Proces naważania został zakończony!"), std::string::npos);

    std::vector<std::string> records = logged_processes();
    ASSERT_EQ(records.size(), 1u);
    const std::string& record = records[0];
    EXPECT_EQ(tab_field(record, 1), "WZ/1/" + tab_field(record, 2).substr(0, 4));
    EXPECT_NE(tab_field(record, 2), "---");
    EXPECT_NE(tab_field(record, 3), "---");
    EXPECT_EQ(tab_field(record, 4), "3");
    EXPECT_EQ(tab_field(record, 5), "3");
    EXPECT_EQ(tab_field(record, 9), "Beton próbny");
    EXPECT_EQ(tab_field(record, 10), "BUDREX");
    EXPECT_EQ(tab_field(record, 11), "ADMINISTRATOR");
    // Lost and damaged answers may cost a material its last reading, never add to it.
    double weighed = std::stod(tab_field(record, 7));
    EXPECT_GE(weighed, 1680 * 0.5);
    EXPECT_LE(weighed, 1680 * 1.05);

    // The status file holds the same finished process, every scale completed in the last cycle.
    std::vector<std::string> r = status_lines("r");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], record);
    std::vector<std::string> scales = status_lines("w");
    ASSERT_EQ(scales.size(), 4u);
    for (const std::string& w : scales) {
        EXPECT_EQ(tab_field(w, 8), "3") << w;
        EXPECT_EQ(tab_field(w, 9), "3") << w;
    }
}

// Cement and water are kept in stock; the others are not. A start the stock cannot cover needs --tak.
TEST_F(CliRunTest, TheStockTakesWhatTheLogRecordsAsDosed) {
    start_emulator({});
    ASSERT_EQ(run_command({"magazyn", "dostawa", "--material", "cement", "--kg", "250", "--dokument", "DN 1"})
                  .exit_code,
              0);
    ASSERT_EQ(run_command({"magazyn", "dostawa", "--material", "woda", "--kg", "5000"}).exit_code, 0);
    CliResult refused = run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--timeout", "120"});
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_NE(refused.errors.find("Za mało materiału w magazynie: cement: potrzeba 300 kg, stan 250 kg."),
              std::string::npos)
        << refused.errors;
    EXPECT_TRUE(logged_processes().empty());

    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--tak", "--timeout", "120"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    const std::string start = tab_field(logged_processes().at(0), 2);
    const auto month_log = text_file::read_lines(data / (start.substr(0, 4) + start.substr(5, 2) + ".txt"));
    std::map<std::string, std::string> logged;  // the dosed total of each material's line
    for (const std::string& line : month_log.value()) {
        if (tab_field(line, 0) == "wm") {
            logged[tab_field(line, 3)] = tab_field(line, 4);
        }
    }
    const auto ledger = text_file::read_lines(data / "magazyn.txt").value();
    ASSERT_EQ(ledger.size(), 4u);
    for (const std::string& line : {ledger[2], ledger[3]}) {
        EXPECT_EQ(tab_field(line, 1), "zużycie");
        EXPECT_EQ(std::stod(tab_field(line, 3)), -std::stod(logged.at(tab_field(line, 2)))) << line;
    }
}

// 6 kg of cement and 12 kg of each aggregate land after the feed closes: the station learns it in the
// first cycle, sends less from the second, and the last one makes up the order to its kilogram.
TEST_F(CliRunTest, TheCorrectionLearnsWhatLandsAndTheOrderComesOutWhole) {
    ASSERT_TRUE(text_file::append_lines(
        data / "konfig.ini", {"[Korekta dozowania]", "wlaczona=1", "wyrownanie=1", "maks_procent=10"}));
    start_emulator({"--in-flight", "1:6,2:12"});
    CliResult result =
        run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--timeout", "120", "--verbose"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    for (const char* sent : {" >> REC1;", " >> 00100", " >> 00094", " >> 00088"}) {
        EXPECT_NE(result.errors.find(sent), std::string::npos) << sent;
    }
    EXPECT_LT(result.errors.find(" >> 00094"), result.errors.find(" >> 00088"));
    const std::string start = tab_field(logged_processes().at(0), 2);
    const auto month_log = text_file::read_lines(data / (start.substr(0, 4) + start.substr(5, 2) + ".txt"));
    std::map<std::string, std::string> logged;  // the dosed total of each material's line
    for (const std::string& line : month_log.value()) {
        if (tab_field(line, 0) == "wm") {
            logged[tab_field(line, 3)] = tab_field(line, 4);
        }
    }
    EXPECT_EQ(logged.at("cement"), "300");
    EXPECT_EQ(logged.at("piasek 0-2"), "600");
    EXPECT_EQ(logged.at("żwir 2-8"), "600");
    // Water and admixture land nothing: learned as 0.
    std::vector<std::string> learned = text_file::read_lines(data / "korekty.txt").value();
    std::sort(learned.begin(), learned.end());
    EXPECT_EQ(learned,
              (std::vector<std::string>{"1\tcement\t6\t3", "2\tpiasek 0-2\t12\t3", "2\tżwir 2-8\t12\t3",
                                        "3\twoda\t0\t3", "4\tdomieszka\t0\t3"}));
}

// Sand at 5 % brings 30 kg of water over the process: the meters get 630 kg of sand and 120 kg of water
// in three cycles, and the batch card and the moisture file keep what was given.
TEST_F(CliRunTest, AWetAggregateIsDosedWetAndTheWaterItBringsIsTakenOff) {
    ASSERT_TRUE(text_file::write_lines(data / "materialy_rodzaje.txt",
                                       {"piasek 0-2\tkruszywo", "żwir 2-8\tkruszywo", "woda\twoda"})
                    .ok());
    start_emulator({});
    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--wilgotnosc", "piasek 0-2=5",
                                "--timeout", "120", "--verbose"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    for (const char* sent : {" >> 00210", " >> 00040"}) {
        EXPECT_NE(result.errors.find(sent), std::string::npos) << sent;
    }
    const std::string start = tab_field(logged_processes().at(0), 2);
    const auto card = text_file::read_lines(data / (start.substr(0, 4) + start.substr(5, 2) + "_karta.txt"));
    ASSERT_TRUE(card);
    EXPECT_NE(std::find(card->begin(), card->end(), "km\t2\t1\tpiasek 0-2\tkruszywo\t600\t5\t630"),
              card->end());
    const auto moisture = text_file::read_lines(data / "wilgotnosc.txt");
    ASSERT_TRUE(moisture);
    ASSERT_EQ(moisture->size(), 1u);
    EXPECT_EQ(tab_field(moisture->at(0), 0), "piasek 0-2");
    EXPECT_EQ(tab_field(moisture->at(0), 1), "5");
    EXPECT_EQ(tab_field(moisture->at(0), 3), "ADMINISTRATOR");
}

TEST_F(CliRunTest, ASimulatedProcessRunsOnACopyOfTheDemoData) {
    fs::remove_all(data.path());
    fs::copy(DEMO_DATA, data.path(), fs::copy_options::recursive);
    CliResult result = run_cli({"--recipe", "B20 beton towarowy", "--mass", "3000", "--client", "BUDREX",
                                "--simulate", "--timeout", "120"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> records = logged_processes();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(tab_field(records[0], 9), "B20 beton towarowy");
    EXPECT_TRUE(fs::exists(data / "operatorzy.txt"));
    EXPECT_FALSE(fs::exists(fs::path(DEMO_DATA) / "status.txt"));
}

// The truck and site given to the run come back on the WZ of the logged process.
TEST_F(CliRunTest, TheTruckAndSiteOfARunArePrintedOnItsWz) {
    fs::remove_all(data.path());
    fs::copy(DEMO_DATA, data.path(), fs::copy_options::recursive);
    ASSERT_TRUE(text_file::append_lines(data / "konfig.ini", {"[Dokument WZ]", "pn_en_206=1"}));
    CliResult result =
        run_cli({"--recipe", "B20 beton towarowy", "--mass", "3000", "--client", "BUDREX", "--samochod",
                 "WGM 12345", "--budowa", "Kielce, Polna 3", "--simulate", "--timeout", "120"});
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(run_cli({"--resume", "--samochod", "X"}).exit_code, 2);
    const std::string doc = tab_field(logged_processes().at(0), 1);
    CliResult wz = run_command({"wz", "--doc", QString::fromStdString(doc)});
    ASSERT_EQ(wz.exit_code, 0) << wz.errors;
    for (const char* line : {"Samochód:            WGM 12345", "Budowa:              Kielce, Polna 3"}) {
        EXPECT_NE(wz.output.find(line), std::string::npos) << line;
    }
}

TEST_F(CliRunTest, ASecondCopyEndsAndWritesNothing) {
    InstanceLock first(data.path());
    ASSERT_TRUE(first.acquire());
    auto settings_before = read_bytes(data / "konfig.ini");
    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "100", "--simulate"});
    EXPECT_EQ(result.exit_code, 3);
    EXPECT_NE(result.errors.find("błąd: Program jest już w uruchomiony!"), std::string::npos)
        << result.errors;
    EXPECT_EQ(read_bytes(data / "konfig.ini"), settings_before);
    EXPECT_FALSE(fs::exists(data / "operatorzy.txt"));
    EXPECT_FALSE(fs::exists(data / "status.txt"));
}

TEST_F(CliRunTest, AReadOnlyDataFolderIsNotTakenForASecondCopy) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into a read-only folder; this case needs an ordinary user";
    }
    fs::permissions(data.path(), fs::perms::owner_write, fs::perm_options::remove);
    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "100", "--simulate"});
    fs::permissions(data.path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(result.exit_code, 5);
    EXPECT_NE(
        result.errors.find("błąd: Nie można utworzyć pliku blokady, katalog z danymi jest tylko do odczytu"),
        std::string::npos)
        << result.errors;
}

TEST_F(CliRunTest, APortThatCannotBeOpenedIsReported) {
    write_settings(3);
    ASSERT_TRUE(text_file::append_lines(data / "konfig.ini", {"[Inne]", "blokuj_wcisniete_przyciski=tak"}));
    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "100"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.errors.find("ostrzeżenie: Błędne wartości w pliku konfig.ini:\n"
                                 "ostrzeżenie: [Inne] blokuj_wcisniete_przyciski=tak → przyjęto 0\n"),
              std::string::npos)
        << result.errors;
    EXPECT_NE(result.errors.find("brak połączenia! (port COM3, 9600bps)"), std::string::npos)
        << result.errors;
    EXPECT_FALSE(fs::exists(data / "status.txt"));
}

TEST_F(CliRunTest, RefusalsEndWithCodeTwoAndLeaveNoProcess) {
    struct Case {
        QStringList arguments;
        QString password;
        std::string message;
    };
    std::vector<Case> cases = {
        {{"--recipe", "Beton próbny", "--mass", "100", "--simulate"}, "818", "błąd: Błędne hasło!"},
        {{"--recipe", "Beton próbny", "--mass", "10x", "--simulate"}, "817", "błąd: Błędna wartość!"},
        {{"--recipe", "beton próbny", "--mass", "100", "--simulate"},
         "817",
         "błąd: Nie ma receptury: beton próbny"},
        {{"--recipe", "Beton próbny", "--mass", "100", "--operator", "NOWAK", "--simulate"},
         "817",
         "błąd: Nie ma operatora: NOWAK"},
        {{"--recipe", "Beton próbny", "--simulate"}, "817", "błąd: brak opcji --mass"},
        {{"--recipe", "Beton próbny", "--mass", "100", "--client", "BUDREXX", "--simulate"},
         "817",
         "błąd: Nie ma klienta: BUDREXX (klienci.txt)"},
        {{"--recipe", "Beton próbny", "--mass", "100", "--speed"}, "817", "błąd: nieznana opcja: --speed"},
        {{"--recipe", "Beton próbny", "--mass", "100", "--timeout", "0"},
         "817",
         "błąd: błędny czas --timeout: 0"},
    };
    for (const Case& c : cases) {
        CliResult result = run_cli(c.arguments, c.password);
        EXPECT_EQ(result.exit_code, 2) << c.message;
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
    }
    EXPECT_TRUE(logged_processes().empty());
    // A wrong password is no login, so no status file; refused values left the resumed (empty) process.
    EXPECT_TRUE(!fs::exists(data / "status.txt") || status_lines("r").size() == 1u);
}

TEST_F(CliRunTest, SilentMetersEndWithTheTimeLimitAndASavedStatus) {
    CliResult result = run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--timeout", "1"});
    EXPECT_EQ(result.exit_code, 4) << result.errors;
    ASSERT_TRUE(fs::exists(data / "status.txt"));
    std::vector<std::string> r = status_lines("r");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(tab_field(r[0], 9), "Beton próbny");
    EXPECT_EQ(tab_field(r[0], 3), "---");
    EXPECT_TRUE(logged_processes().empty());
}

TEST_F(CliRunTest, ARunWhoseWeightDocCannotBeSavedEndsAtOnceWithoutARecord) {
    // A folder with something in it where konfig.ini's work file goes: no save can replace the file.
    fs::create_directory(data / "konfig.ini.tmp");
    ASSERT_TRUE(text_file::write_lines(data / "konfig.ini.tmp" / "x", {"x"}).ok());
    auto settings_before = read_bytes(data / "konfig.ini");
    CliResult result =
        run_cli({"--recipe", "Beton próbny", "--mass", "100", "--simulate", "--timeout", "60"});
    EXPECT_EQ(result.exit_code, 5) << result.errors;
    EXPECT_NE(result.errors.find("błąd: Wagi nie zostały uruchomione: nie można zapisać numeru dokumentu WZ"),
              std::string::npos)
        << result.errors;
    EXPECT_TRUE(logged_processes().empty());
    EXPECT_EQ(read_bytes(data / "konfig.ini"), settings_before);
    ASSERT_EQ(status_lines("r").size(), 1u);
    EXPECT_EQ(tab_field(status_lines("r")[0], 2), "---");
}

TEST_F(CliRunTest, ResumeCarriesATimedOutProcessToItsRecord) {
    start_emulator({});
    ASSERT_EQ(run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--timeout", "1"}).exit_code, 4);
    // Without --resume the begun process blocks a new one.
    CliResult blocked = run_cli({"--recipe", "Beton próbny", "--mass", "100", "--timeout", "1"});
    EXPECT_EQ(blocked.exit_code, 2);
    EXPECT_NE(blocked.errors.find("Naciśnij STOP"), std::string::npos) << blocked.errors;

    CliResult resumed = run_cli({"--resume", "--timeout", "120"});
    ASSERT_EQ(resumed.exit_code, 0) << resumed.errors;
    std::vector<std::string> records = logged_processes();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(tab_field(records[0], 5), "3");
    EXPECT_EQ(tab_field(records[0], 9), "Beton próbny");

    CliResult nothing_left = run_cli({"--resume", "--timeout", "1"});
    EXPECT_EQ(nothing_left.exit_code, 2);
    EXPECT_NE(nothing_left.errors.find("nie ma niezakończonego procesu"), std::string::npos)
        << nothing_left.errors;
    EXPECT_EQ(run_cli({"--resume", "--mass", "100"}).exit_code, 2);
}

TEST_F(CliRunTest, SignalsEndARunWithItsStatusSavedForResume) {
    start_emulator({});
    CliResult first = run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--verbose"}, "817", SIGINT);
    EXPECT_EQ(first.exit_code, 6) << first.errors;
    ASSERT_EQ(status_lines("r").size(), 1u);
    EXPECT_EQ(tab_field(status_lines("r")[0], 9), "Beton próbny");
    EXPECT_EQ(run_cli({"--resume", "--verbose"}, "817", SIGTERM).exit_code, 6);
    EXPECT_TRUE(logged_processes().empty());
    ASSERT_EQ(run_cli({"--resume", "--timeout", "120"}).exit_code, 0);
    EXPECT_EQ(logged_processes().size(), 1u);
}

TEST_F(CliRunTest, ResumeCarriesAKilledProcessToItsRecord) {
    start_emulator({});
    // Killed without warning once the status file holds the process in its second cycle.
    const auto in_second_cycle = [this](const std::string&) {
        const auto lines = text_file::read_lines(data / "status.txt");
        return lines.ok() && lines.value().size() > 5 && tab_field(lines.value()[5], 0) == "r" &&
               tab_field(lines.value()[5], 4) == "2";
    };
    run_command({"run", "--recipe", "Beton próbny", "--mass", "1680"}, "817", SIGKILL, {}, in_second_cycle);
    EXPECT_TRUE(logged_processes().empty());

    CliResult resumed = run_cli({"--resume", "--timeout", "120"});
    ASSERT_EQ(resumed.exit_code, 0) << resumed.errors;
    const std::vector<std::string> records = logged_processes();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(tab_field(records[0], 4), "3");
}

TEST_F(CliRunTest, StopEndsTheSavedProcessAndSendsSto) {
    start_emulator({});
    ASSERT_EQ(run_cli({"--recipe", "Beton próbny", "--mass", "1680", "--timeout", "1"}).exit_code, 4);
    CliResult declined = run_command({"stop"}, "817", 0, "n\n");
    EXPECT_EQ(declined.exit_code, 2);
    EXPECT_NE(declined.errors.find("pytanie: Czy na pewno zakończyć proces naważania? [t/N]"),
              std::string::npos)
        << declined.errors;
    EXPECT_TRUE(logged_processes().empty());

    CliResult stopped = run_command({"stop", "--verbose"}, "817", 0, "t\n");
    ASSERT_EQ(stopped.exit_code, 0) << stopped.errors;
    EXPECT_NE(stopped.errors.find(">> STO"), std::string::npos) << stopped.errors;
    std::vector<std::string> records = logged_processes();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(tab_field(records[0], 3), "---");
    EXPECT_EQ(status_lines("r")[0], records[0]);

    // A stopped process is not resumed; --tak answers the second confirmation too.
    EXPECT_EQ(run_cli({"--resume", "--timeout", "1"}).exit_code, 2);
    EXPECT_EQ(run_command({"stop", "--tak", "--timeout", "30"}).exit_code, 0);
}

TEST_F(CliRunTest, AScaleThatStopsAnsweringIsToldAtOnceAndAgainWhenItAnswers) {
    const std::string lost = "ostrzeżenie: waga 1: brak połączenia z wagą";
    const std::string back = "informacja: waga 1: połączenie z wagą przywrócone";
    // The meters come only once scale 1 has been reported lost.
    CliResult result = run_command(
        {"run", "--recipe", "Beton próbny", "--mass", "1680"}, "817", SIGTERM, {},
        [&](const std::string& errors) {
            if (errors.find(lost) != std::string::npos && emulator.state() == QProcess::NotRunning) {
                start_emulator({});
            }
            return errors.find(back) != std::string::npos;
        });
    EXPECT_EQ(result.exit_code, 6) << result.errors;
    const std::size_t lost_at = result.errors.find(lost);
    ASSERT_NE(lost_at, std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find(back, lost_at), std::string::npos) << result.errors;
}

}  // namespace
}  // namespace wazenie::testing
