#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "core/dialogs.h"

namespace wazenie {

// The login without a window: the operator must be in operatorzy.txt (created with ADMINISTRATOR
// when missing) and the password comes from WAZENIE_HASLO, else one line of `in`. The operator's
// name as stored, or nothing after the message was shown.
std::optional<std::string> log_in_operator(const std::filesystem::path& data_dir, const std::string& name,
                                           std::istream& in, Dialogs& dialogs);

}  // namespace wazenie
