#include "station/batch_recorder.h"

#include <system_error>

#include "comm/exchange_log.h"
#include "core/dialogs.h"
#include "station/book_signer.h"
#include "station/in_flight_correction.h"
#include "storage/date_time.h"
#include "storage/month_chain.h"
#include "storage/month_log.h"
#include "storage/settings.h"
#include "storage/text_file.h"

namespace wazenie {

BatchRecorder::BatchRecorder(std::filesystem::path data_dir, const ProcessState& p, const Settings& settings,
                             Dialogs& dialogs, ExchangeLog& log, const InFlightCorrection& correction,
                             BookSigner& signer)
    : data_dir_(std::move(data_dir)),
      p_(p),
      settings_(settings),
      dialogs_(dialogs),
      log_(log),
      correction_(correction),
      signer_(signer) {}

std::filesystem::path BatchRecorder::pending_file() const {
    return data_dir_ / "karta_biezaca.txt";
}

// Without moisture every material is asked for what the records hold.
void BatchRecorder::take_kinds() {
    const MaterialKinds kinds = material_kinds_in(data_dir_);
    materials_.clear();
    for (int s = 1; s <= kScales; ++s) {
        const weight_record& w = p_.w[s];
        for (int j = 1; j <= w.max_material && j <= kMaterials; ++j) {
            const material_record& m = w.m[j];
            materials_.push_back({s, j, m.material_name, kinds.of(m.material_name), m.recipe_total_weight, 0,
                                  m.recipe_total_weight});
        }
    }
}

void BatchRecorder::new_process(std::vector<DryTarget> dry, Delivery delivery) {
    appended_.reset();
    delivery_ = std::move(delivery);
    description_ = recipe_descriptions_in(data_dir_).of(p_.r.recipe_name);
    card_kept_ = !dry.empty() || !delivery_.empty() || !description_.empty();
    if (dry.empty()) {
        take_kinds();
    } else {
        materials_ = std::move(dry);
    }
    std::error_code ignored;
    if (!card_kept_) {
        std::filesystem::remove(pending_file(), ignored);
        return;
    }
    if (const Status kept = text_file::replace_atomically(pending_file(), data_dir_ / "karta_biezaca_tmp.txt",
                                                          batch_card_lines(card()));
        !kept) {
        log_.log_line(log_code::ERROR,
                      "błąd zapisu pliku " + pending_file().string() + ": " + kept.error().what);
    }
}

void BatchRecorder::resumed_process() {
    appended_.reset();
    auto read = read_batch_cards(pending_file());
    if (read && read->cards.size() == 1 && read->cards[0].recipe == p_.r.recipe_name) {
        materials_ = std::move(read->cards[0].materials);
        delivery_ = std::move(read->cards[0].delivery);
        description_ = std::move(read->cards[0].description);
        card_kept_ = true;
        return;
    }
    card_kept_ = false;
    delivery_ = {};
    description_ = {};
    take_kinds();
}

BatchCard BatchRecorder::card() const {
    BatchCard card{
        p_.r.weight_doc, file_date_time(p_.r.start_time), p_.r.recipe_name, materials_, {}, delivery_,
        description_};
    if (settings_.correction.enabled) {
        for (int s = 1; s <= kScales; ++s) {
            for (int k = 1; k <= kCycles; ++k) {
                for (int j = 1; j <= kMaterials; ++j) {
                    if (const auto& dose = correction_.sent(s)[k][j]) {
                        card.sent.push_back({s, j, k, dose->target, dose->sent});
                    }
                }
            }
        }
    }
    return card;
}

void BatchRecorder::append_card(const std::filesystem::path& log_file) {
    if (!card_kept_ && !settings_.correction.enabled) {
        return;
    }
    const BatchCard written = card();
    const std::string key = written.weight_doc + '\t' + written.start;
    const auto month = log_month(log_file);
    if (appended_ == key || !month) {
        return;
    }
    const auto file = batch_card_path(data_dir_, *month);
    const auto before = book_bytes(file);
    if (const Status saved = append_batch_card(file, written); !saved) {
        log_.log_line(log_code::ERROR, "błąd zapisu pliku " + file.string() + ": " + saved.error().what);
        dialogs_.notify(MessageKind::error, "Nie udało się zapisać karty procesu " + written.weight_doc +
                                                " do pliku: " + file.string() + " (" + saved.error().what +
                                                ").");
        return;
    }
    appended_ = key;
    signer_.sign(*month, BookKind::cards, before);
}

}  // namespace wazenie
