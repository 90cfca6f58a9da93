#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "reports/wz_delivery.h"
#include "storage/batch_card.h"
#include "storage/settings.h"

namespace wazenie {

// What the WZ states beyond the masses, when settings.wz_pn_en_206 asks for it (nothing otherwise):
// the recipe's description, the truck and site, and the w/c of `p` with the kinds and moisture
// `materials` give.
std::optional<WzDelivery> wz_delivery_of_process(const Settings& settings, const ProcessState& p,
                                                 const std::vector<DryTarget>& materials,
                                                 const Delivery& delivery,
                                                 const RecipeDescription& description);

// The same for a logged process of `yyyymm`: the truck, site, moisture and description from its batch
// card (none without a card: the aggregates then counted dry, the recipe's description as it stands in
// data_dir), the kinds from data_dir's material kinds, as the water/cement report counts them.
std::optional<WzDelivery> wz_delivery_of_logged(const Settings& settings,
                                                const std::filesystem::path& data_dir,
                                                const std::string& yyyymm, const ProcessState& p);

}  // namespace wazenie
