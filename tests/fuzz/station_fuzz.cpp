// A whole station on fakes: a fuzzed konfig.ini and status.txt at start-up, the operator logged in, a
// process started (the dosing correction on or off), and fuzzed bytes arriving from the line between the
// ticks of the main loop.
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/fake_serial_link.h"
#include "fuzz/fuzz_input.h"
#include "station/station.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    const auto parts = fuzz::split_input(data, size, 3);
    fuzz::clear_scratch();
    fuzz::write_scratch("konfig.ini", parts[0]);
    fuzz::write_scratch("status.txt", parts[1]);

    testing::FakeSerialLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    Station station{fuzz::scratch_dir(), link, clock, dialogs, display};
    station.start_up();
    // The dosing correction takes part whether or not the fuzzed file switched it on.
    const unsigned char flags = parts[2].empty() ? 0 : static_cast<unsigned char>(parts[2][0]);
    station.settings().correction.enabled |= (flags & 1) != 0;
    station.settings().correction.make_up |= (flags & 2) != 0;
    station.log_in("ADMINISTRATOR");
    station.start_process();

    FuzzedDataProvider line(reinterpret_cast<const std::uint8_t*>(parts[2].data()), parts[2].size());
    for (int tick = 0; tick < 2000 && line.remaining_bytes() > 0; ++tick) {
        station.main_tick();
        clock.advance_seconds(0.009);
        if (line.ConsumeBool()) {
            link.deliver(line.ConsumeRandomLengthString(64));
        }
    }
    station.stop_process();
    station.main_tick();
    station.close();
    return 0;
}
