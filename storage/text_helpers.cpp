#include "storage/text_helpers.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/trim.h"
#include "storage/utf8.h"

namespace wazenie {

namespace {

std::string replace_char(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

std::string spaces(int count) {
    return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

char32_t upper_code_point(char32_t c) {
    switch (c) {
        case U'ą':
            return U'Ą';
        case U'ć':
            return U'Ć';
        case U'ę':
            return U'Ę';
        case U'ł':
            return U'Ł';
        case U'ń':
            return U'Ń';
        case U'ó':
            return U'Ó';
        case U'ś':
            return U'Ś';
        case U'ź':
            return U'Ź';
        case U'ż':
            return U'Ż';
        default:
            return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
    }
}

// Sort weights: characters below 'A' keep their place, the 35 letters of the Polish alphabet
// follow in their order, every other character comes after them in code order.
constexpr std::u32string_view kAlphabet = U"AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ";

std::vector<char32_t> sort_weights(std::string_view text) {
    std::vector<char32_t> weights;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = upper_code_point(utf8::next(text, pos));
        const auto letter = kAlphabet.find(c);
        if (letter != std::u32string_view::npos) {
            weights.push_back(U'A' + static_cast<char32_t>(letter));
        } else if (c < U'A') {
            weights.push_back(c);
        } else {
            weights.push_back(std::min<char32_t>(c, 0x10FFFF) + 0x100);
        }
    }
    return weights;
}

}  // namespace

std::string tab_field(std::string_view line, int k) {
    if (k < 0) {
        return {};
    }
    std::size_t start = 0;
    for (int i = 0; i < k; ++i) {
        const auto tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            return {};
        }
        start = tab + 1;
    }
    const auto end = line.find('\t', start);
    return std::string(line.substr(start, end == std::string_view::npos ? line.size() - start : end - start));
}

std::string to_point(std::string_view text) {
    return replace_char(text, ',', '.');
}

std::string to_comma(std::string_view text) {
    return replace_char(text, '.', ',');
}

std::string remove_spaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

std::string empty_to_zero(std::string_view text) {
    return text.empty() ? std::string("0") : std::string(text);
}

std::string pad_left(std::string_view text, int width) {
    return spaces(width - text_length(text)) + std::string(text);
}

std::string pad_right(std::string_view text, int width) {
    return std::string(text) + spaces(width - text_length(text));
}

std::string strip_points_pad_zero(std::string_view text, int width) {
    std::string digits;
    for (const char c : text) {
        if (c != '.') {
            digits += c;
        }
    }
    const int missing = width - text_length(digits);
    return missing > 0 ? std::string(static_cast<std::size_t>(missing), '0') + digits : digits;
}

std::string upper_pl(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t c = utf8::next(text, pos);
        if (c == utf8::kInvalid) {
            out.append(text.substr(start, pos - start));
        } else {
            utf8::append(out, upper_code_point(c));
        }
    }
    return out;
}

int flag_to_int(bool flag) {
    return flag ? 1 : 0;
}

bool int_to_flag(int value) {
    return value == 1;
}

std::string clean_field(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

int text_length(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

bool polish_less(std::string_view a, std::string_view b) {
    const auto wa = sort_weights(a);
    const auto wb = sort_weights(b);
    if (wa != wb) {
        return std::lexicographical_compare(wa.begin(), wa.end(), wb.begin(), wb.end());
    }
    return a < b;
}

bool same_material_name(std::string_view a, std::string_view b) {
    return upper_pl(trim(a)) == upper_pl(trim(b));
}

}  // namespace wazenie
