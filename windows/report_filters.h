#pragma once

#include <string>

#include "core/clock.h"
#include "reports/report_list.h"

namespace wazenie {

// The range and filters of a report-like window ("Przedział czasu ", "Inne ograniczenia raportu  "):
// what the filter fields show and edit, and the date shortcuts.
class ReportRange {
public:
    explicit ReportRange(const Clock& clock) : clock_(clock) {}

    const ReportQuery& query() const { return query_; }
    void set_query(ReportQuery query) { query_ = std::move(query); }

    const std::string& date_from() const { return query_.date_from; }
    const std::string& date_to() const { return query_.date_to; }
    void set_date_from(std::string date) { query_.date_from = std::move(date); }
    void set_date_to(std::string date) { query_.date_to = std::move(date); }
    void today();          // " dzisiaj"
    void current_month();  // "bież. miesiąc"

    const std::string& client_text() const { return query_.client; }
    const std::string& recipe_text() const { return query_.recipe; }
    void set_client_text(std::string text) { query_.client = std::move(text); }
    void set_recipe_text(std::string text) { query_.recipe = std::move(text); }
    // "Wybierz recepturę" closed with OK: an editor closed with no recipe selected changes nothing.
    void recipe_chosen(const std::string& name);

private:
    const Clock& clock_;
    ReportQuery query_;
};

}  // namespace wazenie
