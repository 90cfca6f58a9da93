#pragma once

#include <string_view>

#include "storage/settings.h"

namespace wazenie {

// Who may do what. The operator named exactly "ADMINISTRATOR" (letter case counts) may do everything;
// any other operator what the settings do not keep to the administrator.

// Editing and deleting clients (adding one is open to everyone).
bool may_change_clients(const Settings& settings, std::string_view operator_name);
// Modifying a recipe's materials (adding, copying and deleting recipes are open to everyone).
bool may_change_recipes(const Settings& settings, std::string_view operator_name);
// The settings window, and with it the operator list and the archive.
bool may_open_settings(std::string_view operator_name);
// The stock window, its deliveries and counts, and the CLI's: the administrator's, and everybody's
// when konfig.ini says [Uprawnienia] magazyn_dla_wszystkich=1.
bool may_keep_stock(const Settings& settings, std::string_view operator_name);
// The administrator's entry never leaves the operator list.
bool may_delete_operator(std::string_view name);

}  // namespace wazenie
