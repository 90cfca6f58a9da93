#include "storage/process_file.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "storage/date_time.h"
#include "core/number_text.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// A field that does not convert ends the reading with the conversion's own message.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int to_int(const std::string& text) {
    if (auto v = parse_int(text)) {
        return *v;
    }
    throw ConversionError("'" + text + "' is not a valid integer value");
}

double to_mass(const std::string& text) {
    if (auto v = parse_decimal(text)) {
        return *v;
    }
    throw ConversionError("'" + text + "' is not a valid floating point value");
}

// Characters from..to (counted from 1) of the fixed-position date-time form.
std::string part(const std::string& text, std::size_t from, std::size_t to) {
    return from - 1 < text.size() ? text.substr(from - 1, to - from + 1) : std::string();
}

// Why a date-time text did not read, in the conversion's own words.
std::string date_time_error(const std::string& text) {
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

DateTime to_date_time(const std::string& text) {
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
        auto f = [&line](int k) { return tab_field(line, k); };
        const std::string kind = f(0);
        if (kind == "r") {
            read_r(f);
        } else if (kind == "w") {
            read_w(f);
        } else if (kind == "wm") {
            read_wm(f);
        } else if (kind == "wmc") {
            read_wmc(f);
        } else if (kind == "wc") {
            read_wc(f);
        }
    }

private:
    template <typename F>
    void read_r(const F& f) {
        r_.weight_doc = f(1);
        r_.start_time = to_date_time(f(2));
        r_.stop_time = to_date_time(f(3));
        r_.curr_cycle = cycle_count(to_int(f(4)));
        r_.total_cycle = cycle_count(to_int(f(5)));
        r_.total_cycle_init = to_int(f(6));
        r_.curr_weight = to_mass(f(7));
        r_.recipe_total_weight = to_mass(f(8));
        r_.recipe_name = f(9);
        r_.recipe_client = f(10);
        r_.user_name = f(11);
    }

    template <typename F>
    void read_w(const F& f) {
        const int i = to_int(f(1));
        if (!Scales::in_range(i)) {
            return;
        }
        weight_record& w = w_[i];
        w.curr_total_weight = to_mass(f(2));
        w.recipe_total_weight_c1 = to_mass(f(3));
        w.recipe_total_weight_clast = to_mass(f(4));
        w.recipe_total_weight = to_mass(f(5));
        w.max_material = std::clamp(to_int(f(6)), 0, kMaterials);
        w.curr_status = to_int(f(7));
        w.curr_cycle = cycle_count(to_int(f(8)));
        const int status = to_int(f(9));
        w.curr_cycle_status = status >= cycle_status::NOT_STARTED && status <= cycle_status::COMPLETED
                                  ? status
                                  : cycle_status::NOT_STARTED;
        w.curr_material = to_int(f(10));
    }

    template <typename F>
    void read_wm(const F& f) {
        const int i = to_int(f(1));
        const int j = to_int(f(2));
        if (!Scales::in_range(i) || !arr_material_record::in_range(j)) {
            return;
        }
        material_record& m = w_[i].m[j];
        m.material_name = f(3);
        m.curr_total_weight = to_mass(f(4));
        m.recipe_weight_c1 = to_mass(f(5));
        m.recipe_weight_clast = to_mass(f(6));
        m.recipe_total_weight = to_mass(f(7));
    }

    template <typename F>
    void read_wmc(const F& f) {
        const int i = to_int(f(1));
        const int j = to_int(f(2));
        const int c = to_int(f(3));
        if (!Scales::in_range(i) || !arr_material_record::in_range(j) || !CycleMasses::in_range(c)) {
            return;
        }
        w_[i].m[j].curr_weight[c] = to_mass(f(4));
    }

    template <typename F>
    void read_wc(const F& f) {
        const int i = to_int(f(1));
        const int c = to_int(f(2));
        if (!Scales::in_range(i) || !CycleMasses::in_range(c)) {
            return;
        }
        w_[i].curr_weight[c] = to_mass(f(3));
        w_[i].curr_cycle_weight[c] = to_mass(f(4));
    }

    recipe_record& r_;
    Scales& w_;
};

bool is_r_line(std::string_view line) {
    return line.size() >= 2 && line[0] == 'r' && line[1] == '\t';
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
        if (tab_field(line, 1) == weight_doc && tab_field(line, 2) == start_time) {
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
