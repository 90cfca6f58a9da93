#include "windows/audit_window.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_dialogs.h"
#include "station/faked_station.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"
#include "windows/material_window.h"
#include "windows/operator_dialog.h"
#include "windows/settings_window.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

class AuditTest : public ::testing::Test, protected FakedStation {
protected:
    AuditTest() {
        station.start_up();
        station.log_in("ADMINISTRATOR");
    }
    std::vector<std::string> trail_lines() const {
        return text_file::read_lines_if_present(audit_trail_path(dir.path())).value();
    }
    std::vector<std::vector<std::string>> shown(const std::string& filter = {}) {
        AuditWindow window(dir.path(), dialogs, clock);
        window.open();
        window.set_filter(filter);
        return window.rows();
    }
};

TEST_F(AuditTest, ASettingChangedInTheWindowLandsOldToNew) {
    SettingsWindow settings_window(station, dialogs);
    SettingsForm form = settings_window.open(station.port_speed());
    settings_window.apply(form);
    EXPECT_TRUE(trail_lines().empty()) << "nothing changed, nothing written";

    form.weightdoc_format = "WZ/%n%";
    form.weightdoc_next = "17";
    clock.advance_seconds(3600);
    settings_window.apply(form);
    const auto rows = shown();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"2024-03-05 01:00:00", "ADMINISTRATOR", "numer WZ",
                                                 "[Dokument WZ] nast_numer", "1", "17"}));
    EXPECT_EQ(rows[1][2], "ustawienie");
    EXPECT_EQ(rows[1][3], "[Dokument WZ] format");
    EXPECT_EQ(rows[1][4], "WZ/%n%/%y%");
    EXPECT_EQ(rows[1][5], "WZ/%n%");
    EXPECT_TRUE(broken_links(trail_lines()).empty());
}

TEST_F(AuditTest, APasswordIsNeverWritten) {
    OperatorWindow operators(dir / "operatorzy.txt", dialogs, station.changes());
    operators.show(OperatorWindow::Mode::Management);
    dialogs.values = {"Kowalski", "tajne-haslo-1"};
    operators.add_operator();
    dialogs.values = {"tajne-haslo-2"};
    operators.change_password();
    const std::string bytes = read_bytes(audit_trail_path(dir.path()));
    EXPECT_EQ(bytes.find("tajne-haslo"), std::string::npos);
    const auto rows = shown("kowalski");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][5], "hasło zmienione");
    EXPECT_EQ(rows[0][4], "");
    EXPECT_EQ(rows[1][5], "dodany");
}

TEST_F(AuditTest, TheWindowShowsNewestFirstWithinItsDatesAndFilter) {
    FakeClipboard clipboard;
    MaterialWindow materials(dialogs, clipboard, dir.path(), true, station.changes());
    materials.load();
    dialogs.values = {"Piasek"};
    materials.add();
    clock.advance_seconds(40 * 86400.0);
    dialogs.values = {"Cement"};
    materials.add();

    AuditWindow window(dir.path(), dialogs, clock);
    window.open();
    ASSERT_EQ(window.rows().size(), 1u) << "the last 30 days";
    EXPECT_EQ(window.rows()[0][3], "Cement");
    window.set_from(clock.now() - 60);
    ASSERT_EQ(window.rows().size(), 2u);
    EXPECT_EQ(window.rows()[1][3], "Piasek");
    window.set_filter("pias");
    ASSERT_EQ(window.rows().size(), 1u);
    window.set_to(clock.now() - 45);
    EXPECT_TRUE(window.rows().empty());
}

}  // namespace
}  // namespace wazenie
