#include "windows/report_filters.h"

#include "storage/date_time.h"

namespace wazenie {

namespace {

std::string date_text(DateTime t) {
    return file_date_time(t).substr(0, 10);
}

}  // namespace

void ReportRange::today() {
    query_.date_from = date_text(clock_.now());
    query_.date_to = query_.date_from;
}

void ReportRange::current_month() {
    query_.date_to = date_text(clock_.now());
    query_.date_from = query_.date_to.substr(0, 8) + "01";
}

void ReportRange::recipe_chosen(const std::string& name) {
    if (!name.empty()) {
        query_.recipe = name;
    }
}

}  // namespace wazenie
