#include "reports/process_choice.h"

#include "core/number_text.h"

namespace wazenie {

namespace {

int next_month(int key) {
    return key % 100 >= 12 ? (key / 100 + 1) * 100 + 1 : key + 1;
}

bool filters_pass(const TextFilter& client, const TextFilter& recipe, const LogLine& r) {
    return client.matches(r[process_field::recipe_client]) && recipe.matches(r[process_field::recipe_name]);
}

}  // namespace

std::string_view process_dating(const LogLine& r) {
    const std::string_view start = r[process_field::start_time];
    return start == "---" ? r[process_field::stop_time] : start;
}

ReportChoice::ReportChoice(const ReportQuery& query, LogRange range)
    : range_(range), client_(query.client), recipe_(query.recipe) {}

std::vector<int> ReportChoice::months() const {
    return report_months(range_.from.key, range_.to.key);
}

std::optional<int> ReportChoice::day(const LogLine& r) {
    const std::string_view dating = process_dating(r);
    return dating.size() >= 9 ? parse_int(dating.substr(8, 2)) : std::nullopt;
}

bool ReportChoice::lists(int key, int day, const LogLine& r) const {
    if ((key == range_.from.key && day < range_.from.day) || (key == range_.to.key && day > range_.to.day)) {
        return false;
    }
    return filters_pass(client_, recipe_, r);
}

AnalysisChoice::AnalysisChoice(const ReportQuery& query, LogRange range)
    : range_(range), client_(query.client), recipe_(query.recipe) {}

std::vector<int> AnalysisChoice::months() const {
    return report_months(range_.from.key, next_month(range_.to.key));
}

std::optional<int> AnalysisChoice::date_of(const LogLine& r) const {
    const auto date = date_at_start(process_dating(r));
    if (!date || date->ordinal() < range_.from.ordinal() || date->ordinal() > range_.to.ordinal() ||
        !filters_pass(client_, recipe_, r)) {
        return std::nullopt;
    }
    return date->ordinal();
}

bool LoggedStart::logged_again_by(std::string_view next_doc, std::string_view next_start) const {
    return next_start != "---" && next_doc == doc && next_start == start;
}

bool LoggedStart::logged_again_by(const LogLine& next) const {
    return logged_again_by(next[process_field::weight_doc], next[process_field::start_time]);
}

void LoggedStart::become(const LogLine& r) {
    doc = r[process_field::weight_doc];
    start = r[process_field::start_time];
}

}  // namespace wazenie
