#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wazenie {

// What every subcommand gets: the data directory and its own arguments (after its name).
struct CommandContext {
    std::filesystem::path data_dir;
    std::vector<std::string> args;
};

// One subcommand of wazenie-cli; the dispatcher lists them in cli_commands().
struct CliCommand {
    const char* name;
    const char* usage;  // the arguments after the name, for the usage text
    int (*run)(const CommandContext& context);
};

const std::vector<CliCommand>& cli_commands();

int run_command(const CommandContext& context);
int stop_command(const CommandContext& context);

}  // namespace wazenie
