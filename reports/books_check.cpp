#include "reports/books_check.h"

#include <set>
#include <system_error>

#include "storage/audit_trail_check.h"
#include "storage/month_books_check.h"

namespace wazenie {

namespace {

// The months (yyyymm, in order) that have a log, cards or a chain in the data folder.
std::vector<std::string> months_with_books(const std::filesystem::path& data_dir) {
    std::set<std::string> months;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(data_dir, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string rest = name.find_first_not_of("0123456789") == 6 ? name.substr(6) : "";
        if (rest == ".txt" || rest == ".sha" || rest == "_karta.txt") {
            months.insert(name.substr(0, 6));
        }
    }
    return {months.begin(), months.end()};
}

}  // namespace

BookReport check_books(const std::filesystem::path& data_dir, int from, int to) {
    BookReport report = check_audit_trail(data_dir);
    for (const std::string& month : months_with_books(data_dir)) {
        const int key = std::stoi(month);
        if (key >= from && key <= to) {
            report.add(check_month_books(data_dir, month));
        }
    }
    return report;
}

}  // namespace wazenie
