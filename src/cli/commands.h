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

// The session `kvtool new` starts from: the model's defaults with the
// variant and region given. Returns an error line, or empty.
std::string BuildNewSession(int model, const std::string& variant, const std::string& region, RadioSession& session);

// Without --model, the identification word at 64 tells model types 5 and 6.
std::optional<int> ModelOfImageFile(const std::filesystem::path& path, std::string& error);

// new, show (image and settings files).
void AddFileCommands(CLI::App& app, CommandSet& commands);

// ports, read, program (the radio link).
void AddLinkCommands(CLI::App& app, CommandSet& commands);

}  // namespace kv::cli
