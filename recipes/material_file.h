#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/result.h"

namespace wazenie {

// The material file `materialy.txt` in the data directory: one material name per line, kept in the
// Polish alphabetical order in which the material window shows them.

std::filesystem::path material_file_path(const std::filesystem::path& data_dir);

// Every name of the file whose upper_pl form contains `filter` (all of them when it is empty), sorted.
// Empty lines are no materials and are left out. A missing file gives an empty list.
std::vector<std::string> load_materials(const std::filesystem::path& data_dir,
                                        const std::string& filter = {});

// Rewrites the file with the names in their order, through the work file renamed over it, so a failure
// leaves the file as it was. The error's `what` is the message to show the operator.
Status write_materials(const std::filesystem::path& data_dir, const std::vector<std::string>& names);

// Polish alphabetical order of names; equal names keep their order.
void sort_names(std::vector<std::string>& names);

}  // namespace wazenie
