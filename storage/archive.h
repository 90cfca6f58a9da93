#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/folder_choice.h"
#include "core/process_runner.h"

namespace wazenie {

// "Arch_waga_sam_" + yyyymmdd_hhmmss.
std::string archive_name(DateTime now);

// How long the archiver is waited for in all (1 s to start, 10 s to end, 10 s more), then given up.
inline constexpr std::chrono::milliseconds kArchiverTimeLimit{21000};

// "Archiwizuj dane": asks for the target folder ("Wskaż katalog docelowy:"; cancel ends quietly),
// runs the archiver in the folder that holds `data_dir` (usually .../dane) as
//     <archiver> <name> dane/<file>.txt ...
// with every *.txt of the data folder, and the chains *.sha that go with the month logs, named under the data
// folder's own name (the archiver expands no pattern), where the archiver is data_dir/zip when present, else
// "zip" from the system; then moves <name>.zip into the chosen folder and reports "Utworzono plik archiwum:
// ..." or the error with its possible causes.
struct ArchiveSeams {
    FolderChoice& folders;
    ProcessRunner& runner;
    Dialogs& dialogs;
    const Clock& clock;
};
void archive_data(const std::filesystem::path& data_dir, ArchiveSeams seams);

// The <data folder name>/*.txt and *.sha names (relative to the folder holding it, sorted) the archiver is
// given.
std::vector<std::string> archive_file_arguments(const std::filesystem::path& data_dir);

}  // namespace wazenie
