#include "station/station.h"

#include <system_error>

#include "clients/client_process.h"
#include "comm/exchange_log.h"
#include "comm/port_connection.h"
#include "core/dialogs.h"
#include "core/number_text.h"
#include "station/answer_handling.h"
#include "station/batch_recorder.h"
#include "station/book_signer.h"
#include "station/change_trail.h"
#include "station/in_flight_correction.h"
#include "station/line_exchange.h"
#include "station/main_loop.h"
#include "station/process_commands.h"
#include "station/process_recorder.h"
#include "station/record_edits.h"
#include "station/station_view.h"
#include "station/stock_keeper.h"
#include "storage/damaged_file.h"
#include "storage/process_file.h"

namespace wazenie {

namespace {

// Every save from now on replaces status.txt, and with it a process the operator may still need.
void keep_damaged_status(StationContext& c, const std::filesystem::path& data_dir) {
    const auto file = status_file_path(data_dir);
    const auto kept = keep_damaged_copy(file, c.clock.now());
    c.changes.record(damaged_file_change(file, kept));
    if (kept) {
        c.dialogs.warning("Uszkodzony plik " + file.string() + " zachowano jako:\r" + kept->string());
    } else {
        c.dialogs.warning("Nie udało się zachować uszkodzonego pliku " + file.string() + " (" +
                          kept.error().what + "); zostanie zastąpiony przy zapisie procesu.");
    }
}

// The truck and site of a process's parameters as the audit trail states them.
std::string delivery_text(const Delivery& delivery) {
    std::string text;
    if (!delivery.truck.empty()) {
        text += ", samochód: " + delivery.truck;
    }
    if (!delivery.site.empty()) {
        text += ", budowa: " + delivery.site;
    }
    return text;
}

}  // namespace

struct Station::Parts {
    Parts(Station& s, SerialLink& link, const Clock& clock, Dialogs& dialogs, Display& display)
        : log(clock),
          changes(s.data_dir_, clock, dialogs, log, [&s] { return s.who(); }),
          port(link, s.settings_),
          view(s.p_, display),
          stock(s.data_dir_, clock, dialogs, log),
          correction(s.data_dir_, s.p_, s.settings_, clock, dialogs, log, changes),
          signer(s.data_dir_, dialogs, log),
          batch(s.data_dir_, s.p_, s.settings_, dialogs, log, correction, signer),
          recorder(s.data_dir_, s.p_, s.settings_, clock, dialogs, log, stock, batch, signer),
          context{s.p_, s.settings_, clock, dialogs,    log,  exchange,
                  port, recorder,    stock, correction, view, changes},
          answers(context),
          exchange(s.p_, s.settings_, link, log, view, answers),
          loop(context),
          commands(context),
          edits(context) {}

