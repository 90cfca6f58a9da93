// The INI lines: looked up, listed and changed in place.
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "storage/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const auto parts = fuzz::split_input(data, size, 2);
    std::vector<std::string> lines;
    std::string_view rest = parts[1];
    for (auto cut = rest.find('\n'); cut != std::string_view::npos; cut = rest.find('\n')) {
        lines.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut + 1);
    }
    lines.emplace_back(rest);
    auto ini = IniDocument::parse(lines);
    // The first part names a section and a key: "section=key".
    const std::string_view name = parts[0];
    const auto eq = name.find('=');
    const auto section = name.substr(0, eq);
    const auto key = eq == std::string_view::npos ? std::string_view{} : name.substr(eq + 1);
    ini.value(section, key);
    ini.entries(section);
    ini.set(section, key, "1");
    ini.value(section, key);
    ini.set("Nowa", key, "2");
    return 0;
}
