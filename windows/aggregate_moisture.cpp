#include "windows/aggregate_moisture.h"

#include <algorithm>
#include <utility>

#include "core/trim.h"
#include "recipes/entered_name.h"
#include "recipes/recipe_aggregates.h"
#include "storage/date_time.h"

namespace wazenie {

AggregateMoisture::AggregateMoisture(std::filesystem::path data_dir, const Settings& settings,
                                     Dialogs& dialogs, const Clock& clock, std::string operator_name)
    : data_dir_(std::move(data_dir)),
      settings_(settings),
      dialogs_(dialogs),
      clock_(clock),
      operator_name_(std::move(operator_name)) {}

void AggregateMoisture::show_recipe(const std::string& recipe_name) {
    const DateTime now = clock_.now();
    std::vector<Row> rows;
    for (RecipeAggregate& aggregate : recipe_aggregates(data_dir_, recipe_name)) {
        if (const auto shown = find(aggregate.name); shown && rows_[*shown].edited) {
            rows.push_back(rows_[*shown]);
            rows.back().material = aggregate.name;
            continue;
        }
        Row row;
        row.material = aggregate.name;
        row.stored = aggregate.stored;
        if (const auto& stored = aggregate.stored) {
            row.text = moisture_text(stored->percent);
            row.old = moisture_is_old(*stored, now, settings_.moisture_valid_hours);
            if (row.old) {
                row.hint = "ustawiona " + file_date_time(stored->set_at) + " przez " + stored->set_by;
            }
        }
        rows.push_back(std::move(row));
    }
    rows_ = std::move(rows);
}

std::optional<std::size_t> AggregateMoisture::find(std::string_view material) const {
    const std::string name(trim(material));
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) {
        return same_name_ignoring_case(std::string(trim(row.material)), name);
    });
    return it == rows_.end() ? std::nullopt : std::optional(static_cast<std::size_t>(it - rows_.begin()));
}

void AggregateMoisture::type(std::size_t row, std::string text) {
    if (row >= rows_.size()) {
        return;
    }
    Row& typed = rows_[row];
    typed.text = std::move(text);
    typed.edited = true;
    typed.old = false;
    typed.hint.clear();
}

bool AggregateMoisture::leave(std::size_t row) {
    if (row >= rows_.size() || !rows_[row].edited || parse_moisture(rows_[row].text)) {
        return true;
    }
    dialogs_.error(kMoistureRangeMessage);
    return false;
}

MoistureTable AggregateMoisture::values() const {
    MoistureTable table;
    const DateTime now = clock_.now();
    for (const Row& row : rows_) {
        const auto typed = row.edited ? parse_moisture(row.text) : std::nullopt;
        if (typed) {
            table.set({row.material, *typed, now, operator_name_});
        } else if (row.stored) {
            table.set(*row.stored);
        }
    }
    return table;
}

}  // namespace wazenie
