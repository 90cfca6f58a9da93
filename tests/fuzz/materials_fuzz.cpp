// materialy.txt: every name, and the names that hold a filter (the input's first line).
#include "fuzz/fuzz_input.h"
#include "recipes/material_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::write_scratch("materialy.txt", bytes);
    load_materials(fuzz::scratch_dir());
    load_materials(fuzz::scratch_dir(), std::string(bytes.substr(0, bytes.find('\n'))));
    return 0;
}
