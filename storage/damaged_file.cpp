#include "storage/damaged_file.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "storage/date_time.h"

namespace wazenie {

namespace {

// Enough for any burst of restarts within one second; past it something else is wrong.
constexpr int kMaxCopiesPerSecond = 100;

}  // namespace

Result<std::filesystem::path> keep_damaged_copy(const std::filesystem::path& file, DateTime now) {
    std::string stamp = compact_date_time(now);
    std::replace(stamp.begin(), stamp.end(), '_', '-');
    const std::string base = file.stem().string() + "-uszkodzony-" + stamp;
    std::error_code ec;
    for (int n = 1; n <= kMaxCopiesPerSecond; ++n) {
        const std::string suffix = n == 1 ? std::string() : "-" + std::to_string(n);
        const std::filesystem::path copy = file.parent_path() / (base + suffix + file.extension().string());
        // Without overwrite_existing the copy fails on an existing name instead of replacing it.
        if (std::filesystem::copy_file(file, copy, std::filesystem::copy_options::none, ec)) {
            return copy;
        }
        if (ec != std::errc::file_exists) {
            return Error{ec.message(), copy.string()};
        }
    }
    return Error{std::make_error_code(std::errc::file_exists).message(), file.string()};
}

Change damaged_file_change(const std::filesystem::path& file, const Result<std::filesystem::path>& kept) {
    return {"uszkodzony plik", file.string(), "",
            kept ? "zachowany jako " + kept->string() : "nie zachowany (" + kept.error().what + ")"};
}

}  // namespace wazenie
