#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"

namespace wazenie::testing {

// A scripted operator: queued answers for questions, input dialogs and the print dialog, and a
// journal of every message shown ("błąd: ...", "ostrzeżenie: ...", "informacja: ...", "pytanie: ...").
class FakeDialogs : public Dialogs {
public:
    std::vector<std::string> journal;
    std::vector<ValueRequest> value_requests;
    std::deque<bool> answers;               // questions; empty queue answers Yes
    std::deque<std::string> values;         // ask_value; empty queue cancels
    std::deque<std::optional<int>> copies;  // print dialog; empty queue gives 1 copy

    void error(const std::string& text) override { journal.push_back("błąd: " + text); }
    void warning(const std::string& text) override { journal.push_back("ostrzeżenie: " + text); }
    void information(const std::string& text) override { journal.push_back("informacja: " + text); }
    bool question(const std::string& text) override {
        journal.push_back("pytanie: " + text);
        if (answers.empty()) {
            return true;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string ask_value(const ValueRequest& request) override {
        value_requests.push_back(request);
        if (values.empty()) {
            return "";
        }
        std::string value = values.front();
        values.pop_front();
        return value;
    }
    std::optional<int> ask_print_copies() override {
        if (copies.empty()) {
            return 1;
        }
        auto c = copies.front();
        copies.pop_front();
        return c;
    }

    std::string last() const { return journal.empty() ? std::string() : journal.back(); }
    void clear() { journal.clear(); }
};

}  // namespace wazenie::testing
