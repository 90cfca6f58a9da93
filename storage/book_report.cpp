#include "storage/book_report.h"

namespace wazenie {

std::string shown_file(const std::filesystem::path& data_dir, const std::filesystem::path& file) {
    const std::filesystem::path normal = data_dir.lexically_normal();
    const std::filesystem::path folder = normal.has_filename() ? normal : normal.parent_path();
    return folder.filename().string() + "/" + file.filename().string();
}

std::string counted(std::size_t n, const std::vector<std::string>& forms) {
    const std::size_t tens = n % 100;
    const std::size_t form = n == 1 ? 0 : (n % 10 >= 2 && n % 10 <= 4 && (tens < 12 || tens > 14)) ? 1 : 2;
    return std::to_string(n) + " " + forms[form];
}

}  // namespace wazenie
