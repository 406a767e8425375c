// Image files: the raw memory image, byte for byte, with no header. The
// default data files are image files too.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "model/session.h"
#include "util/prompt.h"

namespace kv {

struct FileOutcome {
    bool ok = false;
    std::vector<Message> messages;  // the system's texts, in the order shown
    std::string detail;             // for a failure to read or write: "PATH: reason"
};

// "FileSave Error!!" for a write that failed with `error` ("PATH: reason").
Message FileSaveMessage(const std::string& error);

// Reads a file as the current model's image and replaces the image only when
// the model and product checks pass. With showMessages the check failures
// are returned as messages; without (default data files), the region code is
// also taken from the image.
FileOutcome ReadImageFile(RadioSession& session, const std::filesystem::path& path, bool showMessages);

// Opening an image file: the length check ("bad file!!"), the read with its
// messages and, when it succeeds, the decode into the settings; what the
// decode had to change goes to `warnings` when given.
FileOutcome OpenImageFile(RadioSession& session, const std::filesystem::path& path,
                          std::vector<std::string>* warnings = nullptr);

// Brings the image up to date (encode, normalize, checksum) and writes it.
FileOutcome SaveImageFile(RadioSession& session, const std::filesystem::path& path,
                          ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// Writes the image as it stands.
FileOutcome WriteImageBytes(const RadioSession& session, const std::filesystem::path& path,
                            ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// Loads the default data file of a destination from a folder and decodes it.
bool LoadDefaultDataFile(RadioSession& session, const std::filesystem::path& folder, const std::string& destination);

}  // namespace kv
