#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace wazenie {

// Cuts the bytes of the line into answer frames and keeps what has not ended yet. ";" or CR ends a
// frame, LF is ignored, an empty frame (the CR of a CR LF, a doubled ";") is skipped.
class FrameSplitter {
public:
    // A frame that has not ended after this many bytes is noise: it is dropped.
    static constexpr std::size_t kMaxFrame = 255;

    // Hands every frame completed by `bytes` to on_frame, without its terminator, in order; on_noise
    // is told each time an overlong frame is dropped. A handler may clear the splitter.
    void take(std::string_view bytes, const std::function<void(std::string)>& on_frame,
              const std::function<void()>& on_noise);
    void clear() { pending_.clear(); }
    // The bytes of the frame not yet ended.
    const std::string& pending() const { return pending_; }

private:
    std::string pending_;
};

}  // namespace wazenie
