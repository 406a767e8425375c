#include "cli/kvtool.h"

#include <cerrno>
#include <ostream>
#include <system_error>

#include "cli/commands.h"
#include "files/data_file.h"
#include "util/version.h"

namespace kv::cli {

int Fail(CommandIo& io, const std::string& line) {
    io.err << "kvtool: " << line << "\n";
    return kExitFailed;
}

std::optional<int> LoadInput(CommandIo& io, RadioSession& session, const std::string& file, int model,
                             std::vector<std::string>* missing) {
    if (model >= 0 && !IsValidModel(model)) return Fail(io, ModelOptionError(model));
    const DataFileResult loaded = LoadDataFile(session, file, model >= 0 ? std::optional<int>(model) : std::nullopt);
    if (!loaded.ok) return Fail(io, loaded.error);
    for (const std::string& warning : loaded.warnings) io.err << "kvtool: warning: " << file << ": " << warning << "\n";
    if (missing) *missing = loaded.missing;
    return std::nullopt;
}

namespace {

// Every command's output is whole or the exit status says it is not: a full
// disk or a closed pipe behind standard output is a failure like any other
// (diff's trouble whatever it found).
int CheckedOutput(CommandIo& io, int status, int trouble) {
    errno = 0;
    io.out.flush();
    if (io.out.good()) return status;
    const int error = errno;
    Fail(io, "cannot write to standard output" + (error ? ": " + std::generic_category().message(error) : std::string()));
    return status == kExitOk || trouble == kExitTrouble ? trouble : status;
}

int RunParsed(CLI::App& app, CommandSet& commands, CommandIo& io, const std::vector<std::string>& args) {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        io.out << app.help();
        return kExitOk;
    } catch (const CLI::CallForVersion&) {
        io.out << "kvtool " << VersionText() << "\n";
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        Fail(io, e.what());
        return TroubleStatus(app);
    }
    for (auto& [command, run] : commands)
        if (command->parsed()) return run(io);
    return Fail(io, "no command");
}

}  // namespace

int RunKvtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Clock* linkClock) {
    CLI::App app{"kvtool: programming data of the KV150/KV170 Series radios from the command line", "kvtool"};
    app.require_subcommand(1);
    app.set_version_flag("--version", VersionText(), "Print the version and exit");
    CommandSet commands;
    AddFileCommands(app, commands);
    AddReportCommands(app, commands);
    AddCsvCommands(app, commands);
    AddLinkCommands(app, commands);
    AddFleetCommand(app, commands);
    AddCompareCommands(app, commands);

    CommandIo io{out, err, linkClock};
    const int status = RunParsed(app, commands, io, args);
    return CheckedOutput(io, status, TroubleStatus(app));
}

}  // namespace kv::cli
