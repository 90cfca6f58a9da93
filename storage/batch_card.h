#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "storage/material_kinds.h"
#include "storage/recipe_descriptions.h"

namespace wazenie {

// What one material of a process was asked for before the moisture of the aggregates was counted:
// the dry mass over the whole process, the moisture (percent of the dry mass, 0 for anything but a
// wet aggregate) and the mass the records hold for the meters to dose.
struct DryTarget {
    int scale = 0;
    int material = 0;
    std::string name;
    MaterialKind kind = MaterialKind::none;
    double dry = 0;
    double moisture = 0;
    double wet = 0;

    bool operator==(const DryTarget&) const = default;
};

// What one material's recipe frame carried in one cycle, when the in-flight correction was on.
struct SentMass {
    int scale = 0;
    int material = 0;
    int cycle = 0;
    double target = 0;
    double sent = 0;

    bool operator==(const SentMass&) const = default;
};

// Where a load went, when the operator said: the truck and the building site.
struct Delivery {
    std::string truck;
    std::string site;

    bool empty() const { return truck.empty() && site.empty(); }
    bool operator==(const Delivery&) const = default;
};

// The batch's own record beside the month log, keyed as the log keys a process.
struct BatchCard {
    std::string weight_doc;
    std::string start;  // as logged ("2024-03-05 07:08:09", "---" when it never started)
    std::string recipe;
    std::vector<DryTarget> materials;
    std::vector<SentMass> sent;
    Delivery delivery = {};
    // The recipe's description as it stood when the process was set, so that a WZ printed again states
    // what was delivered, whatever the recipe says since.
    RecipeDescription description = {};

    bool operator==(const BatchCard&) const = default;
};

// The card of a process (the last one, as a process logged again after a restart has two), and the dry
// target of one of its materials; nullptr for none.
const BatchCard* card_of(const std::vector<BatchCard>& cards, std::string_view weight_doc,
                         std::string_view start);
const DryTarget* dry_target_of(const BatchCard* card, int scale, int material);

// data_dir / "yyyymm_karta.txt": one block a process, tab-separated, Windows-1250, CR LF. A block is a
// line "k", WZ number, start, recipe, the number of lines that follow; then a line "km" per material
// (scale, index, name, kind, dry kg, moisture %, wet kg) and one "ks" per sent frame (scale, index,
// cycle, target kg, sent kg), a line "kd" (truck, site) when either was given, and a line "ko" with the
// recipe's description as receptury_opis.txt writes its fields, when it has one. Masses with a point.
std::filesystem::path batch_card_path(const std::filesystem::path& data_dir, const std::string& yyyymm);
std::vector<std::string> batch_card_lines(const BatchCard& card);

// Appended through the log's safe append: a block cut short by a crash stays apart from the next.
Status append_batch_card(const std::filesystem::path& file, const BatchCard& card);

// A missing file holds no card. A block that does not read whole is passed over and named in
// `damaged` ("linia N: ..."), and so is a line outside any block.
struct ReadBatchCards {
    std::vector<BatchCard> cards;
    std::vector<std::string> damaged;
};
Result<ReadBatchCards> read_batch_cards(const std::filesystem::path& file);

}  // namespace wazenie
