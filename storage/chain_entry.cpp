#include "storage/chain_entry.h"

#include <array>
#include <charconv>
#include <vector>

#include "storage/hash_chain.h"

namespace wazenie {

namespace {

constexpr std::array<std::string_view, 3> kSignedWords = {"zapis", "przed", "bez"};

template <typename Number>
bool read_number(std::string_view text, Number& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto tab = text.find('\t');
        out.push_back(text.substr(0, tab));
        if (tab == std::string_view::npos) {
            return out;
        }
        text.remove_prefix(tab + 1);
    }
}

}  // namespace

std::filesystem::path month_chain_path(const std::filesystem::path& data_dir, const std::string& yyyymm) {
    return data_dir / (yyyymm + ".sha");
}

ChainEntry chain_entry_of(const BookUnit& unit, BookKind kind, Signed how) {
    ChainEntry entry{
        kind, how, {}, {}, unit.line, unit.lines, unit.offset, unit.bytes.size(), sha256_hex(unit.bytes)};
    if (unit.record) {
        entry.weight_doc = unit_field(unit, 1);
        entry.start = unit_field(unit, 2);
    }
    return entry;
}

std::string chain_entry_text(const ChainEntry& e) {
    return std::string(book_letter(e.kind)) + '\t' +
           std::string(kSignedWords[static_cast<std::size_t>(e.how)]) + '\t' + e.weight_doc + '\t' + e.start +
           '\t' + std::to_string(e.line) + '\t' + std::to_string(e.lines) + '\t' + std::to_string(e.offset) +
           '\t' + std::to_string(e.size) + '\t' + e.sha;
}

std::optional<ChainEntry> read_chain_entry(std::string_view text) {
    const auto f = fields(text);
    if (f.size() != 9 || (f[0] != "r" && f[0] != "k") || f[8].size() != kChainStart.size()) {
        return std::nullopt;
    }
    ChainEntry e;
    e.kind = f[0] == "r" ? BookKind::log : BookKind::cards;
    std::size_t how = 0;
    while (how < kSignedWords.size() && kSignedWords[how] != f[1]) {
        ++how;
    }
    if (how == kSignedWords.size() || !read_number(f[4], e.line) || !read_number(f[5], e.lines) ||
        !read_number(f[6], e.offset) || !read_number(f[7], e.size)) {
        return std::nullopt;
    }
    e.how = static_cast<Signed>(how);
    e.weight_doc = std::string(f[2]);
    e.start = std::string(f[3]);
    e.sha = std::string(f[8]);
    return e;
}

}  // namespace wazenie
