#include "reports/wz_delivery_source.h"

#include <algorithm>

#include "reports/process_water_cement.h"
#include "storage/date_time.h"
#include "storage/material_kinds.h"

namespace wazenie {

std::optional<WzDelivery> wz_delivery_of_process(const Settings& settings, const ProcessState& p,
                                                 const std::vector<DryTarget>& materials,
                                                 const Delivery& delivery,
                                                 const RecipeDescription& description) {
    if (!settings.wz_pn_en_206) {
        return std::nullopt;
    }
    return WzDelivery{description, delivery.truck, delivery.site, water_cement_ratio(p, materials, 0)};
}

std::optional<WzDelivery> wz_delivery_of_logged(const Settings& settings,
                                                const std::filesystem::path& data_dir,
                                                const std::string& yyyymm, const ProcessState& p) {
    if (!settings.wz_pn_en_206) {
        return std::nullopt;
    }
    const auto read = read_batch_cards(batch_card_path(data_dir, yyyymm));
    const BatchCard* card =
        read ? card_of(read->cards, p.r.weight_doc, file_date_time(p.r.start_time)) : nullptr;
    const MaterialKinds kinds = material_kinds_in(data_dir);
    std::vector<DryTarget> materials;
    for (int s = Scales::first; s <= Scales::last; ++s) {
        for (int j = 1; j <= std::clamp(p.w[s].max_material, 0, kMaterials); ++j) {
            const std::string& name = p.w[s].m[j].material_name;
            const DryTarget* dry = dry_target_of(card, s, j);
            materials.push_back({s, j, name, kinds.of(name), 0, dry ? dry->moisture : 0, 0});
        }
    }
    const bool described = card != nullptr && !card->description.empty();
    return wz_delivery_of_process(
        settings, p, materials, card ? card->delivery : Delivery{},
        described ? card->description : recipe_descriptions_in(data_dir).of(p.r.recipe_name));
}

}  // namespace wazenie
