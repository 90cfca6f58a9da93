#include "storage/month_log.h"

#include "core/find_byte.h"
#include "storage/cp1250.h"
#include "storage/date_time.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

std::size_t columns(LogLineKind kind) {
    switch (kind) {
        case LogLineKind::process:
            return process_field::count;
        case LogLineKind::scale:
            return scale_field::count;
        case LogLineKind::material:
            return material_field::count;
        case LogLineKind::dose:
            return dose_field::count;
        case LogLineKind::cycle:
            return cycle_field::count;
        case LogLineKind::other:
            return 0;
    }
    return 0;
}

// Where the first record at or after `from` begins; npos when none does. Most lines hold no "r", so
// memchr passes over them.
std::size_t next_record(std::string_view lines, std::size_t from) {
    for (std::size_t pos = lines.find(kProcessLineStart[0], from); pos != std::string_view::npos;
         pos = lines.find(kProcessLineStart[0], pos + 1)) {
        if ((pos == 0 || lines[pos - 1] == '\n') && lines.substr(pos).starts_with(kProcessLineStart)) {
            return pos;
        }
    }
    return std::string_view::npos;
}

}  // namespace

LogLine read_log_line(std::string_view line) {
    LogLine l;
    const char* const end = line.data() + line.size();
    const char* p = find_byte(line.data(), end, '\t');
    const std::string_view tag(line.data(), static_cast<std::size_t>(p - line.data()));
    l.kind_ = log_line_kind(line);
    const std::size_t fields = columns(l.kind_);
    if (fields == 0) {
        return l;
    }
    l.fields_[0] = {tag.data(), tag.size()};
    for (l.found_ = 1; l.found_ < fields && p != end; ++l.found_) {
        const char* field = ++p;
        p = find_byte(p, end, '\t');
        l.fields_[l.found_] = {field, static_cast<std::size_t>(p - field)};
    }
    return l;
}

std::filesystem::path month_log_path(const std::filesystem::path& data_dir, DateTime now) {
    return month_log_path(data_dir, month_key(now));
}

std::filesystem::path month_log_path(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    return data_dir / (yyyymm + ".txt");
}

std::filesystem::path month_log_path(const std::filesystem::path& data_dir, int key) {
    return month_log_path(data_dir, std::to_string(key));
}

std::optional<std::string> log_month(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    if (name.size() == 10 && name.ends_with(".txt") && name.find_first_not_of("0123456789") == 6) {
        return name.substr(0, 6);
    }
    return std::nullopt;
}

std::string log_text(std::string_view field) {
    return cp1250_to_utf8(field);
}

Status for_each_record(const std::filesystem::path& log_file, const RecordVisitor& visit) {
    std::string converted;
    auto records = [&](std::string_view run) {
        for (std::size_t pos = next_record(run, 0); pos != std::string_view::npos;) {
            const std::size_t next = next_record(run, pos + 1);
            std::string_view body = run.substr(pos, next - pos);
            const std::string_view line = text_file::as_text(text_file::take_line(body), converted);
            if (!visit(LogRecord{line, read_log_line(line), body})) {
                return false;
            }
            pos = next;
        }
        return true;
    };
    return text_file::for_each_run(log_file, records, kProcessLineStart);
}

Result<std::vector<std::string>> read_process_lines(const std::filesystem::path& log_file) {
    std::vector<std::string> out;
    auto keep = [&out](std::string_view line) {
        out.emplace_back(line);
        return true;
    };
    if (auto read = text_file::for_each_line(log_file, keep, kProcessLineStart); !read) {
        return read.error();
    }
    return out;
}

}  // namespace wazenie
