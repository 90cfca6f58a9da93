#include "app/cli/latest_record.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "reports/log_scan.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

// The month logs' names, yyyymm, newest first.
std::vector<std::string> months_newest_first(const std::filesystem::path& data_dir) {
    std::vector<std::string> months;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(data_dir, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 10 && name.ends_with(".txt") && name.find_first_not_of("0123456789") == 6) {
            months.push_back(name.substr(0, 6));
        }
    }
    std::sort(months.begin(), months.end(), std::greater<>());
    return months;
}

}  // namespace

Result<std::optional<RecordPlace>> find_latest_record(const std::filesystem::path& data_dir,
                                                      const std::string& weight_doc) {
    for (const std::string& month : months_newest_first(data_dir)) {
        std::optional<RecordPlace> found;
        const auto file = data_dir / (month + ".txt");
        const auto read = text_file::for_each_line(
            file,
            [&](std::string_view line) {
                const ProcessFields f = split_process_line(line);
                if (f[1] == weight_doc) {
                    found = RecordPlace{month, std::string(f[2])};
                }
                return true;
            },
            "r\t");
        if (!read) {
            return Error{"Błąd odczytu pliku z danymi:\r" + file.string(), file.string()};
        }
        if (found) {
            return found;
        }
    }
    return std::optional<RecordPlace>{};
}

}  // namespace wazenie
