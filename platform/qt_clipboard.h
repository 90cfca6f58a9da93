#pragma once

#include "core/clipboard.h"

namespace wazenie {

// The system clipboard, as plain text; needs a QGuiApplication.
class QtClipboard final : public Clipboard {
public:
    void put_text(const std::string& text) override;
};

}  // namespace wazenie
