#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/result.h"

namespace wazenie {

// What a material is, as far as the moisture of aggregates and the water/cement ratio need to know.
// A material without a kind is dosed as it always was.
enum class MaterialKind { none, cement, water, aggregate, admixture, addition };

// "cement", "woda", "kruszywo", "domieszka", "dodatek"; "" for none.
std::string_view material_kind_text(MaterialKind kind);
std::optional<MaterialKind> material_kind_of_text(std::string_view text);
// Every kind but none, in the order of the list above.
const std::vector<MaterialKind>& material_kinds_list();

// The kinds given to material names; names are compared trimmed and without regard to case.
class MaterialKinds {
public:
    MaterialKind of(std::string_view name) const;
    // none takes the name off the list.
    void set(std::string_view name, MaterialKind kind);
    const std::vector<std::pair<std::string, MaterialKind>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, MaterialKind>> entries_;
};

// data_dir / "materialy_rodzaje.txt": name and kind, tab-separated, Windows-1250, CR LF.
std::filesystem::path material_kinds_path(const std::filesystem::path& data_dir);

// A missing file gives no kinds; a line that does not read is left out and named in `damaged`.
struct ReadMaterialKinds {
    MaterialKinds kinds;
    std::vector<std::string> damaged;
};
Result<ReadMaterialKinds> read_material_kinds(const std::filesystem::path& file);
// What a reader that only needs the kinds gets: a file that cannot be read gives none.
MaterialKinds material_kinds_in(const std::filesystem::path& data_dir);
// Rewritten atomically through "materialy_rodzaje_tmp.txt" beside it.
Status save_material_kinds(const std::filesystem::path& file, const MaterialKinds& kinds);

}  // namespace wazenie
