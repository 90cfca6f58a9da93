#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace wazenie {

struct Operator {
    std::string name;      // 1..32 characters
    std::string password;  // 1..32 characters

    bool operator==(const Operator&) const = default;
};

inline constexpr std::string_view kAdministrator = "ADMINISTRATOR";
inline constexpr std::string_view kAdministratorPassword = "817";
inline constexpr int kOperatorTextLength = 32;

// data_dir / "operatorzy.txt".
std::filesystem::path operators_file_path(const std::filesystem::path& data_dir);

// The file's bytes: two 32-byte scrambled blocks per operator (name, password), in list order.
std::string encode_operators(const std::vector<Operator>& operators);
// Complete pairs only; `damaged` when the length is not a whole number of pairs.
struct DecodedOperators {
    std::vector<Operator> operators;
    bool damaged = false;
};
DecodedOperators decode_operators(std::string_view bytes);

// The list as loaded, sorted by name (Polish order); `error` is the message to show, if any:
// "Błąd (10) przy zapisie do pliku: ..." when a missing file cannot be created (empty list), or
// "Uszkodzony plik operatorów: " + file when its length is not whole pairs (complete pairs used).
struct LoadedOperators {
    std::vector<Operator> operators;
    std::optional<std::string> error;
};
// Creates the file with ADMINISTRATOR / 817 when it is missing, then reads it.
LoadedOperators load_operators(const std::filesystem::path& file);

// Rewrites the file through the work file "pomiary_tmp.txt" beside it, renamed over it (mode 0600
// on Unix). On failure the old file stays and error().what is "Błąd (1) przy zapisie do pliku: ...".
Status save_operators(const std::filesystem::path& file, const std::vector<Operator>& operators);

// The operator of exactly this name, or nothing.
std::optional<Operator> find_operator(const std::vector<Operator>& operators, std::string_view name);
// The typed text against the stored password, exactly (case counts, nothing trimmed).
bool password_correct(const Operator& op, std::string_view typed);

}  // namespace wazenie
