#pragma once

#include <string>

#include "core/clipboard.h"

namespace wazenie::testing {

class FakeClipboard : public Clipboard {
public:
    std::string text;
    int puts = 0;
    void put_text(const std::string& t) override {
        text = t;
        ++puts;
    }
};

}  // namespace wazenie::testing
