#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/process_records.h"
#include "storage/batch_card.h"
#include "storage/material_kinds.h"
#include "storage/recipe_descriptions.h"
#include "storage/settings.h"
#include "storage/tolerances.h"

namespace wazenie {

// One material in one cycle (cycle 0: the whole process): what was asked for dry, at which moisture,
// the target, what the meter was sent, what it dosed, and how far off the target that lies.
struct BatchDose {
    int cycle = 0;
    double dry = 0;
    double moisture = 0;
    double target = 0;
    double sent = 0;
    double dosed = 0;
    DoseDeviation deviation;
};

struct BatchMaterial {
    int scale = 0;
    std::string name;
    int precision = 0;
    double tolerance = 0;
    std::vector<BatchDose> cycles;
    BatchDose total;
};

// The batch record of one logged process: its record, its card's dry targets and sent masses, and the
// water/cement ratio against the recipe's largest allowed one.
struct BatchRecord {
    recipe_record r;
    std::array<std::string, 4> plant;
    double total_mass = 0;  // of the doses below, so that the record never contradicts its own figures
    int total_precision = 0;
    int cycles = 0;
    std::vector<BatchMaterial> materials;
    std::optional<double> water_cement;  // none while no material has the kind cement
    std::optional<double> wc_maks;
};

// `card` is the process's batch card, null without one: every dry target is then the target, the
// moisture 0 and the sent mass the target. The doses are judged as the report judges them, on the
// masses rounded to their scale's precision, against settings' tolerances. Kinds are those of the
// materials' names, as the water/cement report takes them; the masses those of the cycles.
BatchRecord batch_record(const ProcessState& p, const BatchCard* card, const Settings& settings,
                         const MaterialKinds& kinds, const RecipeDescription& description);

// The record of a process loaded from the log of `month` ("yyyymm"), with its card from that month's
// card file and the kinds and recipe descriptions of data_dir. Nothing when the card file cannot be
// read (the error has been shown): without it the dry targets would be wrong. When the card is not
// found and the file has damaged blocks, a warning names them.
std::optional<BatchRecord> logged_batch_record(const std::filesystem::path& data_dir,
                                               const std::string& month, const ProcessState& p,
                                               const Settings& settings, Dialogs& dialogs);

}  // namespace wazenie
