// konfig.ini: read, warned about, written back and read again, which must give the same settings.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "storage/settings.h"

namespace {

bool same_values(const wazenie::Settings& a, const wazenie::Settings& b) {
    return a.total_precision == b.total_precision && a.port_num == b.port_num && a.baud_rate == b.baud_rate &&
           a.rs_timeout == b.rs_timeout && a.rs_delay == b.rs_delay &&
           a.rs_delay_recipe == b.rs_delay_recipe && a.log == b.log && a.weightdoc_next == b.weightdoc_next &&
           a.wz_print_content == b.wz_print_content && a.run_maximized == b.run_maximized &&
           a.block_down_buttons == b.block_down_buttons && a.admin_change_recipe == b.admin_change_recipe &&
           a.admin_change_client == b.admin_change_client && a.weightdoc_format == b.weightdoc_format;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const auto file = fuzz::write_scratch("konfig.ini", {reinterpret_cast<const char*>(data), size});
    Settings settings;
    Scales w;
    const auto replaced = load_settings(file, settings, w);
    replaced_values_text(replaced);
    port_device(settings, settings.port_num);

    const auto saved = fuzz::scratch_dir() / "zapisany.ini";
    if (!save_settings(saved, settings, w)) {
        return 0;
    }
    Settings again;
    Scales w_again;
    load_settings(saved, again, w_again);
    if (!same_values(settings, again)) {
        std::abort();
    }
    return 0;
}
