#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace wazenie::text_file {

// Data files are Windows-1250 with CR LF line ends. These functions are the only place that converts:
// lines in and out are UTF-8 without line ends; readers accept LF as well as CR LF.

// How lines end on reading. Data files keep a lone CR inside their line (a field holding it is written
// back with a space). A file edited by hand, like konfig.ini, reads a lone CR, and a run of CRs before
// an LF, as one line end: the writer then writes back the lines that were read, so a save keeps what
// the file means.
enum class LineEnds { crlf_or_lf, also_lone_cr };

// A missing file is an Error (what = "missing"); an unreadable one likewise (what = "read").
Result<std::vector<std::string>> read_lines(const std::filesystem::path& file,
                                            LineEnds ends = LineEnds::crlf_or_lf);

// One pass over the file without keeping it as lines: `visit` gets each line (UTF-8, no line end; the
// view lasts until it returns) and returns false to stop. The file is read in blocks of `block` bytes
// (lines may cross blocks). Lines not beginning with `ascii_prefix` are passed over unconverted, which
// makes picking a few kinds of line out of a year of logs fast. Errors as read_lines.
using LineVisitor = std::function<bool(std::string_view line)>;
inline constexpr std::size_t kScanBlock = std::size_t{1} << 18;
Status for_each_line(const std::filesystem::path& file, const LineVisitor& visit,
                     std::string_view ascii_prefix = {}, std::size_t block = kScanBlock);

// One pass over the file's bytes as they stand (Windows-1250, line ends kept), read in blocks of `block`
// bytes and handed to `visit` in runs of whole lines: a run begins at the file's start or at a line
// beginning with `run_start`, and ends at the file's end or before such a line, holding as many as the
// block does (with an empty `run_start`, a run ends at any line end). The view lasts until `visit`
// returns, and false stops. For readers that convert only the fields they show. Errors as read_lines.
using RunVisitor = std::function<bool(std::string_view lines)>;
Status for_each_run(const std::filesystem::path& file, const RunVisitor& visit,
                    std::string_view run_start = {}, std::size_t block = kScanBlock);

// The first line of `lines` without its line end (CR LF or LF), taken off `lines`. Inline: it runs on
// every line of a year's logs.
inline std::string_view take_line(std::string_view& lines) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    std::string_view line = lines.substr(0, end);
    lines.remove_prefix(std::min(end + 1, lines.size()));
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// `size` bytes of the file from byte `offset` on, as they stand; fewer when the file ends first. Errors
// as read_lines.
Result<std::string> read_byte_range(const std::filesystem::path& file, std::uintmax_t offset,
                                    std::uintmax_t size);

// Bytes as a data file holds them, as the program holds text: themselves when plain ASCII (as most lines
// of a log are), else converted into `buffer`.
std::string_view as_text(std::string_view bytes, std::string& buffer);

// The lines of a data file that may be missing: a missing file holds none. Errors as read_lines.
Result<std::vector<std::string>> read_lines_if_present(const std::filesystem::path& file);
// How a reader names a line it passes over: "linia N: \"...\"" (N from 1).
std::string damaged_line(std::size_t index, std::string_view line);
// The lines of a data file that may be missing, each that is not empty handed to `take`: those it
// refuses (false) are added to `damaged` as damaged_line names them. Errors as read_lines.
Status read_data_lines(const std::filesystem::path& file, std::vector<std::string>& damaged,
                       const std::function<bool(const std::string& line)>& take);

// False when the file's last line has no line end (a write cut short); true for an empty file.
bool ends_with_line_end(const std::filesystem::path& file);

// Creates or truncates the file and writes every line.
Status write_lines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Appends the lines at the end, creating the file when it is missing.
Status append_lines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// The same, after ending a last line that a crash cut short, so that it stays a damaged line of its
// own and the new ones read whole.
Status append_own_lines(const std::filesystem::path& file, std::vector<std::string> lines);

// Errors of the writers: what = "create" (where = the file), "write" (where = the file, line = the
// failing line from 1) or, in replace_atomically, "rename" (where = the target).

// Writes the work file, flushes it, and renames it over the target. The old target is never deleted
// first, so any failure leaves either the old file or the new one, never neither; a failed work file
// is removed.
Status replace_atomically(const std::filesystem::path& target, const std::filesystem::path& work_file,
                          const std::vector<std::string>& lines);
// The same with the bytes written as they are: no conversion, no line ends added (files for other programs).
Status replace_bytes_atomically(const std::filesystem::path& target, const std::filesystem::path& work_file,
                                std::string_view bytes);

// Failure injection for tests: the next operations fail at the chosen step. Reset by reset_faults().
struct Faults {
    bool fail_create = false;  // opening a file for writing
    int fail_write_line = -1;  // writing line i (0-based) of any write
    bool fail_rename = false;  // the rename of replace_atomically
};
void inject_faults(const Faults& faults);
void reset_faults();

}  // namespace wazenie::text_file
