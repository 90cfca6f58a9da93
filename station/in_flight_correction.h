#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/indexed_array.h"
#include "core/process_records.h"
#include "storage/correction_settings.h"
#include "storage/learned_corrections.h"

namespace wazenie {

class ChangeJournal;
class Clock;
class Dialogs;
class ExchangeLog;
struct Settings;

// What one material's recipe frame carried in one cycle: the planned target of the records, the
// target the last cycle was given to make up the order's total, and the mass sent, less what lands
// after the feed closes.
struct SentDose {
    double planned = 0;
    double target = 0;
    double sent = 0;
};
using SentCycle = IndexedArray<std::optional<SentDose>, kMaterials>;
using SentDoses = IndexedArray<SentCycle, kCycles>;

// "wysłano: 196.0 kg (korekta -4.0 kg)", with "wyrównanie +2.0 kg, " before the correction when the
// last cycle's target was changed; masses with `precision` decimals.
std::string sent_dose_text(const SentDose& dose, int precision);

// The station's in-flight correction and the make-up of the order's total in the last cycle
// (konfig.ini [Korekta dozowania]). It decides the mass each recipe frame carries and learns, per
// scale and material, the mass that still lands after the meter closes the feed, from the doses
// that ended normally; what it learned is kept in data_dir/korekty.txt. Both off, every frame
// carries the records' target and nothing is read, written or logged.
class InFlightCorrection {
public:
    InFlightCorrection(std::filesystem::path data_dir, const ProcessState& p, const Settings& settings,
                       const Clock& clock, Dialogs& dialogs, ExchangeLog& log, ChangeJournal& changes);

    // The mass material `material` of `scale` is sent in the scale's current cycle.
    double mass_to_send(int scale, int material);
    // After a weight answer of `scale`: learns from each dose of its cycle that has just ended.
    void after_reading(int scale);
    // The operator paused, stopped or started the scale again: the doses of its cycle that have not
    // ended are not learned from. `reason` is the exchange log's.
    void spoil_open_doses(int scale, const std::string& reason);
    // Once a tick: the doses of a scale shown as lost are not learned from.
    void watch_connections();
    // At start-up: what was learned is read, and a file that does not read is kept under a dated
    // name and told (learning starts again). Nothing is read while both are off.
    void load();
    // New weighing parameters: nothing sent yet.
    void new_process();
    // The process read from status.txt at start-up: the doses of the cycles under way are not
    // learned from, since nobody knows what their meters were sent.
    void resumed_process();

    const SentDoses& sent(int scale) const { return scales_[scale].sent; }
    // The table as learned; read from the file when first asked for, or when somebody else wrote it.
    const LearnedCorrections& learned();
    // "Zeruj": forgets the entries of `scale` (0: all) and `material` (empty: all); false when the
    // file could not be written (the box has been shown).
    bool clear(int scale, const std::string& material);

private:
    struct ScaleState {
        SentDoses sent{};
        int cycle = 0;  // the cycle whose doses are followed; 0: none
        IndexedArray<bool, kMaterials> judged{};
        std::optional<std::string> spoiled;  // why the open doses of the cycle are not learned from
    };

    bool active() const;
    double target_of(int scale, int material) const;
    void learn(int scale, int material);
    void note(int scale, int material, const std::string& text);
    void read(bool tell);
    void reload_if_changed();
    Status write();
    void save_learned();

    std::filesystem::path file_;
    const ProcessState& p_;
    const Settings& settings_;
    const Clock& clock_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    ChangeJournal& changes_;
    IndexedArray<ScaleState, kScales> scales_{};
    LearnedCorrections learned_;
    std::optional<std::filesystem::file_time_type> read_time_;  // none: not read yet
    bool save_failure_shown_ = false;
};

}  // namespace wazenie
