#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "clients/client_print.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "platform/qt_printer.h"
#include "platform/qt_text.h"
#include "qt/pdf_text.h"
#include "reports/report_output.h"
#include "reports/wz_document.h"
#include "reports/wz_print.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::gui_application;
using testing::text_lines;

namespace fs = std::filesystem;

const std::string kPolish = "ąćęłńóśźż";

std::vector<std::string> expected_lines(const PrintDocument& doc) {
    std::string joined;
    for (const auto& line : doc.plain_lines()) {
        joined += line + "\n";
    }
    return text_lines(joined);
}

std::string pdf_text(const fs::path& pdf) {
    return testing::run_tool("pdftotext", {"-layout", to_qt(pdf.string()), "-"});
}

struct Job {
    std::string title;
    std::vector<std::string> lines;
};

// Jobs on the queue scripts/test sets up; the backend keeps each as <job-id>.pdf and <job-id>.title.
class PrintQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* queue = std::getenv("WAZENIE_TEST_QUEUE");
        const char* spool = std::getenv("WAZENIE_TEST_SPOOL");
        const char* server = std::getenv("WAZENIE_TEST_CUPS_SERVER");
        if (!queue || !spool || !server) {
            GTEST_SKIP()
                << "no private print queue: WAZENIE_TEST_QUEUE, WAZENIE_TEST_SPOOL and "
                   "WAZENIE_TEST_CUPS_SERVER are set by scripts/test only when it runs as root with CUPS";
        }
        // Only this program talks to the private server; set before the first call into CUPS.
        ::setenv("CUPS_SERVER", server, 1);
        ASSERT_TRUE(gui_application());
        spool_ = spool;
        seen_ = job_ids();
        printer_.choose_printer(queue);
        ASSERT_EQ(printer_.printer_name(), std::optional<std::string>(queue))
            << "the queue is not visible to Qt";
    }

    std::vector<int> job_ids() const {
        std::vector<int> ids;
        for (const auto& entry : fs::directory_iterator(spool_)) {
            if (entry.path().extension() == ".pdf") {
                ids.push_back(std::stoi(entry.path().stem().string()));
            }
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    // The jobs that arrived since SetUp, oldest first; waits up to 30 s for `count` of them.
    std::vector<Job> new_jobs(std::size_t count) {
        std::vector<int> fresh;
        for (int tries = 0; tries < 300; ++tries) {
            fresh.clear();
            for (int id : job_ids()) {
                if (!std::binary_search(seen_.begin(), seen_.end(), id)) {
                    fresh.push_back(id);
                }
            }
            if (fresh.size() >= count) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        std::vector<Job> jobs;
        for (int id : fresh) {
            Job job;
            std::ifstream title(spool_ / (std::to_string(id) + ".title"));
            std::getline(title, job.title);
            job.lines = text_lines(pdf_text(spool_ / (std::to_string(id) + ".pdf")));
            jobs.push_back(std::move(job));
        }
        return jobs;
    }

    static recipe_record record() {
        recipe_record r;
        r.weight_doc = "WZ/31/2024";
        r.client_full_name = "Zakład „" + kPolish + "” Sp. z o.o.";
        r.client_address = "ul. Źródlana 12, 90-001 Łódź";
        r.client_nip = "725-000-11-22";
        r.start_time = 45356.25;
        r.stop_time = 45356.3;
        r.user_name = "Łukasz Ślęzak";
        r.recipe_name = "B25 " + kPolish;
        return r;
    }

    static Scales scales() {
        Scales w;
        w[1].max_material = 2;
        w[1].m[1].material_name = "Piasek płukany 0-2";
        w[1].m[1].curr_total_weight = 1200;
        w[1].m[2].material_name = "Żwir";
        w[1].m[2].curr_total_weight = 800;
        w[1].curr_total_weight = 2000;
        w[2].max_material = 1;
        w[2].m[1].material_name = "Cement CEM I 42,5R";
        w[2].m[1].curr_total_weight = 350;
        w[2].curr_total_weight = 350;
        return w;
    }

    static bool has_polish(const Job& job) {
        return std::any_of(job.lines.begin(), job.lines.end(),
                           [](const std::string& l) { return l.find(kPolish) != std::string::npos; });
    }

    fs::path spool_;
    std::vector<int> seen_;
    QtPrinter printer_;
    testing::FakeClock clock_;
    testing::FakeDialogs dialogs_;
};

TEST_F(PrintQueueTest, EveryWzVariantIsOneJobWithItsTitleAndLines) {
    WzPrintSeams seams{printer_, dialogs_, clock_, {}};
    std::vector<PrintDocument> sent;
    for (int variant = 0; variant <= 3; ++variant) {
        Settings settings;
        settings.wz_print_content = variant;
        ASSERT_TRUE(print_wz(record(), scales(), settings, 1, seams)) << dialogs_.last();
        sent.push_back(wz_document(record(), scales(), settings, clock_.now(), 1));
        clock_.advance_seconds(1);
    }
    const auto jobs = new_jobs(4);
    ASSERT_EQ(jobs.size(), 4u);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        EXPECT_EQ(jobs[i].title, sent[i].title) << "variant " << i;
        EXPECT_EQ(jobs[i].lines, expected_lines(sent[i])) << "variant " << i;
        EXPECT_TRUE(has_polish(jobs[i])) << "variant " << i;
    }
    EXPECT_EQ(jobs[0].title, "Dokument_WZ 2024/03/05, 00:00.00");
}

TEST_F(PrintQueueTest, EveryCopyIsItsOwnJob) {
    WzPrintSeams seams{printer_, dialogs_, clock_, {}};
    dialogs_.copies = {2};
    print_wz_copies(record(), scales(), Settings{}, seams);
    EXPECT_TRUE(dialogs_.journal.empty()) << dialogs_.last();
    const auto jobs = new_jobs(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].title, "Dokument_WZ 2024/03/05, 00:00.00");
    EXPECT_EQ(jobs[1].title, "Dokument_WZ 2024/03/05, 00:00.00 c2");
    EXPECT_EQ(jobs[0].lines, expected_lines(wz_document(record(), scales(), Settings{}, clock_.now(), 1)));
    EXPECT_EQ(jobs[1].lines, jobs[0].lines);
}

