#include "platform/data_location.h"

#include <system_error>

#include "storage/settings.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace wazenie {

namespace {

constexpr const char* kDataFolder = "dane";

std::filesystem::path path_of(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

}  // namespace

Result<DataLocation> resolve_data_dir(const std::optional<std::filesystem::path>& given,
                                      const std::filesystem::path& executable_dir,
                                      const std::filesystem::path& app_data_dir) {
    if (given) {
        return DataLocation{*given, false};
    }
    std::error_code ec;
    const auto beside = executable_dir / kDataFolder;
    if (std::filesystem::is_directory(beside, ec)) {
        return DataLocation{beside, false};
    }
    // A system that names no application data folder must not make `dane` in the working folder.
    const auto own = app_data_dir.empty() ? std::filesystem::path() : app_data_dir / kDataFolder;
    if (!own.empty() && std::filesystem::is_directory(own, ec)) {
        return DataLocation{own, false};
    }
    if (own.empty() || !std::filesystem::create_directories(own, ec) || ec) {
        return Error{"Nie można utworzyć katalogu z danymi: " + own.string(), own.string()};
    }
    // The new folder gets the default settings at once, so the installer finds the file to edit
    // before the program has ever been closed.
    const auto settings_file = settings_file_path(own);
    Settings settings;
    Scales scales;
    load_settings(settings_file, settings, scales);
    if (!save_settings(settings_file, settings, scales)) {
        return Error{"Nie można zapisać ustawień domyślnych: " + settings_file.string(),
                     settings_file.string()};
    }
    return DataLocation{own, true};
}

void set_application_names() {
    // No organization: its name would become one more folder level.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("wazenie"));
}

Result<DataLocation> locate_data_dir(const std::optional<std::filesystem::path>& given) {
    return resolve_data_dir(given, path_of(QCoreApplication::applicationDirPath()),
                            path_of(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

}  // namespace wazenie
