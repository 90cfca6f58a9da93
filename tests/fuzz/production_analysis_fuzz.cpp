// A month's log read into the production analysis, each dose judged against the default tolerances.
#include "fakes/fake_dialogs.h"
#include "fuzz/fuzz_input.h"
#include "reports/production_analysis.h"
#include "storage/tolerances.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    fuzz::write_scratch("202401.txt", {reinterpret_cast<const char*>(data), size});
    const auto tolerances = Tolerances::from(IniDocument{});
    testing::FakeDialogs dialogs;
    const auto analysis =
        analyse_production(fuzz::scratch_dir(), {"2024-01-01", "2024-01-31", "", ""}, tolerances, dialogs);
    if (analysis) {
        for (const auto& dose : analysis->doses) {
            deviation_of(dose, *analysis);
        }
    }
    return 0;
}
