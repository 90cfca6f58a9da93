#include "storage/process_file.h"

#include <algorithm>
#include <array>

#include "core/number_text.h"
#include "storage/date_time.h"
#include "storage/month_log.h"
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

// A line of a kind with `N` columns, each set by its name.
template <std::size_t N>
class LineFields {
public:
    explicit LineFields(const char* kind) { fields_[0] = kind; }
    LineFields& set(std::size_t column, std::string text) {
        fields_[column] = std::move(text);
        return *this;
    }
    std::string line() const {
        std::string line = fields_[0];
        for (std::size_t k = 1; k < N; ++k) {
            line += '\t';
            line += fields_[k];
        }
        return line;
    }

private:
    std::array<std::string, N> fields_;
};

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
    namespace s = scale_field;
    out.push_back(LineFields<s::count>("w")
                      .set(s::scale, num(n))
                      .set(s::curr_total_weight, mass(w.curr_total_weight))
                      .set(s::recipe_total_weight_c1, mass(w.recipe_total_weight_c1))
                      .set(s::recipe_total_weight_clast, mass(w.recipe_total_weight_clast))
                      .set(s::recipe_total_weight, mass(w.recipe_total_weight))
                      .set(s::max_material, num(w.max_material))
                      .set(s::curr_status, num(w.curr_status))
                      .set(s::curr_cycle, num(w.curr_cycle))
                      .set(s::curr_cycle_status, num(w.curr_cycle_status))
                      .set(s::curr_material, num(w.curr_material))
                      .line());
    const int cycles = bounded(w.curr_cycle, 0, kCycles);
    for (int j = 1; j <= bounded(w.max_material, 0, kMaterials); ++j) {
        const material_record& m = w.m[j];
        namespace f = material_field;
        out.push_back(LineFields<f::count>("wm")
                          .set(f::scale, num(n))
                          .set(f::material, num(j))
                          .set(f::material_name, clean_field(m.material_name))
                          .set(f::curr_total_weight, mass(m.curr_total_weight))
                          .set(f::recipe_weight_c1, mass(m.recipe_weight_c1))
                          .set(f::recipe_weight_clast, mass(m.recipe_weight_clast))
                          .set(f::recipe_total_weight, mass(m.recipe_total_weight))
                          .line());
        for (int c = 1; c <= cycles; ++c) {
            namespace g = dose_field;
            out.push_back(LineFields<g::count>("wmc")
                              .set(g::scale, num(n))
                              .set(g::material, num(j))
                              .set(g::cycle, num(c))
                              .set(g::curr_weight, mass(m.curr_weight[c]))
                              .line());
        }
    }
    for (int c = 1; c <= cycles; ++c) {
        namespace g = cycle_field;
        out.push_back(LineFields<g::count>("wc")
                          .set(g::scale, num(n))
                          .set(g::cycle, num(c))
                          .set(g::curr_weight, mass(w.curr_weight[c]))
                          .set(g::curr_cycle_weight, mass(w.curr_cycle_weight[c]))
                          .line());
    }
}

}  // namespace

std::filesystem::path status_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "status.txt";
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
    namespace f = process_field;
    std::vector<std::string> out;
    out.push_back(LineFields<f::count>("r")
                      .set(f::weight_doc, clean_field(r.weight_doc))
                      .set(f::start_time, file_date_time(r.start_time))
                      .set(f::stop_time, file_date_time(r.stop_time))
                      .set(f::curr_cycle, num(r.curr_cycle))
                      .set(f::total_cycle, num(r.total_cycle))
                      .set(f::total_cycle_init, num(r.total_cycle_init))
                      .set(f::curr_weight, fixed_text(r.curr_weight, d))
                      .set(f::recipe_total_weight, fixed_text(r.recipe_total_weight, d))
                      .set(f::recipe_name, clean_field(r.recipe_name))
                      .set(f::recipe_client, clean_field(r.recipe_client))
                      .set(f::user_name, clean_field(r.user_name))
                      .line());
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

}  // namespace wazenie
