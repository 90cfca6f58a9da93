#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "modal_watch.h"
#include "platform/qt_printer.h"
#include "station/process_edit.h"
#include "station/station.h"
#include "ui/main_window.h"
#include "windows/weighing_params_window.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

namespace wazenie::testing {

// The demo data with the technical panel switched on or off, and a window over fakes.
struct MainWindowRig {
    explicit MainWindowRig(int log) {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
        std::string ini = read_bytes(dir / "konfig.ini");
        ini.replace(ini.find("log=1"), 5, "log=" + std::to_string(log));
        write_bytes(dir / "konfig.ini", ini);
        window = std::make_unique<TForm1>(DesktopSeams{dir.path(), link, clock, dialogs, printer});
    }
    template <typename T = QWidget>
    T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    // The operator logs in and a recipe of four cycles is loaded, without the modal windows.
    void load_process() {
        window->station().log_in("ADMINISTRATOR");
        WeighingParamsConfirmation confirmation(window->station(), dialogs, clock);
        QCOMPARE(confirmation.confirm({"B25 beton konstrukcyjny", "7000", "BUDREX"}),
                 ParamsOutcome::accepted);
    }
    // Changes the station's records (see edit_process).
    template <typename Change>
    void edit(Change&& change) {
        edit_process(window->station(), change);
    }
    void refresh_all() {
        window->refresh_layout();
        window->refresh_process();
        window->refresh_connection();
        window->refresh_technical();
    }

    ScratchDir dir;
    FakeSerialLink link;
    FakeClock clock;
    FakeDialogs dialogs;
    QtPrinter printer;
    std::unique_ptr<TForm1> window;
};

}  // namespace wazenie::testing
