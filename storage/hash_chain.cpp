#include "storage/hash_chain.h"

#include <array>

#include <openssl/evp.h>

namespace wazenie {
namespace {

bool is_hash(std::string_view text) {
    return text.size() == kChainStart.size() &&
           text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

std::string sha256_hex(std::string_view bytes) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    // Fails only when the library cannot allocate; an empty hash then reads back as a broken link.
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1) {
        return {};
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0f];
    }
    return hex;
}

std::string chain_hash(std::string_view previous, std::string_view text) {
    std::string bytes;
    bytes.reserve(previous.size() + text.size());
    bytes.append(previous).append(text);
    return sha256_hex(bytes);
}

std::string chained_line(std::string_view previous, std::string_view text) {
    std::string line(text);
    line += '\t';
    line += chain_hash(previous, text);
    return line;
}

bool split_chained_line(std::string_view line, ChainedLine& out) {
    const auto tab = line.rfind('\t');
    if (tab == std::string_view::npos || !is_hash(line.substr(tab + 1))) {
        return false;
    }
    out = {line.substr(0, tab), line.substr(tab + 1)};
    return true;
}

std::vector<std::size_t> broken_links(const std::vector<std::string>& lines) {
    std::vector<std::size_t> broken;
    std::string previous(kChainStart);
    bool previous_known = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ChainedLine line;
        if (!split_chained_line(lines[i], line)) {
            broken.push_back(i);
            previous_known = false;
            continue;
        }
        if (previous_known && chain_hash(previous, line.text) != line.hash) {
            broken.push_back(i);
        }
        previous = line.hash;
        previous_known = true;
    }
    return broken;
}

}  // namespace wazenie
