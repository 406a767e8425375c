// kvtool diff and backups: what differs between two programmings, and the
// reads kept before every write.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "files/backups.h"
#include "files/data_file.h"
#include "qt/qt_platform.h"
#include "report/programming_diff.h"

namespace kv::cli {
namespace {

// diff's exit statuses, as diff(1)'s (and kExitTrouble).
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr const char* kDiff = "diff";

struct DiffOptions {
    std::string before;
    std::string after;
    int model = -1;
    bool json = false;
};

int Trouble(CommandIo& io, const std::string& line) {
    Fail(io, line);
    return kExitTrouble;
}

std::optional<std::string> Load(RadioSession& session, const std::string& file, int model) {
    const DataFileResult loaded = LoadDataFile(session, file, model >= 0 ? std::optional<int>(model) : std::nullopt);
    if (!loaded.ok) return loaded.error;
    AsProgrammed(session);
    return std::nullopt;
}

int RunDiff(const DiffOptions& o, CommandIo& io) {
    if (o.model >= 0 && !IsValidModel(o.model)) return Trouble(io, ModelOptionError(o.model));
    RadioSession a, b;
    if (const auto error = Load(a, o.before, o.model)) return Trouble(io, *error);
    if (const auto error = Load(b, o.after, o.model)) return Trouble(io, *error);
    const ProgrammingDiff diff = DiffProgrammings(a, b);
    if (!diff.error.empty()) return Trouble(io, diff.error);
    if (o.json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const SettingChange& c : diff.changes) {
            nlohmann::ordered_json entry{{"path", c.path}};
            std::visit([&](const auto& v) { entry["old"] = v; }, c.before);
            std::visit([&](const auto& v) { entry["new"] = v; }, c.after);
            array.push_back(std::move(entry));
        }
        io.out << array.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    } else {
        for (const SettingChange& c : diff.changes) io.out << c.line << "\n";
    }
    return diff.changes.empty() ? kExitSame : kExitDifferent;
}

int RunBackups(CommandIo& io) {
    const auto folder = qt::BackupFolder();
    const std::vector<BackupEntry> entries = ListBackups(folder);
    if (entries.empty()) io.err << "kvtool: no backups in " << folder.string() << "\n";
    for (const BackupEntry& e : entries) io.out << BackupLine(e) << "\n";
    return kExitOk;
}

}  // namespace

void AddCompareCommands(CLI::App& app, CommandSet& commands) {
    auto diff = std::make_shared<DiffOptions>();
    CLI::App* diffCommand = app.add_subcommand(
        kDiff, "Show what differs between two programmings; exit 0 same, 1 different, 2 trouble");
    diffCommand->add_option("before", diff->before, "Image (.hex) or settings file (.dat)")->required();
    diffCommand->add_option("after", diff->after, "Image (.hex) or settings file (.dat)")->required();
    diffCommand->add_option("--model", diff->model, "Model type code 0..6 (default: from the files)");
    diffCommand->add_flag("--json", diff->json, "Print one JSON array of {path, old, new}");
    commands.emplace_back(diffCommand, [diff](CommandIo& io) { return RunDiff(*diff, io); });

    CLI::App* backups = app.add_subcommand("backups", "List the radio reads kept before programming, newest first");
    commands.emplace_back(backups, [](CommandIo& io) { return RunBackups(io); });
}

int TroubleStatus(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands())
        if (command->get_name() == kDiff) return kExitTrouble;
    return kExitFailed;
}

}  // namespace kv::cli
