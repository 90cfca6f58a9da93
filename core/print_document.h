#pragma once

#include <string>
#include <vector>

namespace wazenie {

struct PrintFont {
    std::string name = "Courier New";
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PrintFont&) const = default;
};

// A piece of a line printed in one font.
struct PrintRun {
    std::string text;
    PrintFont font;

    bool operator==(const PrintRun&) const = default;
};

struct PrintLine {
    std::vector<PrintRun> runs;

    std::string plain_text() const;
    bool operator==(const PrintLine&) const = default;
};

enum class PageOrientation { Portrait, Landscape };

// A printout as the printer receives it: lines of styled runs, streamed from the top of the page.
struct PrintDocument {
    std::string title;
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<PrintLine> lines;

    // Starts a new line; add() appends runs to the last line.
    PrintDocument& new_line();
    PrintDocument& add(std::string text, const PrintFont& font);
    // Plain-text form with the fonts dropped, one string per line.
    std::vector<std::string> plain_lines() const;
};

}  // namespace wazenie
