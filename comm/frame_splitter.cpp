#include "comm/frame_splitter.h"

#include <utility>

namespace wazenie {

void FrameSplitter::take(std::string_view bytes, const std::function<void(std::string)>& on_frame,
                         const std::function<void()>& on_noise) {
    for (const char c : bytes) {
        if (c == '\n') {
            continue;
        }
        if (c == '\r' || c == ';') {
            if (!pending_.empty()) {
                std::string frame = std::move(pending_);
                pending_.clear();
                on_frame(std::move(frame));
            }
            continue;
        }
        if (pending_.size() >= kMaxFrame) {
            on_noise();
            pending_.clear();
        }
        pending_ += c;
    }
}

}  // namespace wazenie
