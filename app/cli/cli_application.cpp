#include "app/cli/cli_application.h"

#include <algorithm>

#include <QGuiApplication>

namespace wazenie {

namespace {

bool renders_pdf(const std::vector<std::string>& args) {
    const bool document =
        std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "wz" || a == "karta"; });
    return document && std::any_of(args.begin(), args.end(), [](const std::string& a) {
               return a == "--pdf" || a.rfind("--pdf=", 0) == 0;
           });
}

}  // namespace

std::unique_ptr<QCoreApplication> make_cli_application(int& argc, char** argv,
                                                       const std::vector<std::string>& args) {
    if (!renders_pdf(args)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace wazenie
