#include "storage/settings_changes.h"

#include <map>
#include <utility>

#include "storage/text_helpers.h"

namespace wazenie {

namespace {

struct KeyValue {
    std::string name;  // "[Sekcja] klucz"
    std::string value;
};

std::vector<KeyValue> key_values(const IniDocument& ini) {
    std::vector<KeyValue> keys;
    std::string section;
    for (const std::string& line : ini.lines()) {
        const std::string_view text = trim(line);
        if (text.starts_with('[') && text.ends_with(']')) {
            section = std::string(trim(text.substr(1, text.size() - 2)));
        } else if (const auto equals = text.find('=');
                   equals != std::string_view::npos && !text.starts_with(';')) {
            keys.push_back({"[" + section + "] " + std::string(trim(text.substr(0, equals))),
                            std::string(text.substr(equals + 1))});
        }
    }
    return keys;
}

bool holds_password(const std::string& name) {
    const std::string upper = upper_pl(name);
    for (const char* word : {"HASŁ", "HASL", "PASSWORD"}) {
        if (upper.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<Change> setting_changes(const IniDocument& before, const IniDocument& after) {
    std::map<std::string, std::string> old;
    for (KeyValue& k : key_values(before)) {
        old.try_emplace(std::move(k.name), std::move(k.value));
    }
    std::vector<Change> changes;
    for (const KeyValue& k : key_values(after)) {
        const auto was = old.find(k.name);
        if (was != old.end() && was->second == k.value) {
            continue;
        }
        if (holds_password(k.name)) {
            changes.push_back({"ustawienie", k.name, "", "hasło zmienione"});
        } else {
            changes.push_back({k.name == "[Dokument WZ] nast_numer" ? "numer WZ" : "ustawienie", k.name,
                               was == old.end() ? "" : was->second, k.value});
        }
    }
    return changes;
}

}  // namespace wazenie
