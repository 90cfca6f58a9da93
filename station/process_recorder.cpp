#include "station/process_recorder.h"

#include "comm/exchange_log.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "station/batch_recorder.h"
#include "station/book_signer.h"
#include "station/stock_keeper.h"
#include "storage/month_chain.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/weight_doc.h"

namespace wazenie {

bool ProcessRecorder::save_status() {
    const auto file = status_file_path(data_dir_);
    if (save_process(p_, settings_, file, false)) {
        return true;
    }
    report_write_error(21, file);
    return false;
}

bool ProcessRecorder::append_to_log() {
    const auto file = month_log_path(data_dir_, clock_.now());
    const auto before = book_bytes(file);
    const bool logged = static_cast<bool>(save_process(p_, settings_, file, true));
    if (logged) {
        signer_.sign(*log_month(file), BookKind::log, before);
        batch_.append_card(file);
    } else {
        report_write_error(20, file);
    }
    stock_.post_consumption(p_);
    return logged;
}

std::filesystem::path ProcessRecorder::settings_file() const {
    return settings_file_path(data_dir_);
}

std::optional<std::string> ProcessRecorder::take_weight_doc() {
    const int counter = settings_.weightdoc_next;
    weight_doc_refused_ = true;
    auto doc = next_weight_doc(settings_, clock_.now());
    if (!doc) {
        log_.log_line(log_code::ERROR, "wagi nie uruchomione: błędny nast_numer w pliku konfig.ini");
        dialogs_.notify(MessageKind::error, weight_doc_refusal(settings_));
        return std::nullopt;
    }
    if (!save_settings(settings_file(), settings_, p_.w)) {
        settings_.weightdoc_next = counter;
        log_.log_line(log_code::ERROR, "wagi nie uruchomione: błąd zapisu numeru dokumentu WZ do pliku: " +
                                           settings_file().string());
        dialogs_.notify(MessageKind::error,
                        "Wagi nie zostały uruchomione: nie można zapisać numeru dokumentu WZ do pliku: " +
                            settings_file().string() +
                            ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem. Po usunięciu "
                            "przyczyny naciśnij START.");
        return std::nullopt;
    }
    weight_doc_refused_ = false;
    return doc;
}

void ProcessRecorder::report_write_error(int number, const std::filesystem::path& file) {
    dialogs_.notify(MessageKind::error, "Błąd (" + std::to_string(number) +
                                            ") przy zapisie do pliku: " + file.string() +
                                            ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
}

}  // namespace wazenie
