#pragma once

namespace wazenie {

// The work file through which the recipe and material files are rewritten, in the data directory.
inline constexpr const char* kWorkFileName = "pomiary_tmp.txt";

// The second line of every "could not write" message.
inline constexpr const char* kWriteCause = "Brak miejsca na dysku lub dysk zabezpieczony przed zapisem.";

}  // namespace wazenie
