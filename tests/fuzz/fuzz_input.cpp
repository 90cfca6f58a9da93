#include "fuzz/fuzz_input.h"

#include <fstream>

#include <unistd.h>

namespace wazenie::fuzz {

namespace {

struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("wazenie-fuzz-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::filesystem::path& scratch_dir() {
    static const ScratchFolder folder;
    return folder.path;
}

std::filesystem::path write_scratch(const std::string& name, std::string_view bytes) {
    const auto file = scratch_dir() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

void clear_scratch() {
    for (const auto& entry : std::filesystem::directory_iterator(scratch_dir())) {
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

std::vector<std::string_view> split_input(const std::uint8_t* data, std::size_t size, std::size_t n) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < n) {
        const auto cut = rest.find(kPartSeparator);
        if (cut == std::string_view::npos) {
            break;
        }
        parts.push_back(rest.substr(0, cut));
        rest.remove_prefix(cut + kPartSeparator.size());
    }
    parts.push_back(rest);
    parts.resize(n);
    return parts;
}

}  // namespace wazenie::fuzz
