#include "storage/batch_card.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// Every frame of nine cycles, the materials, the delivery and the description.
constexpr std::size_t kLargestBlock = 4 * 7 * 10 + 2;

std::string kg_text(double kg) {
    return general_text(round_to(kg, 3));
}

int fields_of(const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
}

std::optional<double> kg_of(const std::string& text) {
    const auto kg = parse_decimal(text);
    return kg && std::isfinite(*kg) && std::fabs(*kg) < 1e12 ? kg : std::nullopt;
}

bool read_material(const std::string& line, BatchCard& card) {
    const auto scale = parse_int(tab_field(line, 1));
    const auto index = parse_int(tab_field(line, 2));
    const auto kind = material_kind_of_text(tab_field(line, 4));
    const std::string kind_text = tab_field(line, 4);
    const auto dry = kg_of(tab_field(line, 5));
    const auto moisture = kg_of(tab_field(line, 6));
    const auto wet = kg_of(tab_field(line, 7));
    if (fields_of(line) != 8 || !scale || !index || (!kind && !kind_text.empty()) || !dry || !moisture ||
        !wet) {
        return false;
    }
    card.materials.push_back(
        {*scale, *index, tab_field(line, 3), kind.value_or(MaterialKind::none), *dry, *moisture, *wet});
    return true;
}

bool read_sent(const std::string& line, BatchCard& card) {
    const auto scale = parse_int(tab_field(line, 1));
    const auto index = parse_int(tab_field(line, 2));
    const auto cycle = parse_int(tab_field(line, 3));
    const auto target = kg_of(tab_field(line, 4));
    const auto sent = kg_of(tab_field(line, 5));
    if (fields_of(line) != 6 || !scale || !index || !cycle || !target || !sent) {
        return false;
    }
    card.sent.push_back({*scale, *index, *cycle, *target, *sent});
    return true;
}

bool read_delivery(const std::string& line, BatchCard& card) {
    if (fields_of(line) != 3) {
        return false;
    }
    card.delivery = {tab_field(line, 1), tab_field(line, 2)};
    return true;
}

bool read_description(const std::string& line, BatchCard& card) {
    return read_description_fields(std::string_view(line).substr(2), card.description) &&
           !card.description.empty();
}

}  // namespace

const BatchCard* card_of(const std::vector<BatchCard>& cards, std::string_view weight_doc,
                         std::string_view start) {
    const auto it = std::find_if(cards.rbegin(), cards.rend(), [&](const BatchCard& card) {
        return card.weight_doc == weight_doc && card.start == start;
    });
    return it != cards.rend() ? &*it : nullptr;
}

const DryTarget* dry_target_of(const BatchCard* card, int scale, int material) {
    if (card == nullptr) {
        return nullptr;
    }
    const auto it = std::find_if(card->materials.begin(), card->materials.end(), [&](const DryTarget& t) {
        return t.scale == scale && t.material == material;
    });
    return it != card->materials.end() ? &*it : nullptr;
}

std::filesystem::path batch_card_path(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    return data_dir / (yyyymm + "_karta.txt");
}

std::vector<std::string> batch_card_lines(const BatchCard& card) {
    std::vector<std::string> lines;
    lines.push_back("k\t" + clean_field(card.weight_doc) + '\t' + clean_field(card.start) + '\t' +
                    clean_field(card.recipe) + '\t' +
                    std::to_string(card.materials.size() + card.sent.size() +
                                   (card.delivery.empty() ? 0 : 1) + (card.description.empty() ? 0 : 1)));
    for (const DryTarget& m : card.materials) {
        lines.push_back("km\t" + std::to_string(m.scale) + '\t' + std::to_string(m.material) + '\t' +
                        clean_field(m.name) + '\t' + std::string(material_kind_text(m.kind)) + '\t' +
                        kg_text(m.dry) + '\t' + kg_text(m.moisture) + '\t' + kg_text(m.wet));
    }
    for (const SentMass& s : card.sent) {
        lines.push_back("ks\t" + std::to_string(s.scale) + '\t' + std::to_string(s.material) + '\t' +
                        std::to_string(s.cycle) + '\t' + kg_text(s.target) + '\t' + kg_text(s.sent));
    }
    if (!card.delivery.empty()) {
        lines.push_back("kd\t" + clean_field(card.delivery.truck) + '\t' + clean_field(card.delivery.site));
    }
    if (!card.description.empty()) {
        lines.push_back("ko" + description_fields(card.description));
    }
    return lines;
}

Status append_batch_card(const std::filesystem::path& file, const BatchCard& card) {
    return text_file::append_own_lines(file, batch_card_lines(card));
}

Result<ReadBatchCards> read_batch_cards(const std::filesystem::path& file) {
    ReadBatchCards out;
    auto lines = text_file::read_lines_if_present(file);
    if (!lines) {
        return lines.error();
    }
    const auto damaged = [&](std::size_t k) {
        out.damaged.push_back(text_file::damaged_line(k, (*lines)[k]));
    };
    std::size_t k = 0;
    while (k < lines->size()) {
        const std::string& head = (*lines)[k];
        if (head.empty()) {
            ++k;
            continue;
        }
        const auto count = parse_int(tab_field(head, 4));
        if (tab_field(head, 0) != "k" || fields_of(head) != 5 || !count || *count < 0 ||
            static_cast<std::size_t>(*count) > kLargestBlock) {
            damaged(k++);
            continue;
        }
        BatchCard card{tab_field(head, 1), tab_field(head, 2), tab_field(head, 3), {}, {}};
        // The block ends at its first line that does not read; reading goes on from there.
        std::size_t next = k + 1;
        const std::size_t end = k + 1 + static_cast<std::size_t>(*count);
        for (; next < end && next < lines->size(); ++next) {
            const std::string& line = (*lines)[next];
            const std::string kind = tab_field(line, 0);
            const bool read = kind == "km"   ? read_material(line, card)
                              : kind == "ks" ? read_sent(line, card)
                              : kind == "kd" ? read_delivery(line, card)
                                             : kind == "ko" && read_description(line, card);
            if (!read) {
                break;
            }
        }
        if (next != end) {
            damaged(k);
            k = next;
            continue;
        }
        out.cards.push_back(std::move(card));
        k = next;
    }
    return out;
}

}  // namespace wazenie
