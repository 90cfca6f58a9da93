#pragma once

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "station/station.h"

namespace wazenie::testing {

// A station over fakes in a scratch folder of its own, not yet started.
struct FakedStation {
    ScratchDir dir;
    FakeSerialLink link;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeDisplay display;
    Station station{dir.path(), link, clock, dialogs, display};
};

}  // namespace wazenie::testing
