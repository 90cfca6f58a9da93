#include "station/process_recorder.h"

#include "comm/exchange_log.h"
#include "core/clock.h"
#include "core/dialogs.h"
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
    if (save_process(p_, settings_, file, true)) {
        return true;
    }
    report_write_error(20, file);
    return false;
}

std::string ProcessRecorder::take_weight_doc() {
    std::string doc = next_weight_doc(settings_, clock_.now());
    if (!save_settings(settings_file(), settings_, p_.w)) {
        log_.log_line(log_code::ERROR,
                      "błąd zapisu numeru dokumentu WZ do pliku: " + settings_file().string());
    }
    return doc;
}

void ProcessRecorder::report_write_error(int number, const std::filesystem::path& file) {
    dialogs_.error("Błąd (" + std::to_string(number) + ") przy zapisie do pliku: " + file.string() +
                   ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
}

}  // namespace wazenie
