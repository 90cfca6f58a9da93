#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "storage/recipe_descriptions.h"

namespace wazenie {

// What a WZ of designed concrete states beyond the masses: the recipe's description, the truck, the
// site and the water/cement ratio of what was dosed (none when it cannot be computed).
struct WzDelivery {
    RecipeDescription description;
    std::string truck;
    std::string site;
    std::optional<double> water_cement;
};

// The block's lines without the margin, one a value given: the description's fields, the volume
// (`total` kg over the density, none without it), the time of loading (the process's start), the
// truck, the site and the w/c.
std::vector<std::string> wz_delivery_lines(const WzDelivery& delivery, const recipe_record& r, double total);

}  // namespace wazenie
