#include "platform/qt_process_runner.h"

#include <QProcess>
#include <QStringList>

#include "platform/qt_text.h"

namespace wazenie {

std::optional<int> QtProcessRunner::run(const std::filesystem::path& program,
                                        const std::vector<std::string>& arguments,
                                        const std::filesystem::path& working_directory,
                                        std::chrono::milliseconds time_limit) {
    QStringList args;
    for (const std::string& a : arguments) {
        args << to_qt(a);
    }
    QProcess process;
    process.setWorkingDirectory(to_qt(working_directory.string()));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(to_qt(program.string()), args);
    if (!process.waitForStarted(static_cast<int>(time_limit.count()))) {
        return std::nullopt;
    }
    if (!process.waitForFinished(static_cast<int>(time_limit.count()))) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        return std::nullopt;
    }
    return process.exitCode();
}

}  // namespace wazenie
