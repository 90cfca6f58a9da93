#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/client.h"
#include "core/result.h"

namespace wazenie {

// data_dir / "klienci.txt" and the work file of its rewrites, data_dir / "pomiary_tmp.txt".
std::filesystem::path clients_file_path(const std::filesystem::path& data_dir);
std::filesystem::path clients_work_file_path(const std::filesystem::path& data_dir);

// A line of the file: short name, full name, address, NIP joined by tabs (tabs and line breaks in a
// field become spaces); fields a line lacks read as empty.
std::string client_line(const Client& client);
Client client_from_line(std::string_view line);

// The first line whose field 0 is exactly `short_name`; nothing when the file is missing or no line
// matches (the three texts are then empty for the caller).
std::optional<Client> find_client(const std::filesystem::path& data_dir, const std::string& short_name);

// The whole file once, for many lookups (the weighing report's rows). A missing file is an Error
// (what = "missing").
Result<std::vector<Client>> read_clients(const std::filesystem::path& data_dir);
// The first client of exactly this short name in a list read by read_clients.
const Client* find_in(const std::vector<Client>& clients, std::string_view short_name);

}  // namespace wazenie
