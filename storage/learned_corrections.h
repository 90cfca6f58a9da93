#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/change_journal.h"
#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// The mass that lands on a scale after its feed of a material has closed, as learned from `count`
// finished doses. Names are compared trimmed and without regard to case.
struct LearnedCorrection {
    int scale = 0;  // 1..4
    std::string material;
    double kg = 0;
    int count = 0;

    bool operator==(const LearnedCorrection&) const = default;
};
using LearnedCorrections = std::vector<LearnedCorrection>;

// data_dir / "korekty.txt": scale, name, kg with the scale's precision and a point, count;
// tab-separated, Windows-1250, CR LF.
std::filesystem::path corrections_file_path(const std::filesystem::path& data_dir);

// A missing file holds nothing. A file of which a line does not read is not taken at all: the
// error names the line ("linia N: ...").
Result<LearnedCorrections> read_corrections(const std::filesystem::path& file);
// Rewritten atomically through "korekty_tmp.txt" beside it, each mass with its scale's precision.
Status save_corrections(const std::filesystem::path& file, const LearnedCorrections& corrections,
                        const Scales& w);

const LearnedCorrection* find_correction(const LearnedCorrections& corrections, int scale,
                                         std::string_view material);
LearnedCorrection* find_correction(LearnedCorrections& corrections, int scale, std::string_view material);
// Removes the entries of `scale` (0: of every scale) and `material` (empty: of every name); gives
// how many went.
int clear_corrections(LearnedCorrections& corrections, int scale, std::string_view material);
// The audit trail's line for it: which scale and material ("wszystkie" for all), how many went.
Change corrections_cleared(int scale, std::string_view material, int cleared);

}  // namespace wazenie
