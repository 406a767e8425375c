#include "cli/data_files.h"

#include "cli/commands.h"
#include "image/address_map.h"
#include "image/defaults.h"

namespace kv::cli {
namespace {

bool IsImageFile(const std::filesystem::path& path) { return path.extension() == ".hex"; }

std::string JoinTexts(const FileOutcome& outcome) {
    std::string text;
    for (const Message& m : outcome.messages) text += (text.empty() ? "" : ", ") + m.text;
    return text;
}

}  // namespace

std::string CheckDataFileName(const std::filesystem::path& path) {
    if (IsImageFile(path)) return "";
    return path.string() + ": kvtool writes image files (.hex) only";
}

FileOutcome SaveDataFile(RadioSession& session, const std::filesystem::path& path) {
    if (!IsImageFile(path)) return {false, {}, CheckDataFileName(path)};
    return SaveImageFile(session, path);
}

std::string LoadDataFile(RadioSession& session, const std::filesystem::path& path, int model) {
    if (!IsImageFile(path)) return path.string() + ": kvtool reads image files (.hex) only";
    if (model < 0) {
        std::string error;
        const auto found = ModelOfImageFile(path, error);
        if (!found) return error;
        model = *found;
    }
    if (!IsValidModel(model)) return "--model must be a model type code from 0 to 6";
    session.model = model;
    ResetToDefaults(session);
    const FileOutcome opened = OpenImageFile(session, path);
    if (!opened.ok) return opened.messages.empty() ? opened.detail : path.string() + ": " + JoinTexts(opened);
    session.region = RegionFromByte(session.model, session.image[map::RegionByte]);
    return "";
}

}  // namespace kv::cli
