#include "platform/qt_process_runner.h"

#include <algorithm>

#include "platform/qt_text.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

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
    // One bound for starting and running together.
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = time_limit.count();
    if (!process.waitForStarted(static_cast<int>(limit))) {
        return std::nullopt;
    }
    if (!process.waitForFinished(static_cast<int>(std::max<qint64>(limit - clock.elapsed(), 1)))) {
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