TEST_F(PrintQueueTest, ReportAndClientTableKeepTheirTitlesAndLetters) {
    const std::vector<ReportRow> rows = {{"WZ/31/2024", "2024-03-05 06:00", "2024-03-05 07:12", "2350", "3",
                                          "B25 " + kPolish, "Zakład", "Zakład " + kPolish, "ul. Źródlana 12",
                                          "725-000-11-22", "Łukasz", "202403"}};
    const ReportSheet sheet{"2024-03-01", "2024-03-31", "", "", rows};
    print_report(sheet, printer_, dialogs_, clock_);
    ASSERT_TRUE(printer_
                    .print(client_table_document({{"Zakład", "Zakład " + kPolish, "Łódź", "725-000-11-22"}},
                                                 clock_.now()))
                    .ok());
    const auto jobs = new_jobs(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].title, "Raport ważeń 2024/03/05, 00:00.00");
    EXPECT_EQ(jobs[0].lines, expected_lines(report_document(sheet, clock_.now(), true)));
    EXPECT_TRUE(has_polish(jobs[0]));
    EXPECT_EQ(jobs[1].title, "Baza klientów 2024/03/05, 00:00.00");
    EXPECT_EQ(jobs[1].lines, expected_lines(client_table_document(
                                 {{"Zakład", "Zakład " + kPolish, "Łódź", "725-000-11-22"}}, clock_.now())));
    EXPECT_TRUE(has_polish(jobs[1]));
}

}  // namespace
}  // namespace wazenie
