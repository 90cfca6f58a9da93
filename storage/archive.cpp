#include "storage/archive.h"

#include <algorithm>
#include <system_error>

#include "storage/date_time.h"

namespace wazenie {

namespace {

// A rename cannot cross file systems (removable media): copy, then remove the original.
void move_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (!ec) {
        return;
    }
    if (std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec)) {
        std::filesystem::remove(from, ec);
    }
}

std::string failure_message(const std::string& target) {
    return "Błąd podczas tworzenia pliku archiwum: " + target + "\rMożliwe przyczyny błędu to: \r" +
           "- brak miejsca na lokalnym dysku\r- brak praw do zapisu na lokalnym dysku\r" +
           "- brak miejsca na docelowym dysku\r- brak praw do zapisu na docelowym dysku\r" +
           "- brak pliku dane/zip\r";
}

}  // namespace

std::string archive_name(DateTime now) {
    return "Arch_waga_sam_" + compact_date_time(now);
}

namespace {

// The data folder without a trailing separator, so that its name and its parent are the real ones.
std::filesystem::path data_folder(const std::filesystem::path& data_dir) {
    const std::filesystem::path normal = data_dir.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

std::vector<std::string> archive_file_arguments(const std::filesystem::path& data_dir) {
    const std::filesystem::path folder = data_folder(data_dir);
    const std::string prefix = folder.filename().string() + "/";
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file(ec) && (extension == ".txt" || extension == ".sha")) {
            names.push_back(prefix + entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void archive_data(const std::filesystem::path& data_dir, ArchiveSeams seams) {
    const std::filesystem::path data = data_folder(data_dir);
    const std::filesystem::path base_dir = data.parent_path();
    const auto folder = seams.folders.choose_folder("Wskaż katalog docelowy:");
    if (!folder) {
        return;
    }
    const std::string name = archive_name(seams.clock.now());
    std::error_code ec;
    const std::filesystem::path own = std::filesystem::absolute(data / "zip", ec);
    const std::filesystem::path archiver =
        std::filesystem::exists(own, ec) ? own : std::filesystem::path("zip");
    std::vector<std::string> arguments{name};
    const std::vector<std::string> files = archive_file_arguments(data);
    arguments.insert(arguments.end(), files.begin(), files.end());
    seams.runner.run(archiver, arguments, base_dir, kArchiverTimeLimit);

    const std::filesystem::path target = *folder / (name + ".zip");
    move_file(base_dir / (name + ".zip"), target);
    if (std::filesystem::exists(target, ec)) {
        seams.dialogs.information("Utworzono plik archiwum: " + target.string());
    } else {
        seams.dialogs.error(failure_message(target.string()));
    }
}

}  // namespace wazenie
