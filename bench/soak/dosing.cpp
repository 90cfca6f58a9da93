// Dosing accuracy with material in the air: PROCESSES processes (50 unless given) of the demo's recipe
// "B20 beton towarowy", 3000 kg in three cycles, back to back through one headless station, as
// wazenie-cli drives it, against meter-emulator with material in flight on every scale and no line
// faults; once with the in-flight correction off and once on, each on a fresh data folder and with the
// same spread. Prints per run the doses outside their tolerance, the mean and the largest deviation,
// over all processes and from the sixth on, what each material's orders missed by in kg, and the run
// time. Prints figures; judges nothing.
// Usage: bench_dosing [PROCESSES]
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/run_options.h"
#include "bench/soak/dose_figures.h"
#include "bench/soak/soak_station.h"
#include "reports/production_analysis.h"

#include <QCoreApplication>
#include <QDate>

using namespace wazenie;

namespace {

// The processes the correction is given to learn before the figures "from the sixth process on".
constexpr std::size_t kLearningProcesses = 5;

const std::vector<std::string> kRecipe = {
    "B20 beton towarowy\twaga1\tcement CEM I 42,5R\t300.0\t\t\t\t\t\t\t\t\t\t\t\t",
    "B20 beton towarowy\twaga2\tpiasek 0-2\t750\tżwir 2-8\t550\tżwir 8-16\t620\t\t\t\t\t\t\t\t",
    "B20 beton towarowy\twaga3\twoda\t175.0\t\t\t\t\t\t\t\t\t\t\t\t",
    "B20 beton towarowy\twaga4\tplastyfikator\t2.40\t\t\t\t\t\t\t\t\t\t\t\t"};

// At 3000 kg the aggregates (2403 kg) take three cycles of a 1000 kg scale, the other scales keep
// room for what lands. Cement and water are weighed to 0.1 kg, the admixture (1 kg a cycle) to 0.01 kg:
// the meters read and show as many places. EN 206 batching tolerances: 3 %, admixtures 5 %. What lands
// of the admixture is a fifth of its dose, so the correction may take up to 25 % of a target.
std::vector<std::string> settings(bool correction) {
    const std::string on = correction ? "1" : "0";
    return {"[Masa maksymalna wagi]",
            "waga1=200",
            "waga2=1000",
            "waga3=100",
            "waga4=5",
            "[Precyzja wagi]",
            "waga1=1",
            "waga2=0",
            "waga3=1",
            "waga4=2",
            "[Miejsca_dziesietne_miernika]",
            "waga1=1",
            "waga2=0",
            "waga3=1",
            "waga4=2",
            "[Tolerancje]",
            "domyslna=3",
            "plastyfikator=5",
            "[Korekta dozowania]",
            "wlaczona=" + on,
            "wyrownanie=" + on,
            "maks_procent=25"};
}

// Material in flight on scales 1..4 (cement, aggregates, water, admixture), read and shown with the places
// konfig.ini gives the meters.
const QStringList kEmulatorOptions = {"--rate",  "200",         "--decimals",
                                      "1,0,1,2", "--in-flight", "1:4:0.5,2:12:2,3:1.5:0.3,4:0.2:0.05"};

// The figures of one range of processes; nothing for a range without a dose.
void print_figures(const char* run, const char* processes, const bench::DoseFigures& figures) {
    if (figures.doses == 0) {
        return;
    }
    const bench::DeviationFigures& d = figures.deviations;
    std::printf(
        "%s: %s: %d doses, %d outside tolerance (%.1f %%), deviation mean %+.2f %%, largest %+.2f %%\n", run,
        processes, figures.doses, d.outside, d.judged > 0 ? 100.0 * d.outside / d.judged : 0.0, d.mean,
        d.largest);
    for (const bench::OrderError& e : figures.order_errors) {
        std::printf("%s: %s: order total off by mean %+7.2f kg, largest %+7.2f kg: %s\n", run, processes,
                    e.mean, e.largest, e.material_name.c_str());
    }
}

bool run_once(bool correction, int processes) {
    const char* run = correction ? "dosing on" : "dosing off";
    bench::SoakStation soak("dosing");
    if (!soak.start(kRecipe, settings(correction), kEmulatorOptions)) {
        return false;
    }
    RunOptions options;
    options.recipe = "B20 beton towarowy";
    options.mass = "3000";
    const QDate first_day = QDate::currentDate();
    const bench::SoakRun outcome = soak.run(options, processes);
    const QDate last_day = QDate::currentDate();
    soak.stop();

    const ReportQuery query{first_day.toString(Qt::ISODate).toStdString(),
                            last_day.toString(Qt::ISODate).toStdString(), "", ""};
    const auto analysis = analyse_production(soak.data(), query, soak.station().tolerances(), soak.dialogs());
    if (!analysis) {
        return false;
    }
    const bench::DoseFigures all = bench::dose_figures(*analysis, 0);
    std::printf(
        "%s: %d of %d processes started, %zu logged, up to %d cycles a process, %.1f s (%.2f s a process)\n",
        run, outcome.started, processes, analysis->processes.size(), all.cycles, outcome.seconds,
        outcome.started > 0 ? outcome.seconds / outcome.started : 0.0);
    print_figures(run, "all processes", all);
    print_figures(run, "from the 6th process", bench::dose_figures(*analysis, kLearningProcesses));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int processes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    for (const bool correction : {false, true}) {
        if (!run_once(correction, processes)) {
            return 1;
        }
    }
    return 0;
}
