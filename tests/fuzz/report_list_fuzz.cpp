// A month's log read into the weighing report, once for every record and once filtered.
#include "fakes/fake_dialogs.h"
#include "fuzz/fuzz_input.h"
#include "reports/report_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    fuzz::write_scratch("202401.txt", {reinterpret_cast<const char*>(data), size});
    testing::FakeDialogs dialogs;
    build_report(fuzz::scratch_dir(), {"2024-01-01", "2024-01-31", "", ""}, 2, dialogs);
    build_report(fuzz::scratch_dir(), {"2024-01-10", "2024-01-10", "BUDEX", "B20"}, 0, dialogs);
    return 0;
}
