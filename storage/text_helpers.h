#pragma once

#include <string>
#include <string_view>

#include "core/trim.h"

namespace wazenie {

// Field k (from 0) of a tab-separated line; empty when the line has no field k.
std::string tab_field(std::string_view line, int k);
std::string to_point(std::string_view text);
std::string to_comma(std::string_view text);
std::string remove_spaces(std::string_view text);
std::string empty_to_zero(std::string_view text);
// Width counts characters (UTF-8 code points), not bytes; a longer text is returned whole.
std::string pad_left(std::string_view text, int width);
std::string pad_right(std::string_view text, int width);
std::string strip_points_pad_zero(std::string_view text, int width);
// Capitals, the nine Polish letters with diacritics included; other characters unchanged.
std::string upper_pl(std::string_view text);
// Material names are the same when they are, trimmed and without regard to (Polish) letter case.
bool same_material_name(std::string_view a, std::string_view b);
int flag_to_int(bool flag);
bool int_to_flag(int value);
// Tabs, CR and LF become spaces, so a text field never shifts the fields of a data file.
std::string clean_field(std::string_view text);
// Number of characters (UTF-8 code points).
int text_length(std::string_view text);
// Polish alphabetical order (ą after a, ł after l, ż last), letter case ignored first.
bool polish_less(std::string_view a, std::string_view b);

}  // namespace wazenie
