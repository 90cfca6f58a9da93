#pragma once

#include <vector>

#include "clients/client_file.h"
#include "core/print_document.h"
#include "core/process_records.h"

namespace wazenie {

// The printed client table: portrait, "Courier New" 9 pt, every line indented by 8 blanks; one row
// per client as listed (number, short name cut to 40, full name cut to 50).
PrintDocument client_table_document(const std::vector<Client>& rows, DateTime now);

}  // namespace wazenie
