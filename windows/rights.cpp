#include "windows/rights.h"

#include "core/trim.h"
#include "storage/operators.h"

namespace wazenie {

namespace {

bool is_administrator(std::string_view operator_name) {
    return operator_name == kAdministrator;
}

}  // namespace

bool may_change_clients(const Settings& settings, std::string_view operator_name) {
    return !settings.admin_change_client || is_administrator(operator_name);
}

bool may_change_recipes(const Settings& settings, std::string_view operator_name) {
    return !settings.admin_change_recipe || is_administrator(operator_name);
}

bool may_open_settings(std::string_view operator_name) {
    return is_administrator(operator_name);
}

bool may_keep_stock(const Settings& settings, std::string_view operator_name) {
    const auto everybody = settings.ini.value("Uprawnienia", "magazyn_dla_wszystkich");
    return (everybody && trim(*everybody) == "1") || is_administrator(operator_name);
}

bool may_delete_operator(std::string_view name) {
    return !is_administrator(name);
}

}  // namespace wazenie
