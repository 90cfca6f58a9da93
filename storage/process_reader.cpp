#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "core/number_text.h"
#include "storage/date_time.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// A field that does not convert ends the reading with the conversion's own message.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int to_int(std::string_view text) {
    if (auto v = parse_int(text)) {
        return *v;
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

double to_mass(std::string_view text) {
    if (auto v = parse_decimal(text)) {
        return *v;
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

// Characters from..to (counted from 1) of the fixed-position date-time form.
std::string_view part(std::string_view text, std::size_t from, std::size_t to) {
    return from - 1 < text.size() ? text.substr(from - 1, to - from + 1) : std::string_view();
}

// Why a date-time text did not read, in the conversion's own words.
std::string date_time_error(std::string_view text) {
    DateTimeParts date;
    date.year = to_int(part(text, 1, 4));
    date.month = to_int(part(text, 6, 7));
    date.day = to_int(part(text, 9, 10));
    const int hour = to_int(part(text, 12, 13));
    const int minute = to_int(part(text, 15, 16));
    const int second = to_int(part(text, 18, 19));
    const bool time_valid =
        hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    return make_date_time(date) && !time_valid ? "Invalid argument to time encode"
                                               : "Invalid argument to date encode";
}

DateTime to_date_time(std::string_view text) {
    if (text == "---") {
        return 0;
    }
    if (auto t = parse_date_time(text)) {
        return *t;
    }
    throw ConversionError(date_time_error(text));
}

int cycle_count(int c) {
    return std::clamp(c, 1, kCycles);
}

class RecordReader {
public:
    RecordReader(recipe_record& r, Scales& w) : r_(r), w_(w) {}

    void read(const std::string& line) {
        const LogLine l = read_log_line(line);
        switch (l.kind()) {
            case LogLineKind::process:
                return read_r(l);
            case LogLineKind::scale:
                return read_w(l);
            case LogLineKind::material:
                return read_wm(l);
            case LogLineKind::dose:
                return read_wmc(l);
            case LogLineKind::cycle:
                return read_wc(l);
            case LogLineKind::other:
                return;
        }
    }

private:
    void read_r(const LogLine& l) {
        namespace f = process_field;
        r_.weight_doc = l[f::weight_doc];
        r_.start_time = to_date_time(l[f::start_time]);
        r_.stop_time = to_date_time(l[f::stop_time]);
        r_.curr_cycle = cycle_count(to_int(l[f::curr_cycle]));
        r_.total_cycle = cycle_count(to_int(l[f::total_cycle]));
        r_.total_cycle_init = to_int(l[f::total_cycle_init]);
        r_.curr_weight = to_mass(l[f::curr_weight]);
        r_.recipe_total_weight = to_mass(l[f::recipe_total_weight]);
        r_.recipe_name = l[f::recipe_name];
        r_.recipe_client = l[f::recipe_client];
        r_.user_name = l[f::user_name];
    }

    void read_w(const LogLine& l) {
        namespace f = scale_field;
        const int i = to_int(l[f::scale]);
        if (!Scales::in_range(i)) {
            return;
        }
        weight_record& w = w_[i];
        w.curr_total_weight = to_mass(l[f::curr_total_weight]);
        w.recipe_total_weight_c1 = to_mass(l[f::recipe_total_weight_c1]);
        w.recipe_total_weight_clast = to_mass(l[f::recipe_total_weight_clast]);
        w.recipe_total_weight = to_mass(l[f::recipe_total_weight]);
        w.max_material = std::clamp(to_int(l[f::max_material]), 0, kMaterials);
        w.curr_status = to_int(l[f::curr_status]);
        w.curr_cycle = cycle_count(to_int(l[f::curr_cycle]));
        const int status = to_int(l[f::curr_cycle_status]);
        w.curr_cycle_status = status >= cycle_status::NOT_STARTED && status <= cycle_status::COMPLETED
                                  ? status
                                  : cycle_status::NOT_STARTED;
        w.curr_material = to_int(l[f::curr_material]);
    }

    void read_wm(const LogLine& l) {
        namespace f = material_field;
        const int i = to_int(l[f::scale]);
        const int j = to_int(l[f::material]);
        if (!Scales::in_range(i) || !arr_material_record::in_range(j)) {
            return;
        }
        material_record& m = w_[i].m[j];
        m.material_name = l[f::material_name];
        m.curr_total_weight = to_mass(l[f::curr_total_weight]);
        m.recipe_weight_c1 = to_mass(l[f::recipe_weight_c1]);
        m.recipe_weight_clast = to_mass(l[f::recipe_weight_clast]);
        m.recipe_total_weight = to_mass(l[f::recipe_total_weight]);
    }

    void read_wmc(const LogLine& l) {
        namespace f = dose_field;
        const int i = to_int(l[f::scale]);
        const int j = to_int(l[f::material]);
        const int c = to_int(l[f::cycle]);
        if (!Scales::in_range(i) || !arr_material_record::in_range(j) || !CycleMasses::in_range(c)) {
            return;
        }
        w_[i].m[j].curr_weight[c] = to_mass(l[f::curr_weight]);
    }

    void read_wc(const LogLine& l) {
        namespace f = cycle_field;
        const int i = to_int(l[f::scale]);
        const int c = to_int(l[f::cycle]);
        if (!Scales::in_range(i) || !CycleMasses::in_range(c)) {
            return;
        }
        w_[i].curr_weight[c] = to_mass(l[f::curr_weight]);
        w_[i].curr_cycle_weight[c] = to_mass(l[f::curr_cycle_weight]);
    }

    recipe_record& r_;
    Scales& w_;
};

bool is_r_line(std::string_view line) {
    return line.starts_with(kProcessLineStart);
}

// The lines of the first record of a log with this weight_doc and start_time text, in one pass that
// stops at the record's end; empty when there is none.
Result<std::vector<std::string>> record_lines(const std::filesystem::path& log, const std::string& weight_doc,
                                              const std::string& start_time) {
    std::vector<std::string> record;
    auto collect = [&](std::string_view line) {
        if (!is_r_line(line)) {
            if (!record.empty()) {
                record.emplace_back(line);
            }
            return true;
        }
        if (!record.empty()) {
            return false;
        }
        const LogLine r = read_log_line(line);
        if (r[process_field::weight_doc] == weight_doc && r[process_field::start_time] == start_time) {
            record.emplace_back(line);
        }
        return true;
    };
    if (auto read = text_file::for_each_line(log, collect); !read) {
        return read.error();
    }
    return record;
}

}  // namespace

Status load_process(ProcessState& p, const std::filesystem::path& data_dir, const std::string& month,
                    const std::string& weight_doc, const std::string& start_time) {
    const bool status_file = month == "0";
    const std::filesystem::path file =
        status_file ? status_file_path(data_dir) : month_log_path(data_dir, month);
    const std::string name = file.string();
    auto lines = status_file ? text_file::read_lines(file) : record_lines(file, weight_doc, start_time);
    if (!lines) {
        return Error{"Brak pliku z danymi:\r" + name, name};
    }
    if (lines->empty() && !status_file) {
        return Error{"Brak pliku dokumentu WZ:\r" + weight_doc + "\rw pliku z danymi: \r" + name, name};
    }
    // The status file is always written whole with its process line, so text without one is damaged.
    if (status_file && !lines->empty() &&
        std::none_of(lines->begin(), lines->end(), [](const std::string& line) { return is_r_line(line); })) {
        return Error{"Brak zapisu procesu w pliku z danymi:\r" + name, name};
    }
    recipe_record r = p.r;
    Scales w = p.w;
    RecordReader reader(r, w);
    try {
        for (const std::string& line : *lines) {
            reader.read(line);
        }
    } catch (const ConversionError& e) {
        return Error{e.what(), name};
    }
    p.r = std::move(r);
    p.w = std::move(w);
    return {};
}

}  // namespace wazenie
