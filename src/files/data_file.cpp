#include "files/data_file.h"

#include <algorithm>

#include "files/file_io.h"
#include "files/image_file.h"
#include "files/settings_file.h"
#include "image/defaults.h"
#include "rules/narrowband.h"
#include "util/texts.h"

namespace kv {
namespace fs = std::filesystem;
namespace {


std::string JoinTexts(const std::vector<Message>& messages) {
    std::string text;
    for (const Message& m : messages) text += (text.empty() ? "" : ", ") + m.text;
    return text;
}

DataFileResult Failure(const fs::path& path, const std::string& reason) {
    return {false, path.string() + ": " + reason, {}, {}};
}

// Image files name model types 5 and 6 in their first identification word.
std::optional<int> ModelOfImage(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < static_cast<size_t>(map::ProductWord.end())) return std::nullopt;
    const int word = bytes[map::ProductWord.address] << 8 | bytes[map::ProductWord.address + 1];
    for (int model : {5, 6})
        if (word == IdentificationWord(model)) return model;
    return std::nullopt;
}

DataFileResult LoadImage(RadioSession& s, const fs::path& path, std::optional<int> model) {
    if (!model) {
        const FileBytes file = ReadFileBytes(path, kImageSize);
        if (!file.ok) return {false, file.error, {}, {}};
        model = ModelOfImage(file.bytes);
        if (!model) return Failure(path, "the model type is not known from the file; give the model type");
    }
    s.model = *model;
    ResetToDefaults(s);
    std::vector<std::string> warnings;
    const FileOutcome opened = OpenImageFile(s, path, &warnings);
    if (!opened.ok) {
        const bool checkFailed = !opened.messages.empty() && opened.messages.front().text != text::kFileReadError;
        return checkFailed ? Failure(path, JoinTexts(opened.messages)) : DataFileResult{false, opened.detail, {}, {}};
    }
    s.region = RegionFromByte(s.model, s.image[map::RegionByte]);
    return {true, "", warnings, {}};
}

DataFileResult LoadSettings(RadioSession& s, const fs::path& path, std::optional<int> model) {
    const FileBytes file = ReadFileBytes(path, kLargestSettingsFile);
    if (!file.ok) return {false, file.error, {}, {}};
    const SettingsTable table = SettingsTable::Parse(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    const int fileModel = SettingsFileModel(table);
    s.model = model.value_or(fileModel);
    if (!IsValidModel(s.model) || fileModel != s.model) return Failure(path, "different model!!");
    ResetToDefaults(s);
    const SettingsLoad load = ApplySettingsTable(s, table);
    if (load.result != LoadResult::Loaded) return Failure(path, JoinTexts(load.messages));
    return {true, "", load.warnings, load.missing};
}

}  // namespace

DataFileKind KindOfDataFile(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".hex" || extension == ".ini") return DataFileKind::Image;
    if (extension == ".dat") return DataFileKind::Settings;
    return DataFileKind::Unknown;
}

DataFileResult LoadDataFile(RadioSession& s, const fs::path& path, std::optional<int> model) {
    switch (KindOfDataFile(path)) {
        case DataFileKind::Image: return LoadImage(s, path, model);
        case DataFileKind::Settings: return LoadSettings(s, path, model);
        default: return Failure(path, "unknown kind of file (use .hex or .dat)");
    }
}

DataFileResult SaveDataFile(RadioSession& s, const fs::path& path, Prompt& prompt) {
    FileOutcome saved;
    switch (KindOfDataFile(path)) {
        case DataFileKind::Image:
            saved = SaveImageFile(s, path);
            break;
        case DataFileKind::Settings:
            CheckAfterChange(s, prompt, "Save");
            saved = SaveSettingsFile(s, path);
            break;
        default:
            return Failure(path, "unknown kind of file (use .hex or .dat)");
    }
    if (saved.ok) return {true, "", {}, {}};
    return {false,
            saved.detail.empty() ? Failure(path, JoinTexts(saved.messages)).error
                                 : JoinTexts(saved.messages) + ": " + saved.detail,
            {}, {}};
}

}  // namespace kv
