// kvtool's commands. Each command file adds its subcommands to the parser
// and the function that runs each one.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <optional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "model/session.h"

namespace kv {
class Clock;
}

namespace kv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitCancelled = 130;
// kvtool diff's trouble, as diff(1)'s: its 1 means "different" and nothing
// else, so a usage error or an output it cannot write is 2.
inline constexpr int kExitTrouble = 2;
// A program that failed or was cancelled after its first write: the radio
// holds part old and part new data.
inline constexpr int kExitPartlyWritten = 3;

struct CommandIo {
    std::ostream& out;
    std::ostream& err;
    Clock* linkClock = nullptr;  // the radio link's; the machine's steady clock when none
};

using CommandRunner = std::function<int(CommandIo&)>;
using CommandSet = std::vector<std::pair<CLI::App*, CommandRunner>>;

// Prints "kvtool: LINE" on stderr and returns the failure status.
int Fail(CommandIo& io, const std::string& line);

// Loads a command's input file (model -1: the file's own). Nothing when it
// loaded, with what it could not take as it stands (parts missing, values
// out of their fields' ranges) listed on stderr as warnings, and the parts
// missing in `missing` when given; else the failure status, the reason told.
std::optional<int> LoadInput(CommandIo& io, RadioSession& session, const std::string& file, int model,
                             std::vector<std::string>* missing = nullptr);

// The session `kvtool new` starts from: the model's defaults, or a
// destination's default data file, with the variant and region given.
struct NewSessionOptions {
    int model = kDefaultModel;
    std::string variant;      // "KV170" or "KV150"; empty keeps the data's
    std::string region;       // model type 6: 0..5, 255 or intl, uk, ...
    std::string destination;  // "KV170-usa", ...; empty: the model's defaults
    std::string dataFolder;   // of the default data files; empty: beside kvtool
};
// Returns an error line, or empty.
std::string BuildNewSession(const NewSessionOptions& options, RadioSession& session);

// new, show (image and settings files).
void AddFileCommands(CLI::App& app, CommandSet& commands);

// report (the text report of a file).
void AddReportCommands(CLI::App& app, CommandSet& commands);

// csv export, csv import (one channel list).
void AddCsvCommands(CLI::App& app, CommandSet& commands);

// ports, read, program (the radio link).
void AddLinkCommands(CLI::App& app, CommandSet& commands);

// fleet (many radios from one file).
void AddFleetCommand(CLI::App& app, CommandSet& commands);

// diff, backups.
void AddCompareCommands(CLI::App& app, CommandSet& commands);

// The status of trouble outside the command's own work (a usage error,
// standard output that did not take everything): kExitTrouble when `app`
// is running kvtool diff, else kExitFailed.
int TroubleStatus(const CLI::App& app);

}  // namespace kv::cli
