#pragma once

#include "core/process_records.h"

namespace wazenie {

class ChangeJournal;
class Clock;
class Dialogs;
class ExchangeLog;
class InFlightCorrection;
class LineExchange;
class PortConnection;
class ProcessRecorder;
class StationView;
class StockKeeper;
struct Settings;

// What the main loop, the answer handling and the commands share: the station's records and seams.
struct StationContext {
    ProcessState& p;
    Settings& settings;
    const Clock& clock;
    Dialogs& dialogs;
    ExchangeLog& log;
    LineExchange& exchange;
    PortConnection& port;
    ProcessRecorder& recorder;
    StockKeeper& stock;
    InFlightCorrection& correction;
    StationView& view;
    ChangeJournal& changes;
};

}  // namespace wazenie
