// kvtool new and show.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/settings_json.h"
#include "files/file_io.h"
#include "files/image_file.h"
#include "image/defaults.h"
#include "util/texts.h"

namespace kv::cli {
namespace {

namespace fs = std::filesystem;

struct NewOptions {
    int model = kDefaultModel;
    std::string variant;
    std::string region;
    std::string output;
};

struct ShowOptions {
    std::string file;
    int model = -1;  // -1: from the file
    bool json = false;
};

// "0".."5", "255" or a destination suffix ("intl", "-uk", ...).
std::optional<uint8_t> ParseRegion(const std::string& text) {
    const std::vector<std::string> suffixes{"intl", "uk", "be", "nl", "sw", "grmn"};
    std::string name = text;
    if (!name.empty() && name.front() == '-') name.erase(0, 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto it = std::find(suffixes.begin(), suffixes.end(), name);
    if (it != suffixes.end()) return static_cast<uint8_t>(it - suffixes.begin());
    if (name == "255") return kNoRegion;
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '5') return static_cast<uint8_t>(name[0] - '0');
    return std::nullopt;
}

std::string JoinMessages(const FileOutcome& outcome) {
    std::string text;
    for (const Message& m : outcome.messages) text += (text.empty() ? "" : ", ") + m.text;
    return text;
}

// Check failures name the file and the system's texts; a file that could
// not be read at all names the reason.
std::string FailureLine(const std::string& file, const FileOutcome& outcome) {
    const bool checkFailed = !outcome.messages.empty() && outcome.messages.front().text != text::kFileReadError;
    return checkFailed ? file + ": " + JoinMessages(outcome) : outcome.detail;
}

}  // namespace

std::string BuildNewSession(int model, const std::string& variant, const std::string& regionText, RadioSession& session) {
    if (!IsValidModel(model)) return "--model must be a model type code from 0 to 6";
    std::optional<uint8_t> region;
    if (!regionText.empty()) {
        if (model != 6) return "--region applies to model type 6 only";
        region = ParseRegion(regionText);
        if (!region) return "--region must be 0 to 5, 255 or one of intl, uk, be, nl, sw, grmn";
    }
    session.model = model;
    ResetToDefaults(session);
    if (!variant.empty()) SetVariantBits(session.image, variant == "KV170");
    if (region) {
        session.image[map::RegionByte] = *region;
        session.region = RegionFromByte(session.model, *region);
    }
    return "";
}

namespace {

int RunNew(const NewOptions& o, CommandIo& io) {
    RadioSession session;
    if (const std::string error = BuildNewSession(o.model, o.variant, o.region, session); !error.empty())
        return Fail(io, error);
    const FileOutcome saved = SaveImageFile(session, o.output);
    return saved.ok ? kExitOk : Fail(io, saved.detail);
}

}  // namespace

// Without --model, the identification word at 64 tells model types 5 and 6.
std::optional<int> ModelOfImageFile(const fs::path& path, std::string& error) {
    const FileBytes file = ReadFileBytes(path, kImageSize);
    if (!file.ok) {
        error = file.error;
        return std::nullopt;
    }
    if (file.bytes.size() >= static_cast<size_t>(map::ProductWord.end())) {
        const int word = file.bytes[map::ProductWord.address] << 8 | file.bytes[map::ProductWord.address + 1];
        for (int model : {5, 6})
            if (word == IdentificationWord(model)) return model;
    }
    error = path.string() + ": the model type is not known from the file; give --model";
    return std::nullopt;
}

namespace {

int RunShow(const ShowOptions& o, CommandIo& io) {
    RadioSession session;
    if (o.model >= 0) {
        if (!IsValidModel(o.model)) return Fail(io, "--model must be a model type code from 0 to 6");
        session.model = o.model;
    } else {
        std::string error;
        const auto model = ModelOfImageFile(o.file, error);
        if (!model) return Fail(io, error);
        session.model = *model;
    }
    ResetToDefaults(session);
    const FileOutcome opened = OpenImageFile(session, o.file);
    if (!opened.ok) return Fail(io, FailureLine(o.file, opened));
    session.region = RegionFromByte(session.model, session.image[map::RegionByte]);
    const auto json = SettingsToJson(session);
    if (o.json)
        io.out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
        io.out << JsonToText(json);
    return kExitOk;
}

}  // namespace

void AddFileCommands(CLI::App& app, CommandSet& commands) {
    auto newOptions = std::make_shared<NewOptions>();
    CLI::App* newCommand = app.add_subcommand("new", "Write the default data of a model");
    newCommand->add_option("--model", newOptions->model, "Model type code 0..6 (default 5)");
    newCommand->add_option("--variant", newOptions->variant, "KV170 (SEL1 set) or KV150 (SEL1 clear)")
        ->check(CLI::IsMember({"KV170", "KV150"}));
    newCommand->add_option("--region", newOptions->region, "Region of model type 6: 0..5 or intl, uk, be, nl, sw, grmn");
    newCommand->add_option("-o,--output", newOptions->output, "Image file to write (.hex)")->required();
    commands.emplace_back(newCommand, [newOptions](CommandIo& io) { return RunNew(*newOptions, io); });

    auto showOptions = std::make_shared<ShowOptions>();
    CLI::App* showCommand = app.add_subcommand("show", "Print the whole settings record of a file");
    showCommand->add_option("file", showOptions->file, "Image file (.hex)")->required();
    showCommand->add_option("--model", showOptions->model, "Model type code 0..6 (default: from the file)");
    showCommand->add_flag("--json", showOptions->json, "Print one JSON object");
    commands.emplace_back(showCommand, [showOptions](CommandIo& io) { return RunShow(*showOptions, io); });
}

}  // namespace kv::cli
