#include "clients/client_process.h"

#include "clients/client_file.h"
#include "storage/process_file.h"

namespace wazenie {

Status load_process_with_client(ProcessState& p, const std::filesystem::path& data_dir,
                                const std::string& month, const std::string& weight_doc,
                                const std::string& start_time) {
    Status loaded = load_process(p, data_dir, month, weight_doc, start_time);
    if (loaded) {
        const auto client = find_client(data_dir, p.r.recipe_client);
        p.r.client_full_name = client ? client->full_name : "";
        p.r.client_address = client ? client->address : "";
        p.r.client_nip = client ? client->nip : "";
    }
    return loaded;
}

}  // namespace wazenie
