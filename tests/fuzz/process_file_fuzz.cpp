// status.txt and a month's log, the same bytes: the process read back, the "r" lines listed, the record
// found by the number and start of the first, and what was read written out again.
#include "fuzz/fuzz_input.h"
#include "storage/month_log.h"
#include "storage/process_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto& dir = fuzz::scratch_dir();
    fuzz::write_scratch("status.txt", bytes);
    const auto log = fuzz::write_scratch("202401.txt", bytes);

    ProcessState p;
    load_process(p, dir, "0");
    const auto lines = read_process_lines(log);
    if (lines && !lines->empty()) {
        const LogLine first = read_log_line(lines->front());
        load_process(p, dir, "202401", std::string(first[process_field::weight_doc]),
                     std::string(first[process_field::start_time]));
    }
    Settings settings;
    save_process(p, settings, dir / "zapis.txt", false);
    save_process(p, settings, dir / "zapis.txt", true);
    return 0;
}
