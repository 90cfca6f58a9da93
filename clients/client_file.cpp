#include "clients/client_file.h"

#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

std::filesystem::path clients_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "klienci.txt";
}

std::filesystem::path clients_work_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "pomiary_tmp.txt";
}

std::string client_line(const Client& client) {
    return clean_field(client.short_name) + '\t' + clean_field(client.full_name) + '\t' +
           clean_field(client.address) + '\t' + clean_field(client.nip);
}

Client client_from_line(std::string_view line) {
    return Client{tab_field(line, 0), tab_field(line, 1), tab_field(line, 2), tab_field(line, 3)};
}

std::optional<Client> find_client(const std::filesystem::path& data_dir, const std::string& short_name) {
    auto lines = text_file::read_lines(clients_file_path(data_dir));
    if (!lines) {
        return std::nullopt;
    }
    for (const std::string& line : *lines) {
        if (tab_field(line, 0) == short_name) {
            return client_from_line(line);
        }
    }
    return std::nullopt;
}

Result<std::vector<Client>> read_clients(const std::filesystem::path& data_dir) {
    auto lines = text_file::read_lines(clients_file_path(data_dir));
    if (!lines) {
        return lines.error();
    }
    std::vector<Client> clients;
    clients.reserve(lines->size());
    for (const std::string& line : *lines) {
        clients.push_back(client_from_line(line));
    }
    return clients;
}

const Client* find_in(const std::vector<Client>& clients, std::string_view short_name) {
    for (const Client& c : clients) {
        if (c.short_name == short_name) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace wazenie
