#include "app/cli/latest_record.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "storage/month_log.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

// The month logs' names, yyyymm, newest first.
std::vector<std::string> months_newest_first(const std::filesystem::path& data_dir) {
    std::vector<std::string> months;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(data_dir, ignored)) {
        if (auto month = log_month(entry.path())) {
            months.push_back(std::move(*month));
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
        const auto file = month_log_path(data_dir, month);
        const auto read = text_file::for_each_line(
            file,
            [&](std::string_view line) {
                const LogLine r = read_log_line(line);
                if (r[process_field::weight_doc] == weight_doc) {
                    found = RecordPlace{month, std::string(r[process_field::start_time])};
                }
                return true;
            },
            kProcessLineStart);
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
