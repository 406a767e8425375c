// kvtool new, show, convert, narrow and default-data.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/settings_json.h"
#include "cli/stream_prompt.h"
#include "files/data_file.h"
#include "files/default_data.h"
#include "files/image_file.h"
#include "image/defaults.h"
#include "rules/narrowband.h"

namespace kv::cli {
namespace {

namespace fs = std::filesystem;

struct NewOptions {
    NewSessionOptions session;
    std::string output;
};

struct ShowOptions {
    std::string file;
    int model = -1;  // -1: from the file
    bool json = false;
};

struct ConvertOptions {
    std::string input;
    std::string output;
    int model = -1;
};

struct NarrowOptions {
    std::string file;
    int model = -1;
    std::string today;
    bool apply = false;
    std::string output;
};


// The folder of the default data files: relative to the program.
fs::path ProgramDataFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return DataFolder(ec ? fs::current_path() : exe.parent_path());
}

}  // namespace

std::string BuildNewSession(const NewSessionOptions& o, RadioSession& session) {
    if (!IsValidModel(o.model)) return ModelOptionError(o.model);
    std::optional<uint8_t> region;
    if (!o.region.empty()) {
        if (!TraitsOf(o.model).region) return "--region applies to model type 6 only";
        region = ParseRegionName(o.region);
        if (!region) return "--region must be 0 to 5, 255 or one of intl, uk, be, nl, sw, grmn";
    }
    session.model = o.model;
    ResetToDefaults(session);
    if (!o.destination.empty()) {
        const fs::path folder = o.dataFolder.empty() ? ProgramDataFolder() : fs::path(o.dataFolder);
        if (!LoadDefaultDataFile(session, folder, o.destination))
            return (folder / DefaultDataFileName(o.model, o.destination)).string() + ": IniFileRead Error!!";
    }
    if (!o.variant.empty()) SetVariantBits(session.image, o.variant == "KV170");
    if (region) {
        session.image[map::RegionByte] = *region;
        session.region = RegionFromByte(session.model, *region);
    }
    return "";
}

namespace {

int RunNew(const NewOptions& o, CommandIo& io) {
    RadioSession session;
    if (const std::string error = BuildNewSession(o.session, session); !error.empty()) return Fail(io, error);
    StreamPrompt prompt(io.err);
    const DataFileResult saved = SaveDataFile(session, o.output, prompt);
    return saved.ok ? kExitOk : Fail(io, saved.error);
}

int RunShow(const ShowOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    const auto json = SettingsToJson(session);
    if (o.json)
        io.out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
        io.out << JsonToText(json);
    return kExitOk;
}

int RunConvert(const ConvertOptions& o, CommandIo& io) {
    RadioSession session;
    if (const auto failed = LoadInput(io, session, o.input, o.model)) return *failed;
    StreamPrompt prompt(io.err);
    const DataFileResult saved = SaveDataFile(session, o.output, prompt);
    return saved.ok ? kExitOk : Fail(io, saved.error);
}

int RunNarrow(const NarrowOptions& o, CommandIo& io) {
    RadioSession session;
    if (!o.today.empty()) {
        const auto today = ParseIsoDate(o.today);
        if (!today) return Fail(io, "--today must be a date YYYY-MM-DD");
        session.today = [date = *today] { return date; };
    }
    if (o.apply && o.output.empty()) return Fail(io, "--apply needs -o OUT");
    if (const auto failed = LoadInput(io, session, o.file, o.model)) return *failed;
    const CivilDate today = session.today();
    int wide = 0;
    for (int n = 0; n < kExpChannels; ++n) {
        const ChannelRecord& ch = session.settings.CHEXP[n];
        const WideStatus status = ChannelWideStatus(session.model, ch, today);
        if (!ch.Enable || ch.Narrow || status == kNotWide) continue;
        ++wide;
        char line[128];
        std::snprintf(line, sizeof line, "CHEXP%d %s Tx %.4f MHz wide: %s\n", n + 1, (ch.CHDisplayL + ch.CHDisplayR).c_str(),
                      ch.Txfreq, status == kWideAfterDeadline ? "must be narrow (status 2)" : "narrow from 2013-01-01 (status 1)");
        io.out << line;
    }
    if (wide == 0) io.out << "No wide land-mobile channels in the 150 - 174 MHz band.\n";
    if (!o.apply) return kExitOk;
    MakeWideChannelsNarrow(session);
    StreamPrompt prompt(io.err);
    const DataFileResult saved = SaveDataFile(session, o.output, prompt);
    return saved.ok ? kExitOk : Fail(io, saved.error);
}

}  // namespace

