#pragma once

#include <string>

namespace wazenie {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void put_text(const std::string& text) = 0;
};

}  // namespace wazenie
