#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "comm/exchange_log.h"
#include "platform/data_location.h"
#include "platform/qt_printer.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_text.h"
#include "station/station.h"
#include "storage/system_clock.h"
#include "ui/desktop_program.h"
#include "ui/logo.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char** argv) {
    using namespace wazenie;
    QApplication app(argc, argv);
    set_application_names();
    // The menu entry's name (packaging/), by which the desktop pairs the window with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.wazenie.Wazenie"));
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("pl.wazenie.Wazenie"), QIcon(program_logo(64))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ważenie: sterowanie wagami dozującymi"));
    parser.addHelpOption();
    const QCommandLineOption data_option(QStringLiteral("data"), QStringLiteral("Katalog z danymi."),
                                         QStringLiteral("KATALOG"));
    parser.addOption(data_option);
    parser.process(app);

    QtPrinter printer;
    QtDialogs dialogs(&printer);
    std::optional<std::filesystem::path> given;
    if (parser.isSet(data_option)) {
        given = std::filesystem::path(from_qt(parser.value(data_option)));
    }
    const auto location = locate_data_dir(given);
    if (!location) {
        dialogs.error(location.error().what);
        return desktop_exit::kRefused;
    }
    std::error_code ignored;
    if (!std::filesystem::is_directory(location->dir, ignored)) {
        dialogs.error("Brak katalogu z danymi: " + location->dir.string());
        return desktop_exit::kRefused;
    }
    std::cerr << "Dane: " << location->dir.string() << std::endl;
    if (location->created) {
        // Started from the menu, nobody reads standard error: the first start says where the data are.
        dialogs.information("Utworzono nowy katalog z danymi:\r" + location->dir.string() +
                            "\rUstawienia domyślne są w pliku konfig.ini.");
    }

    SystemClock clock;
    Station* station = nullptr;
    QtSerialLink link([&station](const std::string& text) {
        if (station) {
            station->exchange_log().log_line(log_code::ERROR, text);
        }
    });
    return run_desktop({location->dir, link, clock, dialogs, printer}, [&](TForm1& window) {
        station = &window.station();
        dialogs.set_parent(&window);
    });
}
