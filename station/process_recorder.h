#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "core/process_records.h"

namespace wazenie {

class Clock;
class Dialogs;
class ExchangeLog;
class BatchRecorder;
class BookSigner;
class StockKeeper;
struct Settings;

// Everything the process writes to disk while it runs: the status file, the month's log with the
// stock's consumption, and the settings file when a WZ number is taken. Each write is reported the way its
// caller can afford. Its boxes wait for nobody: the main loop and the answer handling write through it.
class ProcessRecorder {
public:
    ProcessRecorder(std::filesystem::path data_dir, const ProcessState& p, Settings& settings,
                    const Clock& clock, Dialogs& dialogs, ExchangeLog& log, StockKeeper& stock,
                    BatchRecorder& batch, BookSigner& signer)
        : data_dir_(std::move(data_dir)),
          p_(p),
          settings_(settings),
          clock_(clock),
          dialogs_(dialogs),
          log_(log),
          stock_(stock),
          batch_(batch),
          signer_(signer) {}

    // data_dir/status.txt, written atomically; a failure is shown as "Błąd (21) ..." and gives false.
    bool save_status();
    // Appends the process to the log of the current month, signed in the month's chain, its batch card
    // after it; a failure is shown as "Błąd (20) ...". What it took of the kept materials is posted to the
    // stock either way: it has left the silos.
    bool append_to_log();
    // A new WZ number, given only once the advanced counter is in the settings file, so that no
    // number is ever issued twice. Nothing when the counter is not usable or the file cannot be
    // written: the exchange log and a box say why, and the counter stays where it was.
    std::optional<std::string> take_weight_doc();
    // The last take_weight_doc gave nothing, so the scales were not started: the desktop waits for
    // START, a run nobody operates ends.
    bool weight_doc_refused() const { return weight_doc_refused_; }

    std::filesystem::path settings_file() const;

private:
    void report_write_error(int number, const std::filesystem::path& file);

    std::filesystem::path data_dir_;
    const ProcessState& p_;
    Settings& settings_;
    const Clock& clock_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    StockKeeper& stock_;
    BatchRecorder& batch_;
    BookSigner& signer_;
    bool weight_doc_refused_ = false;
};

}  // namespace wazenie
