#pragma once

#include <optional>
#include <string>

namespace wazenie {

// How the recipe editor picks a material: the material window shown modally; its selected name when it
// is closed with OK, nothing otherwise.
class MaterialChooser {
public:
    virtual ~MaterialChooser() = default;
    virtual std::optional<std::string> choose_material() = 0;
};

}  // namespace wazenie
