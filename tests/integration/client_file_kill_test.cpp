#include <chrono>
#include <thread>

#include "clients/client_file.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/scratch_dir.h"
#include "storage/text_file.h"
#include "windows/client_window.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

constexpr int kOtherClients = 800;

// Gives the edited client the other of its two names every time.
class TogglingEditor : public ClientEditor {
public:
    std::optional<Client> edit(const std::string&, const Client& initial) override {
        Client next = initial;
        next.full_name = initial.full_name == "Stara nazwa" ? "Nowa nazwa" : "Stara nazwa";
        return next;
    }
};

// Runs in the child until it is killed: the client window's edit, rewriting the whole file each time.
[[noreturn]] void rewrite_forever(const std::filesystem::path& data_dir) {
    FakeDialogs dialogs;
    TogglingEditor editor;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeClock clock;
    ClientWindow window(data_dir, {dialogs, editor, clipboard, printer, clock});
    for (;;) {
        window.show();
        window.search_changed("AAA_EDYTOWANY");
        window.edit_client();
    }
}

TEST(ClientFileKill, FileIsAlwaysCompleteOldOrNew) {
    ScratchDir dir;
    std::vector<std::string> lines{"AAA_EDYTOWANY\tStara nazwa\tAdres\t   -   -  -  "};
    for (int i = 0; i < kOtherClients; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back(
            std::string("K").append(n).append("\tKlient numer ").append(n).append("\tŁódź\t123-456-78-90"));
    }
    ASSERT_TRUE(text_file::write_lines(clients_file_path(dir.path()), lines));

    int saw_new = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            rewrite_forever(dir.path());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + 23 * round));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        auto now = text_file::read_lines(clients_file_path(dir.path()));
        ASSERT_TRUE(now) << "round " << round;
        ASSERT_EQ(now->size(), lines.size()) << "round " << round;
        const auto edited = client_from_line(now->at(0));
        ASSERT_TRUE(edited.full_name == "Stara nazwa" || edited.full_name == "Nowa nazwa") << now->at(0);
        saw_new += edited.full_name == "Nowa nazwa";
        for (std::size_t i = 1; i < lines.size(); ++i) {
            ASSERT_EQ((*now)[i], lines[i]) << "round " << round;
        }
    }
    EXPECT_GT(saw_new, 0);  // the child did rewrite the file
}

}  // namespace
}  // namespace wazenie
