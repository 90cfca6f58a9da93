#include "storage/operators.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

#include "storage/cp1250.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr std::size_t kBlock = 32;

// Every byte is below 0x20 and none is a tab, CR or LF: a character the operator can type (0x20
// and above) never scrambles to zero, so none is lost at the end of a block.
constexpr std::array<unsigned char, 13> kKey = {0x17, 0x03, 0x1C, 0x0B, 0x12, 0x05, 0x1E,
                                                0x08, 0x14, 0x01, 0x1A, 0x0E, 0x11};

std::string scramble_block(const std::string& text) {
    const std::string bytes = utf8_to_cp1250(text).substr(0, kBlock);
    std::string block(kBlock, '\0');
    for (std::size_t k = 1; k <= bytes.size(); ++k) {
        block[k - 1] = static_cast<char>(static_cast<unsigned char>(bytes[k - 1]) ^ kKey[k % kKey.size()]);
    }
    return block;
}

std::string unscramble_block(std::string_view block) {
    const auto last = block.find_last_not_of('\0');
    if (last == std::string_view::npos) {
        return {};
    }
    std::string bytes(block.substr(0, last + 1));
    for (std::size_t k = 1; k <= bytes.size(); ++k) {
        bytes[k - 1] = static_cast<char>(static_cast<unsigned char>(bytes[k - 1]) ^ kKey[k % kKey.size()]);
    }
    return cp1250_to_utf8(bytes);
}

std::string write_error(int number, const std::filesystem::path& file) {
    return "Błąd (" + std::to_string(number) + ") przy zapisie do pliku: " + file.string() +
           ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.";
}

// Work file, flush, rename over the target: a failure never leaves the old list half written.
bool write_file(const std::filesystem::path& file, const std::string& bytes) {
    const std::filesystem::path work = file.parent_path() / "pomiary_tmp.txt";
    std::error_code ec;
    {
        std::ofstream out(work, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(work, ec);
            return false;
        }
    }
    // Passwords: readable by the program's own user only.
    std::filesystem::permissions(work,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::replace, ec);
    std::filesystem::rename(work, file, ec);
    if (ec) {
        std::filesystem::remove(work, ec);
        return false;
    }
    return true;
}

}  // namespace

std::filesystem::path operators_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "operatorzy.txt";
}

std::string encode_operators(const std::vector<Operator>& operators) {
    std::string bytes;
    bytes.reserve(operators.size() * 2 * kBlock);
    for (const Operator& op : operators) {
        bytes += scramble_block(op.name);
        bytes += scramble_block(op.password);
    }
    return bytes;
}

DecodedOperators decode_operators(std::string_view bytes) {
    DecodedOperators decoded;
    decoded.damaged = bytes.size() % (2 * kBlock) != 0;
    for (std::size_t at = 0; at + 2 * kBlock <= bytes.size(); at += 2 * kBlock) {
        decoded.operators.push_back(Operator{unscramble_block(bytes.substr(at, kBlock)),
                                             unscramble_block(bytes.substr(at + kBlock, kBlock))});
    }
    return decoded;
}

LoadedOperators load_operators(const std::filesystem::path& file) {
    LoadedOperators loaded;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        const std::vector<Operator> first{{std::string(kAdministrator), std::string(kAdministratorPassword)}};
        if (!write_file(file, encode_operators(first))) {
            loaded.error = write_error(10, file);
            return loaded;
        }
    }
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    DecodedOperators decoded = decode_operators(bytes);
    if (decoded.damaged || !in.is_open() || in.bad()) {
        loaded.error = "Uszkodzony plik operatorów: " + file.string();
    }
    loaded.operators = std::move(decoded.operators);
    std::stable_sort(loaded.operators.begin(), loaded.operators.end(),
                     [](const Operator& a, const Operator& b) { return polish_less(a.name, b.name); });
    return loaded;
}

Status save_operators(const std::filesystem::path& file, const std::vector<Operator>& operators) {
    if (!write_file(file, encode_operators(operators))) {
        return Error{write_error(1, file), file.string()};
    }
    return {};
}

std::optional<Operator> find_operator(const std::vector<Operator>& operators, std::string_view name) {
    for (const Operator& op : operators) {
        if (op.name == name) {
            return op;
        }
    }
    return std::nullopt;
}

bool password_correct(const Operator& op, std::string_view typed) {
    return op.password == typed;
}

}  // namespace wazenie
