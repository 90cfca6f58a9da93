#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "platform/qt_text.h"

#include <QGuiApplication>
#include <QProcess>

namespace wazenie::testing {

// Fonts need a QGuiApplication; one for the whole test program, on the offscreen platform.
inline bool gui_application() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Kept to the end of the process: destroying it among the static destructors crashes.
        new QGuiApplication(argc, argv);
    }
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// A tool's standard output (pdftotext, pdffonts, pdfinfo); empty when it failed.
inline std::string run_tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return from_qt(QString::fromUtf8(process.readAllStandardOutput()));
}

inline std::string simplified(const std::string& text) {
    return from_qt(to_qt(text).simplified());
}

// The non-empty lines of a text with blanks collapsed: the layout's spacing is the renderer's business.
inline std::vector<std::string> text_lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (auto s = simplified(line); !s.empty()) {
            out.push_back(s);
        }
    }
    return out;
}

}  // namespace wazenie::testing
