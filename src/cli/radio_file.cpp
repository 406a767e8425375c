#include "cli/radio_file.h"

#include "files/file_io.h"
#include "files/image_file.h"
#include "image/defaults.h"
#include "util/texts.h"

namespace kv::cli {
namespace {

std::optional<int> ModelOfImageFile(const std::string& file, std::string& error) {
    const FileBytes bytes = ReadFileBytes(file, kImageSize);
    if (!bytes.ok) {
        error = bytes.error;
        return std::nullopt;
    }
    if (bytes.bytes.size() >= static_cast<size_t>(map::ProductWord.end())) {
        const int word = bytes.bytes[map::ProductWord.address] << 8 | bytes.bytes[map::ProductWord.address + 1];
        for (int model : {5, 6})
            if (word == IdentificationWord(model)) return model;
    }
    error = file + ": the model type is not known from the file; give --model";
    return std::nullopt;
}

// Check failures name the file and the system's texts; a file that could
// not be read at all names the reason.
std::string FailureLine(const std::string& file, const FileOutcome& outcome) {
    const bool checkFailed = !outcome.messages.empty() && outcome.messages.front().text != text::kFileReadError;
    if (!checkFailed) return outcome.detail;
    std::string line = file + ": ";
    for (size_t i = 0; i < outcome.messages.size(); ++i) line += (i ? ", " : "") + outcome.messages[i].text;
    return line;
}

bool LoadImageFile(RadioSession& session, const std::string& file, std::string& error) {
    ResetToDefaults(session);
    const FileOutcome opened = OpenImageFile(session, file);
    if (!opened.ok) {
        error = FailureLine(file, opened);
        return false;
    }
    session.region = RegionFromByte(session.model, session.image[map::RegionByte]);
    return true;
}

}  // namespace

bool LoadRadioFile(RadioSession& session, const std::string& file, int model, std::string& error) {
    if (model == kModelFromFile) {
        const auto found = ModelOfImageFile(file, error);
        if (!found) return false;
        model = *found;
    } else if (!IsValidModel(model)) {
        error = "--model must be a model type code from 0 to 6";
        return false;
    }
    session.model = model;
    return LoadImageFile(session, file, error);
}

}  // namespace kv::cli
