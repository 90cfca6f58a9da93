#include <filesystem>
#include <string>

#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/month_chain.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"

#include <QProcess>

#include <gtest/gtest.h>

#ifdef WAZENIE_CLI

namespace wazenie {
namespace {

namespace fs = std::filesystem;

struct Verified {
    int exit_code = -1;
    std::string out;
};

class VerifyCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data);
        MonthChainWriter chain;
        for (const char* month : {"202401", "202402", "202403"}) {
            for (int k = 1; k <= 3; ++k) {
                ProcessState p;
                p.r.weight_doc = "WZ/" + std::to_string(k) + "/" + month;
                p.w[1].max_material = 1;
                p.w[1].m[1].material_name = "Żwir";
                p.w[1].m[1].curr_total_weight = 1000 + k;
                const auto log = month_log_path(data, month);
                const auto before = book_bytes(log);
                ASSERT_TRUE(save_process(p, Settings{}, log, true));
                ASSERT_TRUE(chain.sign_appended(data, month, BookKind::log, before));
            }
        }
    }

    Verified verify(const QStringList& arguments = {}) {
        QProcess cli;
        cli.start(WAZENIE_CLI,
                  QStringList{"--data", QString::fromStdString(data.string()), "weryfikuj"} + arguments);
        Verified v;
        if (cli.waitForFinished(60000) && cli.exitStatus() == QProcess::NormalExit) {
            v.exit_code = cli.exitCode();
        }
        v.out = cli.readAllStandardOutput().toStdString();
        return v;
    }

    testing::ScratchDir dir;
    fs::path data = dir / "dane";
};

TEST_F(VerifyCliTest, UntouchedMonthsHoldAndAChangedOneExitsWithEight) {
    const Verified whole = verify();
    EXPECT_EQ(whole.exit_code, 0) << whole.out;
    EXPECT_NE(whole.out.find("dane/202402.txt: 3 zapisy, zgodne\n"), std::string::npos) << whole.out;

    const auto log = month_log_path(data, "202402");
    std::string bytes = testing::read_bytes(log);
    testing::write_bytes(log, bytes.replace(bytes.find("\t1002"), 5, "\t1009"));
    const Verified changed = verify();
    EXPECT_EQ(changed.exit_code, 8);
    EXPECT_NE(changed.out.find("dane/202402.txt linia 17: zapis WZ/2/202402 zmieniony po zapisaniu\n"),
              std::string::npos)
        << changed.out;
    EXPECT_NE(changed.out.find("dane/202402.txt: 3 zapisy, niezgodne\n"), std::string::npos);
    EXPECT_EQ(verify({"--from", "2024-03-01", "--to", "202403"}).exit_code, 0);
}

TEST_F(VerifyCliTest, AMonthWithoutChainIsUnsignedAndBadArgumentsOrUnreadableFilesAreErrors) {
    fs::remove(data / "202401.sha");
    const Verified unsigned_month = verify({"--to", "202401"});
    EXPECT_EQ(unsigned_month.exit_code, 0);
    EXPECT_EQ(unsigned_month.out, "dane/202401.txt: 3 zapisy, bez podpisu\n");

    EXPECT_EQ(verify({"--from", "2024-13"}).exit_code, 2);
    EXPECT_EQ(verify({"--from", "202403", "--to", "202401"}).exit_code, 2);
    EXPECT_EQ(verify({"--miesiac", "202403"}).exit_code, 2);

    fs::create_directory(data / "202404.txt");
    EXPECT_EQ(verify({"--from", "202404"}).exit_code, 5);
}

}  // namespace
}  // namespace wazenie

#endif
