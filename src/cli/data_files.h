// The one place where kvtool chooses a file format by the file's extension.
#pragma once

#include <filesystem>
#include <string>

#include "files/image_file.h"
#include "model/session.h"

namespace kv::cli {

// Empty when kvtool can write this kind of file, else why not.
std::string CheckDataFileName(const std::filesystem::path& path);

// Writes the session's data (.hex: the image, brought up to date).
FileOutcome SaveDataFile(RadioSession& session, const std::filesystem::path& path);

// Loads a file into a fresh session of the model (model < 0: from the file);
// returns an error line, or empty.
std::string LoadDataFile(RadioSession& session, const std::filesystem::path& path, int model);

}  // namespace kv::cli
