#pragma once

#include <optional>
#include <string>

namespace wazenie {

// The data types of the one input dialog: "integer", "float" or anything else (any text).
struct ValueRequest {
    std::string caption;
    std::string prompt;
    std::string initial;
    std::string data_type = "string";
    bool masked = false;
};

enum class MessageKind { error, warning, information };

// Everything the logic asks of the operator. Texts are UTF-8; "\r" inside a message is a line break.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void error(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void information(const std::string& text) = 0;
    // A message that nobody waits for: the box goes up and the call returns at once. The main loop
    // and the answer handling show theirs this way, so the scales are watched while the box is up.
    // Where no box blocks anyway, it is the plain message.
    virtual void notify(MessageKind kind, const std::string& text) {
        switch (kind) {
            case MessageKind::error:
                error(text);
                return;
            case MessageKind::warning:
                warning(text);
                return;
            case MessageKind::information:
                information(text);
                return;
        }
    }
    // Yes and No; true for Yes.
    virtual bool question(const std::string& text) = 0;
    // The input dialog: the entry when closed with OK, the empty text when cancelled. The entry has
    // already passed the data type's check (a refused entry never leaves the dialog).
    virtual std::string ask_value(const ValueRequest& request) = 0;
    // The print dialog: the number of copies, or nothing when it was cancelled.
    virtual std::optional<int> ask_print_copies() = 0;
};

}  // namespace wazenie
