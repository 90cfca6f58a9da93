#pragma once

#include <filesystem>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "station/station.h"
#include "ui/report_window.h"
#include "ui/support/clicks.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTreeView>
#include <QtTest>

namespace wazenie::testing {

// The demo data, a station over fakes on 2024-03-05, and the report window shown.
struct ReportRig {
    ReportRig() {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
        station.start_up();
        window.show();
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        return window.findChild<T*>(QLatin1String(name));
    }
    void click(const char* name) const { testing::click(&window, name); }
    void refresh(const QString& from, const QString& to) const {
        find<QLineEdit>("Edate_from")->setText(from);
        find<QLineEdit>("Edate_to")->setText(to);
        click("BBrefresh");
    }
    QStringList column(const char* list, int c) const {
        QStringList texts;
        const QAbstractItemModel* rows = find<QTreeView>(list)->model();
        for (int i = 0; i < rows->rowCount(); ++i) {
            texts << rows->index(i, c).data().toString();
        }
        return texts;
    }

    ScratchDir dir;
    FakeSerialLink link;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeDisplay display;
    FakePrinter printer;
    Station station{dir.path(), link, clock, dialogs, display};
    TFraport window{station, dialogs, printer, clock};
};

}  // namespace wazenie::testing
