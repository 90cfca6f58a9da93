#include "reports/production_analysis_reading.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

#include "core/dose.h"
#include "core/process_records.h"
#include "core/trim.h"
#include "reports/log_fields.h"
#include "storage/month_log.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

// What the "w" and "wm" lines of the current record told of a scale.
struct ScaleState {
    weight_record w;  // only its cycle, cycle status and material are read
    bool valid = false;
    // A material line that read: its name and its targets in a cycle and in the last one, which may
    // not be held.
    struct Material {
        std::uint32_t name = 0;
        MassMilli c1;
        MassMilli last;
        bool last_held = false;
        bool valid = false;
        // The name as last logged in this place: the same name comes process after process.
        std::string logged_name;
        bool logged = false;
    };
    std::array<Material, kMaterials> materials{};
};

class MonthReader {
public:
    explicit MonthReader(ReadMonth room) : month_(std::move(room)) {
        month_.records.clear();
        month_.process_lines.clear();
        month_.material_names.clear();
        month_.doses.clear();
        month_.names.clear();
    }

    ReadMonth read(const std::filesystem::path& log_file) {
        month_.read = for_each_record(log_file, [this](const LogRecord& record) {
            on_record(record);
            return true;
        });
        return std::move(month_);
    }

private:
    // The lines by the million are read by a cursor.
    void on_record(const LogRecord& record) {
        month_.process_lines += record.process_line;
        ReadRecord read;
        read.process_line_end = month_.process_lines.size();
        const auto total_cycle = FieldCursor(record.process[process_field::total_cycle]).integer();
        // A record without its cycle count is never listed.
        read.total_cycle_read = total_cycle.has_value();
        if (total_cycle) {
            total_cycle_ = std::clamp(*total_cycle, 1, kCycles);
            for (auto& scale : scales_) {
                scale.valid = false;
            }
            for (std::string_view lines = record.body; !lines.empty();) {
                const std::string_view line = text_file::take_line(lines);
                const LogLineKind kind = log_line_kind(line);
                if (kind == LogLineKind::scale) {
                    on_scale(FieldCursor(line));
                } else if (kind == LogLineKind::material) {
                    on_material(FieldCursor(line));
                } else if (kind == LogLineKind::dose) {
                    on_dose(FieldCursor(line));
                }
            }
        }
        read.materials_end = month_.material_names.size();
        read.doses_end = month_.doses.size();
        month_.records.push_back(std::move(read));
    }

    // The logged masses are nearly all whole thousandths with a point, read without floating point.
    // False when the field is no mass of whole thousandths. An out parameter, not an optional: the
    // optional came back through memory, written in two parts and read in one, a stall on every dose.
    static bool read_mass(FieldCursor& f, std::size_t column, int& decimals, MassMilli& mass) {
        const std::string_view field = f.text(column);
        std::optional<MassMilli> exact;
        if (const auto milli = FieldCursor::thousandths_of(field, decimals)) {
            exact = std::abs(*milli) <= std::numeric_limits<std::int32_t>::max() ? MassMilli::of_milli(*milli)
                                                                                 : std::nullopt;
        } else if (const auto kg = FieldCursor::mass_of(field, decimals)) {
            exact = MassMilli::exactly(*kg);
        }
        mass = exact.value_or(MassMilli());
        return exact.has_value();
    }

    void on_scale(FieldCursor l) {
        namespace f = scale_field;
        const auto i = l.integer(f::scale);
        if (!i || !Scales::in_range(*i)) {
            return;
        }
        ScaleState& scale = scales_[*i - 1];
        const auto cycle = l.integer(f::curr_cycle);
        const auto status = l.integer(f::curr_cycle_status);
        const auto material = l.integer(f::curr_material);
        scale.valid = cycle && status && material;
        scale.w.curr_cycle = cycle.value_or(0);
        scale.w.curr_cycle_status = status.value_or(cycle_status::NOT_STARTED);
        scale.w.curr_material = material.value_or(0);
        for (auto& m : scale.materials) {
            m.valid = false;
        }
    }

    void on_material(FieldCursor l) {
        namespace f = material_field;
        const auto i = l.integer(f::scale);
        const auto j = l.integer(f::material);
        if (!i || !j || !Scales::in_range(*i) || !arr_material_record::in_range(*j)) {
            return;
        }
        const std::string_view name = trim(l.text(f::material_name));
        int decimals = 0;
        MassMilli c1;
        MassMilli clast;
        auto& m = scales_[*i - 1].materials[*j - 1];
        m.valid = read_mass(l, f::recipe_weight_c1, decimals, c1) &&
                  read_mass(l, f::recipe_weight_clast, decimals, clast);
        if (!m.valid) {
            return;
        }
        if (!m.logged || name != m.logged_name) {
            m.logged_name = name;
            m.logged = true;
            m.name = name_index(name);
        }
        month_.material_names.push_back(m.name);
        // Summed in thousandths, so that the target is the exact sum of the logged masses.
        const auto last = MassMilli::of_milli(std::int64_t{c1.milli()} + clast.milli());
        m.c1 = c1;
        m.last_held = last.has_value();
        m.last = last.value_or(MassMilli());
    }

    void on_dose(FieldCursor l) {
        namespace f = dose_field;
        const auto i = l.integer(f::scale);
        const auto j = l.integer(f::material);
        const auto c = l.integer(f::cycle);
        int decimals = 0;
        MassMilli dosed;
        const bool dose_read = read_mass(l, f::curr_weight, decimals, dosed);
        if (!i || !j || !c || !dose_read || !Scales::in_range(*i) || !arr_material_record::in_range(*j) ||
            !CycleMasses::in_range(*c)) {
            return;
        }
        const ScaleState& scale = scales_[*i - 1];
        const auto& m = scale.materials[*j - 1];
        if (!scale.valid || !m.valid) {
            return;
        }
        ReadDose dose;
        dose.name = m.name;
        dose.scale = static_cast<std::uint8_t>(*i);
        dose.cycle = static_cast<std::uint8_t>(*c);
        dose.decimals = static_cast<std::uint8_t>(std::min(decimals, 255));
        const bool finished = dose_finished(scale.w, *j, *c);
        const bool begun =
            finished || (*c == scale.w.curr_cycle && scale.w.curr_cycle_status == cycle_status::STARTED &&
                         *j == scale.w.curr_material);
        const bool last = finished && *c == total_cycle_;
        if (begun && (!last || m.last_held)) {
            dose.state = finished ? ReadDose::State::finished : ReadDose::State::begun;
            dose.target = !finished ? MassMilli() : last ? m.last : m.c1;
            dose.dosed = dosed;
        }
        month_.doses.push_back(dose);
    }

    // By the name's bytes as logged: the conversion is one to one, so only the analysis converts, once
    // a name.
    std::uint32_t name_index(std::string_view name) {
        const auto [number, added] = names_.number(name);
        if (added) {
            month_.names.emplace_back(name);
        }
        return number;
    }

    ReadMonth month_;
    NameNumbers names_;
    std::array<ScaleState, kScales> scales_{};
    int total_cycle_ = 1;
};

}  // namespace

ReadMonth read_month(const std::filesystem::path& log_file, ReadMonth room) {
    return MonthReader(std::move(room)).read(log_file);
}

}  // namespace wazenie
