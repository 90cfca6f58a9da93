#pragma once

#include <optional>
#include <string>

#include "emulator.h"

#include <QCoreApplication>

namespace wazenie::emulator {

struct Options {
    std::string device;
    int baud_rate = 9600;
    bool verbose = false;
    Emulator::Config emulator;
};

// The command line; prints the help or the error itself and gives nothing when the program should end.
std::optional<Options> parse_options(const QCoreApplication& app, int& exit_code);

}  // namespace wazenie::emulator
