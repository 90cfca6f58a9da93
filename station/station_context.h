#pragma once

#include "core/process_records.h"

namespace wazenie {

class Clock;
class Dialogs;
class ExchangeLog;
class MeterProtocol;
class PortConnection;
class ProcessRecorder;
class StationView;
struct Settings;

// What the main loop, the answer handling and the commands share: the station's records and seams.
struct StationContext {
    ProcessState& p;
    Settings& settings;
    const Clock& clock;
    Dialogs& dialogs;
    ExchangeLog& log;
    MeterProtocol& protocol;
    PortConnection& port;
    ProcessRecorder& recorder;
    StationView& view;
};

}  // namespace wazenie
