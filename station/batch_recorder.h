#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "storage/batch_card.h"

namespace wazenie {

class BookSigner;
class Dialogs;
class ExchangeLog;
class InFlightCorrection;
struct Settings;

// The batch's own record: what each material of the running process was asked for before the
// moisture of the aggregates was counted and, with the in-flight correction on, what each recipe
// frame carried. While the process runs the dry targets are kept in data_dir/karta_biezaca.txt (a
// restart finds them, and so does the truck and site the operator gave); when the process is logged
// its card goes to the month's card file. A process with no moisture counted, no truck or site and
// the correction off has no card, and nothing is written.
class BatchRecorder {
public:
    BatchRecorder(std::filesystem::path data_dir, const ProcessState& p, const Settings& settings,
                  Dialogs& dialogs, ExchangeLog& log, const InFlightCorrection& correction,
                  BookSigner& signer);

    // New weighing parameters; `dry` is empty when no moisture was counted. The kinds of the
    // materials and the recipe's description come from data_dir.
    void new_process(std::vector<DryTarget> dry, Delivery delivery = {});
    // At start-up, for the process read from status.txt: its dry targets as kept.
    void resumed_process();
    // The process has just been appended to `log_file` (a month's log): its card follows in the card
    // file of the same month, once per process, signed in the month's chain. A failed write is shown
    // in a box.
    void append_card(const std::filesystem::path& log_file);

    // Every material of the process with its kind and moisture, for the water/cement ratio.
    const std::vector<DryTarget>& materials() const { return materials_; }
    const Delivery& delivery() const { return delivery_; }
    const RecipeDescription& description() const { return description_; }

private:
    std::filesystem::path pending_file() const;
    void take_kinds();
    BatchCard card() const;

    std::filesystem::path data_dir_;
    const ProcessState& p_;
    const Settings& settings_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    const InFlightCorrection& correction_;
    BookSigner& signer_;
    std::vector<DryTarget> materials_;
    Delivery delivery_;
    RecipeDescription description_;
    // Moisture counted, a delivery given or a described recipe: the card is kept while it runs.
    bool card_kept_ = false;
    std::optional<std::string> appended_;  // the WZ number and start of the card last appended
};

}  // namespace wazenie
