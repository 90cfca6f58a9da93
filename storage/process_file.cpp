#include "storage/process_file.h"

#include <algorithm>

#include "storage/date_time.h"
#include "core/number_text.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

std::string join(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& f : fields) {
        if (!line.empty()) {
            line += '\t';
        }
        line += f;
    }
    return line;
}

std::string num(int i) {
    return std::to_string(i);
}

// Memory may hold anything; the writer never indexes outside the records.
int bounded(int value, int low, int high) {
    return std::clamp(value, low, high);
}

void add_scale_lines(std::vector<std::string>& out, int n, const weight_record& w) {
    const int d = std::max(0, w.precision);
    auto mass = [d](double x) { return fixed_text(x, d); };
    out.push_back(
        join({"w", num(n), mass(w.curr_total_weight), mass(w.recipe_total_weight_c1),
              mass(w.recipe_total_weight_clast), mass(w.recipe_total_weight), num(w.max_material),
              num(w.curr_status), num(w.curr_cycle), num(w.curr_cycle_status), num(w.curr_material)}));
    const int cycles = bounded(w.curr_cycle, 0, kCycles);
    for (int j = 1; j <= bounded(w.max_material, 0, kMaterials); ++j) {
        const material_record& m = w.m[j];
        out.push_back(
            join({"wm", num(n), num(j), clean_field(m.material_name), mass(m.curr_total_weight),
                  mass(m.recipe_weight_c1), mass(m.recipe_weight_clast), mass(m.recipe_total_weight)}));
        for (int c = 1; c <= cycles; ++c) {
            out.push_back(join({"wmc", num(n), num(j), num(c), mass(m.curr_weight[c])}));
        }
    }
    for (int c = 1; c <= cycles; ++c) {
        out.push_back(join({"wc", num(n), num(c), mass(w.curr_weight[c]), mass(w.curr_cycle_weight[c])}));
    }
}

}  // namespace

std::filesystem::path status_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "status.txt";
}

std::filesystem::path month_log_path(const std::filesystem::path& data_dir, DateTime now) {
    return month_log_path(data_dir, month_key(now));
}

std::filesystem::path month_log_path(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    return data_dir / (yyyymm + ".txt");
}

const std::vector<std::string>& process_header_lines() {
    static const std::vector<std::string> header = {
        join({";r", "r.weight_doc", "r.start_time", "r.stop_time", "r.curr_cycle", "r.total_cycle",
              "r.total_cycle_init", "r.curr_weight", "r.recipe_total_weight", "r.recipe_name",
              "r.recipe_client", "r.user_name"}),
        join({";w", "weight_num", "w[].curr_total_weight", "w[].recipe_total_weight_c1",
              "w[].recipe_total_weight_clast", "w[].recipe_total_weight", "w[].max_material",
              "w[].curr_status", "w[].curr_cycle", "w[].curr_cycle_status", "w[].curr_material"}),
        join({";wmc", "weight_num", "mat_num", "cycle_num", "w[].m[].curr_weight[]"}),
        join({";wm", "weight_num", "mat_num", "w[].m[].material_name", "w[].m[].curr_total_weight",
              "w[].m[].recipe_weight_c1", "w[].m[].recipe_weight_clast", "w[].m[].recipe_total_weight"}),
        join({";wc", "weight_num", "cycle_num", "w[].curr_weight[]", "w[].curr_cycle_weight[]"}),
    };
    return header;
}

std::vector<std::string> process_record_lines(const ProcessState& p, const Settings& settings) {
    const recipe_record& r = p.r;
    const int d = std::max(0, settings.total_precision);
    std::vector<std::string> out;
    out.push_back(
        join({"r", clean_field(r.weight_doc), file_date_time(r.start_time), file_date_time(r.stop_time),
              num(r.curr_cycle), num(r.total_cycle), num(r.total_cycle_init), fixed_text(r.curr_weight, d),
              fixed_text(r.recipe_total_weight, d), clean_field(r.recipe_name), clean_field(r.recipe_client),
              clean_field(r.user_name)}));
    for (int n = 1; n <= kScales; ++n) {
        add_scale_lines(out, n, p.w[n]);
    }
    return out;
}

Status save_process(const ProcessState& p, const Settings& settings, const std::filesystem::path& file,
                    bool append_to_log) {
    std::vector<std::string> lines;
    std::error_code ec;
    // A log left empty by a failed first write still gets its header.
    const bool header =
        !append_to_log || !std::filesystem::exists(file, ec) || std::filesystem::file_size(file, ec) == 0;
    if (header) {
        lines = process_header_lines();
    } else if (!text_file::ends_with_line_end(file)) {
        // A record cut short by a crash: end its line, so this record's "r" line stays its own.
        lines.emplace_back();
    }
    std::vector<std::string> record = process_record_lines(p, settings);
    lines.insert(lines.end(), record.begin(), record.end());
    if (append_to_log) {
        return text_file::append_lines(file, lines);
    }
    return text_file::replace_atomically(file, file.parent_path() / "pomiary_tmp.txt", lines);
}

Result<std::vector<std::string>> read_process_lines(const std::filesystem::path& log_file) {
    std::vector<std::string> out;
    auto keep = [&out](std::string_view line) {
        out.emplace_back(line);
        return true;
    };
    if (auto read = text_file::for_each_line(log_file, keep, "r\t"); !read) {
        return read.error();
    }
    return out;
}

}  // namespace wazenie
