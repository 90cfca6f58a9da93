// klienci.txt: the whole list, one line, and a client found by the short name of the first.
#include "clients/client_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    client_from_line(bytes);
    fuzz::write_scratch("klienci.txt", bytes);
    const auto clients = read_clients(fuzz::scratch_dir());
    if (clients && !clients->empty()) {
        const auto& first = clients->front();
        find_in(*clients, first.short_name);
        find_client(fuzz::scratch_dir(), first.short_name);
        client_line(first);
    }
    return 0;
}
