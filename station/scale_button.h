#pragma once

namespace wazenie {

// The three buttons of a scale's panel; at most one of them is down.
enum class ScaleButton { none, start, pause, stop };

}  // namespace wazenie
