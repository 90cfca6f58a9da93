#include "reports/batch_record.h"

#include <algorithm>

#include "core/number_text.h"
#include "reports/damaged_lines.h"
#include "reports/water_cement_sum.h"
#include "reports/wz_document.h"
#include "storage/date_time.h"

namespace wazenie {

namespace {

const SentMass* sent_of(const BatchCard* card, int scale, int material, int cycle) {
    if (card == nullptr) {
        return nullptr;
    }
    const auto it = std::find_if(card->sent.begin(), card->sent.end(), [&](const SentMass& s) {
        return s.scale == scale && s.material == material && s.cycle == cycle;
    });
    return it != card->sent.end() ? &*it : nullptr;
}

DoseDeviation judged(double target, double dosed, int precision, double tolerance) {
    return dose_deviation(round_to(target, precision), round_to(dosed, precision), tolerance);
}

BatchMaterial material_of(const ProcessState& p, int i, int j, const BatchCard* card, int cycles,
                          const Tolerances& tolerances) {
    const weight_record& w = p.w[i];
    const material_record& m = w.m[j];
    BatchMaterial out{i, m.material_name, w.precision, tolerances.percent_for(m.material_name), {}, {}};
    const DryTarget* dry = dry_target_of(card, i, j);
    // The card holds the dry mass of the whole process: each cycle gets its share, the last the rest,
    // so that the cycles add up to the card's figure.
    const bool moist = dry != nullptr && dry->wet != 0;
    double dry_before = 0;
    for (int c = 1; c <= cycles; ++c) {
        BatchDose d;
        d.cycle = c;
        d.target = cycle_mass(m.recipe_weight_c1, m.recipe_weight_clast, c, p.r.total_cycle);
        d.moisture = dry != nullptr ? dry->moisture : 0;
        if (!moist) {
            d.dry = d.target;
        } else if (c < cycles) {
            d.dry = round_to(d.target * dry->dry / dry->wet, w.precision);
        } else {
            d.dry = round_to(dry->dry - dry_before, w.precision);
        }
        dry_before += d.dry;
        const SentMass* sent = sent_of(card, i, j, c);
        d.sent = sent != nullptr ? sent->sent : d.target;
        d.dosed = m.curr_weight[c];
        d.deviation = judged(d.target, d.dosed, w.precision, out.tolerance);
        out.total.dry += d.dry;
        out.total.target += d.target;
        out.total.sent += d.sent;
        out.total.dosed += d.dosed;
        out.cycles.push_back(d);
    }
    out.total.moisture = dry != nullptr ? dry->moisture : 0;
    out.total.deviation = judged(out.total.target, out.total.dosed, w.precision, out.tolerance);
    return out;
}

}  // namespace

BatchRecord batch_record(const ProcessState& p, const BatchCard* card, const Settings& settings,
                         const MaterialKinds& kinds, const RecipeDescription& description) {
    BatchRecord record;
    record.r = p.r;
    record.plant = issuer_lines(settings);
    record.total_precision = settings.total_precision;
    record.cycles = std::clamp(p.r.total_cycle, 1, kCycles);
    record.wc_maks = description.wc_maks;
    const Tolerances tolerances = Tolerances::from(settings.ini);
    WaterCementSum water_cement;
    for (int i = Scales::first; i <= Scales::last; ++i) {
        const weight_record& w = p.w[i];
        for (int j = 1; j <= std::clamp(w.max_material, 0, kMaterials); ++j) {
            const BatchDose& total =
                record.materials.emplace_back(material_of(p, i, j, card, record.cycles, tolerances)).total;
            record.total_mass += total.dosed;
            water_cement.add(kinds.of(w.m[j].material_name), total.dosed, total.moisture);
        }
    }
    record.water_cement = water_cement.ratio();
    return record;
}

std::optional<BatchRecord> logged_batch_record(const std::filesystem::path& data_dir,
                                               const std::string& month, const ProcessState& p,
                                               const Settings& settings, Dialogs& dialogs) {
    const auto file = batch_card_path(data_dir, month);
    const auto read = read_batch_cards(file);
    if (!read) {
        dialogs.error("Błąd odczytu pliku z danymi:\r" + file.string());
        return std::nullopt;
    }
    const BatchCard* card = card_of(read->cards, p.r.weight_doc, file_date_time(p.r.start_time));
    if (card == nullptr && !read->damaged.empty()) {
        dialogs.warning(damaged_lines_text(file, read->damaged) +
                        "\rKartę zarobu sporządzono bez wilgotności i korekt z tych wierszy.");
    }
    return batch_record(p, card, settings, material_kinds_in(data_dir),
                        card != nullptr && !card->description.empty()
                            ? card->description
                            : recipe_descriptions_in(data_dir).of(p.r.recipe_name));
}

}  // namespace wazenie
