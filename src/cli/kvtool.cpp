#include "cli/kvtool.h"

#include <ostream>

#include "cli/commands.h"

namespace kv::cli {

int Fail(CommandIo& io, const std::string& line) {
    io.err << "kvtool: " << line << "\n";
    return kExitFailed;
}

int RunKvtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"kvtool: programming data of the KV150/KV170 Series radios from the command line", "kvtool"};
    app.require_subcommand(1);
    CommandSet commands;
    AddFileCommands(app, commands);
    AddReportCommands(app, commands);
    AddLinkCommands(app, commands);

    CommandIo io{out, err};
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        return Fail(io, e.what());
    }
    for (auto& [command, run] : commands)
        if (command->parsed()) return run(io);
    return Fail(io, "no command");
}

}  // namespace kv::cli
