#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wazenie {

// An INI file as lines, so that comments, unknown sections and unknown keys survive a rewrite.
class IniDocument {
public:
    static IniDocument parse(const std::vector<std::string>& lines);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Every "key=value" of the section in file order, keys trimmed, values as written.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
    // Replaces the key's value in place, or adds the key at the end of its section (the section
    // at the end of the file when it is new).
    void set(std::string_view section, std::string_view key, std::string_view value);
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace wazenie
