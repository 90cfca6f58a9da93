#include "reports/wz_delivery_source.h"

#include <algorithm>

#include "reports/process_water_cement.h"
#include "storage/date_time.h"
#include "storage/material_kinds.h"

namespace wazenie {

namespace {

// The card last written for the process: one logged again after a restart may have two.
std::optional<BatchCard> card_of(const std::filesystem::path& data_dir, const std::string& yyyymm,
                                 const recipe_record& r) {
    auto read = read_batch_cards(batch_card_path(data_dir, yyyymm));
    if (!read) {
        return std::nullopt;
    }
    const std::string start = file_date_time(r.start_time);
    const auto found = std::find_if(read->cards.rbegin(), read->cards.rend(), [&](const BatchCard& card) {
        return card.weight_doc == r.weight_doc && card.start == start;
    });
    return found == read->cards.rend() ? std::nullopt : std::optional(*found);
}

double moisture_on(const std::optional<BatchCard>& card, int scale, int material) {
    if (!card) {
        return 0;
    }
    const auto it = std::find_if(card->materials.begin(), card->materials.end(), [&](const DryTarget& t) {
        return t.scale == scale && t.material == material;
    });
    return it != card->materials.end() ? it->moisture : 0;
}

}  // namespace

std::optional<WzDelivery> wz_delivery_of_process(const Settings& settings,
                                                 const std::filesystem::path& data_dir, const ProcessState& p,
                                                 const std::vector<DryTarget>& materials,
                                                 const Delivery& delivery) {
    if (!settings.wz_pn_en_206) {
        return std::nullopt;
    }
    return WzDelivery{recipe_descriptions_in(data_dir).of(p.r.recipe_name), delivery.truck, delivery.site,
                      water_cement_ratio(p, materials, 0)};
}

std::optional<WzDelivery> wz_delivery_of_logged(const Settings& settings,
                                                const std::filesystem::path& data_dir,
                                                const std::string& yyyymm, const ProcessState& p) {
    if (!settings.wz_pn_en_206) {
        return std::nullopt;
    }
    const std::optional<BatchCard> card = card_of(data_dir, yyyymm, p.r);
    const MaterialKinds kinds = material_kinds_in(data_dir);
    std::vector<DryTarget> materials;
    for (int s = Scales::first; s <= Scales::last; ++s) {
        for (int j = 1; j <= std::clamp(p.w[s].max_material, 0, kMaterials); ++j) {
            const std::string& name = p.w[s].m[j].material_name;
            materials.push_back({s, j, name, kinds.of(name), 0, moisture_on(card, s, j), 0});
        }
    }
    return wz_delivery_of_process(settings, data_dir, p, materials, card ? card->delivery : Delivery{});
}

}  // namespace wazenie
