#include "storage/book_unit.h"

#include <algorithm>

#include "storage/batch_card.h"
#include "storage/cp1250.h"
#include "storage/month_log.h"
#include "storage/text_file.h"

namespace wazenie {

std::string_view book_letter(BookKind kind) {
    return kind == BookKind::log ? "r" : "k";
}

std::filesystem::path book_path(const std::filesystem::path& data_dir, const std::string& yyyymm,
                                BookKind kind) {
    return kind == BookKind::log ? month_log_path(data_dir, yyyymm) : batch_card_path(data_dir, yyyymm);
}

std::string unit_field(const BookUnit& unit, std::size_t column) {
    std::string_view rest = unit.bytes;
    std::string_view line = text_file::take_line(rest);
    for (std::size_t k = 0; k < column; ++k) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) {
            return {};
        }
        line.remove_prefix(tab + 1);
    }
    return cp1250_to_utf8(line.substr(0, line.find('\t')));
}

UnitSplitter::UnitSplitter(BookKind kind, std::uint64_t offset, std::size_t line)
    : tag_(std::string(book_letter(kind)) + '\t'), offset_(offset), line_(line) {}

void UnitSplitter::split(std::string_view bytes, const std::function<void(const BookUnit&)>& take) {
    const std::string boundary = "\n" + tag_;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t found = bytes.find(boundary, begin);
        const std::size_t end = found == std::string_view::npos ? bytes.size() : found + 1;
        BookUnit unit;
        unit.bytes = bytes.substr(begin, end - begin);
        unit.offset = offset_;
        unit.line = line_;
        const auto breaks = static_cast<std::size_t>(std::count(unit.bytes.begin(), unit.bytes.end(), '\n'));
        unit.lines = breaks + (unit.bytes.ends_with('\n') ? 0 : 1);
        unit.record = unit.bytes.starts_with(tag_);
        take(unit);
        offset_ += unit.bytes.size();
        line_ += breaks;
        begin = end;
    }
}

}  // namespace wazenie
