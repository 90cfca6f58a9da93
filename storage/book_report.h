#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wazenie {

// What a check of signed books found, in Polish for an inspector: `lines` holds each finding ("dane/
// 202403.txt linia 57: zapis WZ/7/2024 zmieniony po zapisaniu") before the summary line of its file
// ("dane/202403.txt: 6000 zapisów, zgodne"); `findings` the findings alone.
struct BookReport {
    std::vector<std::string> lines;
    std::vector<std::string> findings;
    bool tampered = false;
    bool unreadable = false;

    void found(const std::string& text) {
        lines.push_back(text);
        findings.push_back(text);
        tampered = true;
    }
    void add(const BookReport& other) {
        lines.insert(lines.end(), other.lines.begin(), other.lines.end());
        findings.insert(findings.end(), other.findings.begin(), other.findings.end());
        tampered = tampered || other.tampered;
        unreadable = unreadable || other.unreadable;
    }
};

// A file as the inspector knows it: the data folder's name and the file's ("dane/202403.txt").
std::string shown_file(const std::filesystem::path& data_dir, const std::filesystem::path& file);

// "1 zapis", "3 zapisy", "6000 zapisów": `forms` holds the three forms, as {"zapis", "zapisy", "zapisów"}.
std::string counted(std::size_t n, const std::vector<std::string>& forms);

}  // namespace wazenie
