// operatorzy.txt: decoded from bytes and loaded from a file.
#include "fuzz/fuzz_input.h"
#include "storage/operators.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = decode_operators(bytes);
    encode_operators(decoded.operators);
    const auto loaded = load_operators(fuzz::write_scratch("operatorzy.txt", bytes));
    if (!loaded.operators.empty()) {
        const auto found = find_operator(loaded.operators, loaded.operators.front().name);
        if (found) {
            password_correct(*found, "817");
        }
    }
    return 0;
}
