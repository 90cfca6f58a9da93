// A working day at one station: PROCESSES weighing processes back to back (300 unless given) through
// one headless station, as wazenie-cli drives it, against meter-emulator over a pseudo-terminal pair
// with lost, damaged and split answers on the line. Prints the resident memory at the start, after the
// first process and at the end, the records written to the month logs and the processes lost
// (started, not logged). Prints figures; judges nothing.
// Usage: bench_working_day [PROCESSES]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/run_options.h"
#include "bench/process_memory.h"
#include "bench/soak/soak_station.h"
#include "storage/month_log.h"
#include "storage/process_file.h"

#include <QCoreApplication>

using namespace wazenie;

namespace {

// One cycle of every scale per process: 100/120, 400/500, 50/60 and 10/12 kg at 560 kg.
const std::vector<std::string> kRecipe = {
    "Beton próbny\twaga1\tcement\t300\t\t\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga2\tpiasek 0-2\t600\tżwir 2-8\t600\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga3\twoda\t150\t\t\t\t\t\t\t\t\t\t\t\t",
    "Beton próbny\twaga4\tdomieszka\t30\t\t\t\t\t\t\t\t\t\t\t\t"};

const std::vector<std::string> kSettings = {
    "[Masa maksymalna wagi]", "waga1=120", "waga2=500", "waga3=60", "waga4=12",
    "[Precyzja wagi]",        "waga1=0",   "waga2=0",   "waga3=0",  "waga4=0"};

double resident_megabytes() {
    return bench::status_megabytes("VmRSS");
}

// The "r" lines of every month's log in the folder (a day may cross a month's end).
long logged_records(const std::filesystem::path& dir) {
    long records = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!log_month(entry.path())) {
            continue;
        }
        if (auto lines = read_process_lines(entry.path()); lines.ok()) {
            records += static_cast<long>(lines->size());
        }
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int processes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    bench::SoakStation soak("working_day");
    if (!soak.start(kRecipe, kSettings,
                    {"--rate", "200", "--bad-crc", "7", "--no-answer", "11", "--split", "5"})) {
        return 1;
    }
    RunOptions options;
    options.recipe = "Beton próbny";
    options.mass = "560";

    const double start_mb = resident_megabytes();
    double first_mb = start_mb;
    const bench::SoakRun run = soak.run(options, processes, [&](int k) {
        if (k == 0) {
            first_mb = resident_megabytes();
        }
    });
    const double end_mb = resident_megabytes();
    soak.stop();

    const long written = logged_records(soak.data());
    std::printf("working_day: %d of %d processes started, %.1f s (%.2f s a process)\n", run.started,
                processes, run.seconds, run.started > 0 ? run.seconds / run.started : 0.0);
    std::printf("working_day: records written = %ld, records lost = %ld (aim 0)\n", written,
                run.started - written);
    std::printf(
        "working_day: resident memory at the start = %.2f MB, after the first process = %.2f MB, "
        "at the end = %.2f MB\n",
        start_mb, first_mb, end_mb);
    std::printf("working_day: growth since the first process = %.2f MB (aim within 1 MB)\n",
                end_mb - first_mb);
    return 0;
}