    ExchangeLog log;
    ChangeTrail changes;
    PortConnection port;
    StationView view;
    StockKeeper stock;
    InFlightCorrection correction;
    BookSigner signer;
    BatchRecorder batch;
    ProcessRecorder recorder;
    // The context names the exchange before it is built: it is only reached once the station runs.
    StationContext context;
    AnswerHandling answers;
    LineExchange exchange;
    MainLoop loop;
    ProcessCommands commands;
    RecordEdits edits;
    std::string connection_text;
};

Station::Station(std::filesystem::path data_dir, SerialLink& link, const Clock& clock, Dialogs& dialogs,
                 Display& display)
    : data_dir_(std::move(data_dir)), parts_(std::make_unique<Parts>(*this, link, clock, dialogs, display)) {
    link.on_bytes_arrived([this] { parts_->exchange.receive_bytes(); });
    parts_->exchange.send_recipe_masses_from(
        [this](int scale, int material) { return parts_->correction.mass_to_send(scale, material); });
}

Station::~Station() = default;

void Station::start_up() {
    // The start values are also what the loop expects before a process is defined or resumed; reading
    // the settings and opening the port touch only the scales' settings.
    p_.set_start_values();
    // Told now, not found overwritten by the defaults at the next save.
    if (const auto replaced = load_settings(settings_file(), settings_, p_.w); !replaced.empty()) {
        parts_->context.dialogs.warning(replaced_values_text(replaced));
    }
    tolerances_ = Tolerances::from(settings_.ini);
    parts_->correction.load();
    parts_->port.configure_port();
    parts_->connection_text = parts_->port.open_port();
}

const std::string& Station::connection_text() const {
    return parts_->connection_text;
}

void Station::apply_port_settings() {
    parts_->port.close_port();
    parts_->port.configure_port();
    parts_->connection_text = parts_->port.open_port();
}

int Station::port_speed() const {
    return parts_->port.speed();
}

void Station::log_in(const std::string& operator_name) {
    operator_name_ = operator_name;
    std::error_code ignored;
    if (std::filesystem::exists(status_file_path(data_dir_), ignored)) {
        if (Status loaded = load_process_with_client(p_, data_dir_, "0"); !loaded) {
            parts_->context.dialogs.error(loaded.error().what);
            keep_damaged_status(parts_->context, data_dir_);
        }
        parts_->correction.resumed_process();
        parts_->batch.resumed_process();
        if (p_.r.start_time != 0 && p_.r.stop_time == 0) {
            parts_->changes.record({"wznowienie", process_title(p_.r), "", ""});
        }
    }
    // The exchange is never resumed: the loop starts by asking the scales for their weights.
    p_.r.user_name = operator_name;
    parts_->exchange.restart();
    StationView& view = parts_->view;
    view.scales(p_.r.view_cycle);
    view.process();
    view.connection();
    view.rights();
}

void Station::close() {
    if (Status saved = save_settings(settings_file(), settings_, p_.w); !saved) {
        const std::string file = saved.error().where.empty() ? settings_file().string() : saved.error().where;
        parts_->context.dialogs.error("Unable to write to " + file);
    }
    if (logged_in()) {
        save_status();
    }
    parts_->port.close_port();
}

void Station::main_tick() {
    if (!exchange_paused_) {
        parts_->loop.tick();
    }
}

void Station::toggle_exchange_pause() {
    exchange_paused_ = !exchange_paused_;
    parts_->log.log_line(log_code::NOTE, exchange_paused_ ? "pauza włączona" : "pauza wyłączona");
}

void Station::handle_answer(const std::string& frame) {
    parts_->exchange.handle_answer(frame);
}

void Station::on_weight_answer(int scale, int b03, int b45, int b67, double mass) {
    parts_->exchange.take(Reading{scale, {b03, b45, b67}, mass, {}});
}

void Station::start_process() {
    parts_->commands.start_process();
}
void Station::pause_process() {
    parts_->commands.pause_process();
}
void Station::stop_process() {
    parts_->commands.stop_process();
}
bool Station::resume_process() {
    return parts_->commands.resume_process();
}
void Station::click_scale_button(int scale, ScaleButton button) {
    parts_->commands.click_scale_button(scale, button);
}
ScaleButton Station::scale_button_down(int scale) const {
    return Scales::in_range(scale) ? parts_->view.button(scale) : ScaleButton::none;
}

bool Station::can_change_total_cycles() const {
    return parts_->edits.can_change_total_cycles();
}
void Station::change_total_cycles() {
    parts_->edits.change_total_cycles();
}
void Station::change_weight_doc() {
    parts_->edits.change_weight_doc();
}
void Station::show_previous_cycle() {
    parts_->edits.show_previous_cycle();
}
void Station::show_next_cycle() {
    parts_->edits.show_next_cycle();
}
void Station::show_current_cycle() {
    parts_->edits.show_current_cycle();
}

bool Station::weight_doc_refused() const {
    return parts_->recorder.weight_doc_refused();
}

void Station::load_weighing_params(const ProcessState& prepared, std::vector<DryTarget> dry,
                                   Delivery delivery) {
    p_ = prepared;
    parts_->correction.new_process();
    parts_->batch.new_process(std::move(dry), std::move(delivery));
    save_status();
    parts_->view.process();
    parts_->changes.record({"parametry procesu", p_.r.recipe_name, "",
                            "klient: " + p_.r.recipe_client +
                                ", masa: " + fixed_text(p_.r.recipe_total_weight, settings_.total_precision) +
                                " kg, cykle: " + std::to_string(p_.r.total_cycle) +
                                delivery_text(parts_->batch.delivery())});
}

void Station::apply_scale_settings(const ScalesSettings& scales, int total_precision) {
    bool precision_changed = settings_.total_precision != total_precision;
    for (int n = 1; n <= kScales; ++n) {
        precision_changed = precision_changed || p_.w[n].precision != scales[n].precision;
    }
    settings_.total_precision = total_precision;
    set_scale_settings(p_.w, scales);
    if (precision_changed) {
        parts_->view.process();
    }
}

std::vector<Shortage> Station::stock_shortages_at_start() {
    return parts_->stock.shortages_at_start(p_);
}

bool Station::save_status() {
    return parts_->recorder.save_status();
}

ChangeJournal& Station::changes() {
    return parts_->changes;
}

void Station::set_unattended_name(std::string name) {
    unattended_name_ = std::move(name);
}

std::string Station::who() const {
    return logged_in() ? operator_name_ : unattended_name_;
}

ExchangeLog& Station::exchange_log() {
    return parts_->log;
}

const std::vector<DryTarget>& Station::process_materials() const {
    return parts_->batch.materials();
}

const Delivery& Station::process_delivery() const {
    return parts_->batch.delivery();
}

const RecipeDescription& Station::process_description() const {
    return parts_->batch.description();
}

InFlightCorrection& Station::correction() {
    return parts_->correction;
}

const InFlightCorrection& Station::correction() const {
    return parts_->correction;
}

}  // namespace wazenie
