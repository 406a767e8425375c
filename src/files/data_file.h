// A radio's data in a file of either kind, chosen by extension: image files
// (.hex, and the .ini default data files) and settings files (.dat).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/session.h"
#include "util/prompt.h"

namespace kv {

enum class DataFileKind { Image, Settings, Unknown };
DataFileKind KindOfDataFile(const std::filesystem::path& path);

struct DataFileResult {
    bool ok = false;
    std::string error;  // one line: "PATH: reason", with the system's texts where there are some
    std::vector<std::string> warnings;  // what a load could not take as it stands, one line each
    std::vector<std::string> missing;   // the warnings that name what a settings file lacks
};

// Loads a file into a fresh session: the model comes from the file (the
// settings file's "MODELTYPE", an image's identification word) unless one
// is given; a settings file is laid over that model's defaults.
DataFileResult LoadDataFile(RadioSession& session, const std::filesystem::path& path, std::optional<int> model);

// Saves the session: an image after encode, normalize and checksum; a
// settings file after the narrowband rule's check (caption "Save").
DataFileResult SaveDataFile(RadioSession& session, const std::filesystem::path& path, Prompt& prompt);

}  // namespace kv
