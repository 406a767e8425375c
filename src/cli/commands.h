// kvtool's commands. Each command file adds its subcommands to the parser
// and the function that runs each one.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace kv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitCancelled = 130;

struct CommandIo {
    std::ostream& out;
    std::ostream& err;
};

using CommandRunner = std::function<int(CommandIo&)>;
using CommandSet = std::vector<std::pair<CLI::App*, CommandRunner>>;

// Prints "kvtool: LINE" on stderr and returns the failure status.
int Fail(CommandIo& io, const std::string& line);

// new, show (image and settings files).
void AddFileCommands(CLI::App& app, CommandSet& commands);

// report (the text report of a file).
void AddReportCommands(CLI::App& app, CommandSet& commands);

}  // namespace kv::cli
