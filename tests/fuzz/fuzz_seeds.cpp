// Writes the seeds of the log readers into the folder given: a finished process as the status file
// and as two months' logs, with the program's own writer.
#include <iostream>

#include "reports/logged_processes.h"
#include "storage/process_file.h"

int main(int argc, char** argv) {
    using namespace wazenie;
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    testing::LoggedProcess first;
    testing::log_process(dir, "202401", first);
    testing::LoggedProcess second;
    second.doc = "WZ/2/24";
    second.start = "2024-01-11 09:00:00";
    second.stop = "---";
    second.cycles = 3;
    second.extra = 12.5;
    testing::log_process(dir, "202401", second);
    return save_process(testing::finished_process(first), Settings{}, dir / "status.txt", false) ? 0 : 1;
}
