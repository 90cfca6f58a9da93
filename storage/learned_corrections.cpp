#include "storage/learned_corrections.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr double kLargestKg = 1e6;

std::optional<LearnedCorrection> correction_of(const std::string& line) {
    LearnedCorrection c;
    const auto scale = parse_int(tab_field(line, 0));
    c.material = std::string(trim(tab_field(line, 1)));
    const auto kg = parse_decimal(tab_field(line, 2));
    const auto count = parse_int(tab_field(line, 3));
    if (!scale || !Scales::in_range(*scale) || c.material.empty() || !kg || !std::isfinite(*kg) ||
        std::fabs(*kg) > kLargestKg || !count || *count < 1 ||
        std::count(line.begin(), line.end(), '\t') != 3) {
        return std::nullopt;
    }
    c.scale = *scale;
    c.kg = *kg;
    c.count = *count;
    return c;
}

}  // namespace

std::filesystem::path corrections_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "korekty.txt";
}

Result<LearnedCorrections> read_corrections(const std::filesystem::path& file) {
    LearnedCorrections out;
    auto lines = text_file::read_lines_if_present(file);
    if (!lines) {
        return lines.error();
    }
    for (std::size_t k = 0; k < lines->size(); ++k) {
        const std::string& line = (*lines)[k];
        if (line.empty()) {
            continue;
        }
        auto c = correction_of(line);
        if (!c || find_correction(out, c->scale, c->material)) {
            return Error{text_file::damaged_line(k, line), file.string()};
        }
        out.push_back(std::move(*c));
    }
    return out;
}

Status save_corrections(const std::filesystem::path& file, const LearnedCorrections& corrections,
                        const Scales& w) {
    std::vector<std::string> lines;
    for (const LearnedCorrection& c : corrections) {
        lines.push_back(std::to_string(c.scale) + '\t' + clean_field(c.material) + '\t' +
                        fixed_text(c.kg, w[c.scale].precision) + '\t' + std::to_string(c.count));
    }
    return text_file::replace_atomically(file, file.parent_path() / "korekty_tmp.txt", lines);
}

const LearnedCorrection* find_correction(const LearnedCorrections& corrections, int scale,
                                         std::string_view material) {
    const auto it = std::find_if(corrections.begin(), corrections.end(), [&](const LearnedCorrection& c) {
        return c.scale == scale && same_material_name(c.material, material);
    });
    return it == corrections.end() ? nullptr : &*it;
}

LearnedCorrection* find_correction(LearnedCorrections& corrections, int scale, std::string_view material) {
    return const_cast<LearnedCorrection*>(
        find_correction(static_cast<const LearnedCorrections&>(corrections), scale, material));
}

int clear_corrections(LearnedCorrections& corrections, int scale, std::string_view material) {
    return static_cast<int>(std::erase_if(corrections, [&](const LearnedCorrection& c) {
        return (scale == 0 || c.scale == scale) &&
               (material.empty() || same_material_name(c.material, material));
    }));
}

Change corrections_cleared(int scale, std::string_view material, int cleared) {
    const std::string scales = scale == 0 ? "wszystkie wagi" : "waga " + std::to_string(scale);
    const std::string names = material.empty() ? "wszystkie materiały" : std::string(material);
    return {"korekty", scales + ", " + names, std::to_string(cleared) + " wyuczonych", "wyzerowane"};
}

}  // namespace wazenie
