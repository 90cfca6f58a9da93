#pragma once

#include "comm/exchange_log.h"
#include "comm/serial_link.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_display.h"
#include "fakes/fake_serial_link.h"
#include "station/line_exchange.h"
#include "station/recording_sink.h"
#include "station/station_view.h"
#include "storage/settings.h"

namespace wazenie::testing {

// A line exchange without a station: the records, the settings, a log on a fixed clock, a display
// that counts its refreshes and a sink of the sink type given, over the link given.
template <class Sink = RecordingSink>
struct LineOnFakes {
    explicit LineOnFakes(SerialLink& link) : exchange{p, settings, link, log, view, sink} {}

    ProcessState p;
    Settings settings;
    FakeClock clock;
    ExchangeLog log{clock};
    FakeDisplay display;
    StationView view{p, display};
    Sink sink;
    LineExchange exchange;
};

struct ScriptedLink {
    FakeSerialLink link;
};

// The same over a scripted link, which is there before the exchange is given it.
template <class Sink = RecordingSink>
struct ScriptedLine : ScriptedLink, LineOnFakes<Sink> {
    ScriptedLine() : LineOnFakes<Sink>(link) {}
};

}  // namespace wazenie::testing
