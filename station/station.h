#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "reports/stock_book.h"
#include "station/scale_button.h"
#include "station/scale_settings.h"
#include "storage/batch_card.h"
#include "storage/settings.h"
#include "storage/tolerances.h"

namespace wazenie {

class ChangeJournal;
class Clock;
class Dialogs;
class Display;
class SerialLink;
class ExchangeLog;
class InFlightCorrection;

// The operator station: owns the process records, the settings, the exchange log and the line
// exchange for the program's whole life, runs the main loop and the operator's commands, and reaches
// the world only through the seams. The desktop window and the CLI each own one; tests build one
// with fakes and call main_tick by hand. Everything runs on one thread.
class Station final {
public:
    Station(std::filesystem::path data_dir, SerialLink& link, const Clock& clock, Dialogs& dialogs,
            Display& display);
    ~Station();
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Start-up without a window: start values, data_dir/konfig.ini, the port configured and opened.
    void start_up();
    // The status bar's port text ("port COM2, 9600bps" or "brak połączenia! (port COM3, 9600bps)").
    const std::string& connection_text() const;
    // After the settings window's OK: the port is closed, configured anew and opened again.
    void apply_port_settings();
    // The speed the port runs at, which stays the last valid one when baud_rate is not a line speed.
    int port_speed() const;
    // The operator confirmed the login: the process is resumed from data_dir/status.txt when it
    // exists (the logged-in name wins over the file's), the window refreshed; the loop may run.
    void log_in(const std::string& operator_name);
    bool logged_in() const { return !operator_name_.empty(); }
    const std::string& operator_name() const { return operator_name_; }
    // Closing: the settings ("Unable to write to %s" on failure, closing goes on), the status file
    // when an operator is logged in, then the port.
    void close();

    // The main loop. Its 9 ms timer runs while timer_enabled() holds; every tick calls main_tick.
    void main_tick();
    bool timer_enabled() const { return logged_in() && !exchange_paused_; }
    // "Pauza wysyłania i odbioru": stops or restarts the timer (received frames are still handled).
    void toggle_exchange_pause();
    bool exchange_paused() const { return exchange_paused_; }

    // An answer frame handled as if it had come from the line (the simulation's answers).
    void handle_answer(const std::string& frame);
    // A checked weight answer of a scale, as the line exchange hands it on.
    void on_weight_answer(int scale, int b03, int b45, int b67, double mass);

    // The operator's commands. None writes to the line: each makes one command pending.
    void start_process();
    void pause_process();
    void stop_process();
    // After log_in, for a station nobody operates: carries on the unfinished process read from
    // status.txt; false when there is none.
    bool resume_process();
    // The recipes went out but no WZ number could be taken (konfig.ini not written, or its counter
    // unusable), so no scale was started; the next START tries again.
    bool weight_doc_refused() const;
    // The kept materials the global start would need more of than the stock holds; each is asked
    // about before the start.
    std::vector<Shortage> stock_shortages_at_start();
    void click_scale_button(int scale, ScaleButton button);
    ScaleButton scale_button_down(int scale) const;
    bool can_change_total_cycles() const;
    void change_total_cycles();
    void change_weight_doc();
    void show_previous_cycle();
    void show_next_cycle();
    void show_current_cycle();
    // "Pokazuj aktualny" is down exactly while every panel shows its scale's own cycle.
    bool showing_current_cycle() const { return p_.r.view_cycle == 0; }

    // New weighing parameters: the process they define (recipes/weighing_params.h prepares it)
    // replaces the records, the status file is written and the process redrawn. `dry` is what each
    // material was asked for before the moisture of the aggregates was counted (empty: nothing was);
    // `delivery` the truck and site the operator gave, kept on the batch card.
    void load_weighing_params(const ProcessState& prepared, std::vector<DryTarget> dry = {},
                              Delivery delivery = {});
    // The settings window's OK: each scale's settings and the total's decimals; a changed precision
    // redraws the process with its new decimals.
    void apply_scale_settings(const ScalesSettings& scales, int total_precision);

    // Writes data_dir/status.txt atomically; a failure is shown as "Błąd (21) ..." and gives false.
    bool save_status();

    // The records: the station is their only writer.
    const ProcessState& process() const { return p_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    // konfig.ini's [Tolerancje] as read at start-up: no window edits it, and the file is rewritten
    // from what was read.
    const Tolerances& tolerances() const { return tolerances_; }
    ExchangeLog& exchange_log();
    // The audit trail: each change with the logged-in operator's name, or the unattended name
    // ("wazenie" unless the program sets its own) before anybody logs in.
    ChangeJournal& changes();
    void set_unattended_name(std::string name);
    // Every material of the process with its kind and its aggregate's moisture.
    const std::vector<DryTarget>& process_materials() const;
    const Delivery& process_delivery() const;
    const RecipeDescription& process_description() const;
    // The in-flight correction: what each scale was sent, what was learned.
    InFlightCorrection& correction();
    const InFlightCorrection& correction() const;
    const std::filesystem::path& data_dir() const { return data_dir_; }
    std::filesystem::path settings_file() const { return settings_file_path(data_dir_); }

private:
    struct Parts;

    std::string who() const;

    std::filesystem::path data_dir_;
    ProcessState p_;
    Settings settings_;
    Tolerances tolerances_;
    std::string operator_name_;
    std::string unattended_name_ = "wazenie";
    bool exchange_paused_ = false;
    std::unique_ptr<Parts> parts_;
};

}  // namespace wazenie