void AddFileCommands(CLI::App& app, CommandSet& commands) {
    auto newOptions = std::make_shared<NewOptions>();
    CLI::App* newCommand = app.add_subcommand("new", "Write the default data of a model as an image (.hex) or settings file (.dat)");
    newCommand->add_option("--model", newOptions->session.model, "Model type code 0..6 (default 5)");
    newCommand->add_option("--variant", newOptions->session.variant, "KV170 (SEL1 set) or KV150 (SEL1 clear)")
        ->check(CLI::IsMember({"KV170", "KV150"}));
    newCommand->add_option("--region", newOptions->session.region, "Region of model type 6: 0..5 or intl, uk, be, nl, sw, grmn");
    newCommand->add_option("--destination", newOptions->session.destination, "Start from this destination's default data file (KV170-usa, KV150-nl, ...)");
    newCommand->add_option("--data-dir", newOptions->session.dataFolder, "Folder of the default data files (default: beside kvtool)");
    newCommand->add_option("-o,--output", newOptions->output, "File to write (.hex or .dat)")->required();
    commands.emplace_back(newCommand, [newOptions](CommandIo& io) { return RunNew(*newOptions, io); });

    auto showOptions = std::make_shared<ShowOptions>();
    CLI::App* showCommand = app.add_subcommand("show", "Print the whole settings record of a file");
    showCommand->add_option("file", showOptions->file, "Image (.hex) or settings file (.dat)")->required();
    showCommand->add_option("--model", showOptions->model, "Model type code 0..6 (default: from the file)");
    showCommand->add_flag("--json", showOptions->json, "Print one JSON object");
    commands.emplace_back(showCommand, [showOptions](CommandIo& io) { return RunShow(*showOptions, io); });

    auto convertOptions = std::make_shared<ConvertOptions>();
    CLI::App* convertCommand = app.add_subcommand("convert", "Convert between image (.hex) and settings (.dat) files");
    convertCommand->add_option("input", convertOptions->input, "File to read")->required();
    convertCommand->add_option("output", convertOptions->output, "File to write")->required();
    convertCommand->add_option("--model", convertOptions->model, "Model type code 0..6 (default: from the file)");
    commands.emplace_back(convertCommand, [convertOptions](CommandIo& io) { return RunConvert(*convertOptions, io); });

    auto narrowOptions = std::make_shared<NarrowOptions>();
    CLI::App* narrowCommand = app.add_subcommand("narrow", "List wide land-mobile channels in 150 - 174 MHz; --apply makes them narrow");
    narrowCommand->add_option("file", narrowOptions->file, "Image (.hex) or settings file (.dat)")->required();
    narrowCommand->add_option("--model", narrowOptions->model, "Model type code 0..6 (default: from the file)");
    narrowCommand->add_option("--today", narrowOptions->today, "The date to judge by, YYYY-MM-DD (default: today)");
    narrowCommand->add_flag("--apply", narrowOptions->apply, "Make the channels narrow and write -o OUT");
    narrowCommand->add_option("-o,--output", narrowOptions->output, "File to write with --apply");
    commands.emplace_back(narrowCommand, [narrowOptions](CommandIo& io) { return RunNarrow(*narrowOptions, io); });

    auto dataFolder = std::make_shared<std::string>();
    CLI::App* defaultsCommand = app.add_subcommand("default-data", "Write the default data files of model types 5 and 6");
    defaultsCommand->add_option("-d,--dir", *dataFolder, "Folder to write them into")->required();
    commands.emplace_back(defaultsCommand, [dataFolder](CommandIo& io) {
        const std::string error = WriteDefaultDataFiles(*dataFolder);
        return error.empty() ? kExitOk : Fail(io, error);
    });
}

}  // namespace kv::cli
