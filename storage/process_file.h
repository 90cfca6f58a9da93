#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"
#include "storage/settings.h"

namespace wazenie {

// One format for the process status file and the monthly weighing logs (storage/month_log.h): a
// header block of five lines beginning with ";", then the records.

// data_dir / "status.txt".
std::filesystem::path status_file_path(const std::filesystem::path& data_dir);

// The five header lines and the lines of one record (p.r and p.w[1..4]; masses of the "r" line with
// settings.total_precision, of a scale's lines with that scale's precision).
const std::vector<std::string>& process_header_lines();
std::vector<std::string> process_record_lines(const ProcessState& p, const Settings& settings);

// append_to_log false: `file` (the status file) is written anew, header and one record, through the
// work file "pomiary_tmp.txt" beside it renamed over it, so a failure keeps the old status file.
// append_to_log true: the record is appended to `file` (a month's log); the header block is written
// only when the log is created. Callers usually ignore the Status (the program goes on).
Status save_process(const ProcessState& p, const Settings& settings, const std::filesystem::path& file,
                    bool append_to_log);

// Reads a record into p.r and p.w (nothing else of p is touched). month "0" reads the status file;
// "yyyymm" reads that month's log, where the record is the first whose "r" line has exactly
// `weight_doc` and `start_time` (the date-time text as written). p.r.user_name comes from its user_name
// field; the client fields of p.r are left as they were (load_process_with_client fills them). A line whose
// scale, material or cycle is out of range is skipped, max_material is kept to 0..7, a cycle count to 1..9,
// an unknown cycle status reads as NOT_STARTED. The record is read into a copy and handed over only when it
// read cleanly. On failure p is unchanged and error().what is the message to show in an error box: "Brak
// pliku z danymi:\r" + file, "Brak pliku dokumentu WZ:\r" ..., "Brak zapisu procesu w pliku z danymi:\r" +
// file (a status file with lines but no process line), or the conversion's message
// ("'%s' is not a valid integer value", ...); error().where is the file name.
Status load_process(ProcessState& p, const std::filesystem::path& data_dir, const std::string& month,
                    const std::string& weight_doc = {}, const std::string& start_time = {});

}  // namespace wazenie
