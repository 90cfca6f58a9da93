#pragma once

#include <set>
#include <string>
#include <utility>

#include "core/dialogs.h"

namespace wazenie {

// Shows each error and warning once however often it is asked for, for passes over the same logs: a
// log that cannot be read is told once. Everything else goes through as it is.
class OnceEachDialogs final : public Dialogs {
public:
    explicit OnceEachDialogs(Dialogs& shown) : shown_(shown) {}

    void error(const std::string& text) override {
        if (first("e" + text)) {
            shown_.error(text);
        }
    }
    void warning(const std::string& text) override {
        if (first("w" + text)) {
            shown_.warning(text);
        }
    }
    void information(const std::string& text) override { shown_.information(text); }
    bool question(const std::string& text) override { return shown_.question(text); }
    std::string ask_value(const ValueRequest& request) override { return shown_.ask_value(request); }
    std::optional<int> ask_print_copies() override { return shown_.ask_print_copies(); }

private:
    bool first(std::string key) { return told_.insert(std::move(key)).second; }

    Dialogs& shown_;
    std::set<std::string> told_;
};

}  // namespace wazenie
