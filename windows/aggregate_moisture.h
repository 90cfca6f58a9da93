#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"
#include "core/dialogs.h"
#include "storage/moisture.h"
#include "storage/settings.h"

namespace wazenie {

// The group "Wilgotność kruszyw [%]" of "Parametry naważania": a field for each aggregate of the chosen
// recipe, holding its last moisture until the operator types another. A value typed now is the
// operator's as of now; an untouched one keeps when and by whom it was given.
class AggregateMoisture {
public:
    struct Row {
        std::string material;
        std::string text;  // as shown and typed; empty when none was ever given
        std::optional<MoistureEntry> stored;
        bool edited = false;
        // An untouched value older than konfig.ini [Wilgotnosc] waznosc_godz (amber), and its hint.
        bool old = false;
        std::string hint;
    };

    AggregateMoisture(std::filesystem::path data_dir, const Settings& settings, Dialogs& dialogs,
                      const Clock& clock, std::string operator_name);

    // The aggregates of this recipe; a value typed for a material already shown stays.
    void show_recipe(const std::string& recipe_name);
    const std::vector<Row>& rows() const { return rows_; }
    // The row of a material, its name compared trimmed and without regard to letter case.
    std::optional<std::size_t> find(std::string_view material) const;

    void type(std::size_t row, std::string text);
    // Leaving a field: false after kMoistureRangeMessage when what was typed is no moisture.
    bool leave(std::size_t row);

    // Every aggregate with a value: typed ones set now by the operator, untouched ones as stored.
    MoistureTable values() const;

private:
    std::filesystem::path data_dir_;
    const Settings& settings_;
    Dialogs& dialogs_;
    const Clock& clock_;
    std::string operator_name_;
    std::vector<Row> rows_;
};

}  // namespace wazenie
