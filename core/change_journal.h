#pragma once

#include <string>

namespace wazenie {

// One change of the plant's data as the audit trail keeps it: a short Polish kind ("receptura",
// "ustawienie", ...), what it concerns (a recipe's name, "[Sekcja] klucz", a WZ number) and the value
// before and after (either may be empty). Never a password: a changed one is told by the kind alone.
struct Change {
    std::string what;
    std::string object;
    std::string before;
    std::string after;
};

// Where whatever changes something tells it; the journal adds who and when. Telling never fails: a
// journal that cannot write says so its own way and the change stands.
class ChangeJournal {
public:
    virtual ~ChangeJournal() = default;
    virtual void record(const Change& change) = 0;

    // A journal that keeps nothing, for the controllers that a caller builds without one.
    static ChangeJournal& none();
};

}  // namespace wazenie
