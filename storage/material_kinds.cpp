#include "storage/material_kinds.h"

#include <algorithm>

#include "core/trim.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

std::string_view material_kind_text(MaterialKind kind) {
    switch (kind) {
        case MaterialKind::cement:
            return "cement";
        case MaterialKind::water:
            return "woda";
        case MaterialKind::aggregate:
            return "kruszywo";
        case MaterialKind::admixture:
            return "domieszka";
        case MaterialKind::addition:
            return "dodatek";
        case MaterialKind::none:
            break;
    }
    return {};
}

const std::vector<MaterialKind>& material_kinds_list() {
    static const std::vector<MaterialKind> kinds = {MaterialKind::cement, MaterialKind::water,
                                                    MaterialKind::aggregate, MaterialKind::admixture,
                                                    MaterialKind::addition};
    return kinds;
}

std::optional<MaterialKind> material_kind_of_text(std::string_view text) {
    for (const MaterialKind kind : material_kinds_list()) {
        if (material_kind_text(kind) == trim(text)) {
            return kind;
        }
    }
    return std::nullopt;
}

MaterialKind MaterialKinds::of(std::string_view name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return same_material_name(entry.first, name); });
    return it == entries_.end() ? MaterialKind::none : it->second;
}

void MaterialKinds::set(std::string_view name, MaterialKind kind) {
    std::erase_if(entries_, [&](const auto& entry) { return same_material_name(entry.first, name); });
    if (kind != MaterialKind::none && !trim(name).empty()) {
        entries_.emplace_back(std::string(trim(name)), kind);
    }
}

std::filesystem::path material_kinds_path(const std::filesystem::path& data_dir) {
    return data_dir / "materialy_rodzaje.txt";
}

Result<ReadMaterialKinds> read_material_kinds(const std::filesystem::path& file) {
    ReadMaterialKinds out;
    const Status read = text_file::read_data_lines(file, out.damaged, [&](const std::string& line) {
        const std::string name(trim(tab_field(line, 0)));
        const auto kind = material_kind_of_text(tab_field(line, 1));
        if (name.empty() || !kind || std::count(line.begin(), line.end(), '\t') != 1) {
            return false;
        }
        out.kinds.set(name, *kind);
        return true;
    });
    if (!read) {
        return read.error();
    }
    return out;
}

MaterialKinds material_kinds_in(const std::filesystem::path& data_dir) {
    auto read = read_material_kinds(material_kinds_path(data_dir));
    return read ? std::move(read->kinds) : MaterialKinds{};
}

Status save_material_kinds(const std::filesystem::path& file, const MaterialKinds& kinds) {
    std::vector<std::string> lines;
    for (const auto& [name, kind] : kinds.entries()) {
        lines.push_back(clean_field(name) + '\t' + std::string(material_kind_text(kind)));
    }
    return text_file::replace_atomically(file, file.parent_path() / "materialy_rodzaje_tmp.txt", lines);
}

}  // namespace wazenie
