// The backups folder: every whole read of a radio is kept there as an image
// file named by date and time and destination, the newest 100 of them, so
// that any programming can be undone by writing a backup back.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/session.h"

namespace kv {

inline constexpr int kBackupsKept = 100;

struct SavedBackup {
    std::filesystem::path path;  // empty when it could not be saved
    std::string error;           // "PATH: reason"
};

// Keeps `radio` (a whole read, the session's image size) as a new backup
// under a name no other read took, even one in the same second in another
// process; then removes the oldest by name beyond kBackupsKept, never the
// one just written.
SavedBackup SaveBackup(const std::filesystem::path& folder, const RadioSession& session,
                       const std::vector<uint8_t>& radio, std::chrono::system_clock::time_point now);

// Keeps the session's image as it stands, after a completed read.
SavedBackup SaveReadBackup(const std::filesystem::path& folder, const RadioSession& session,
                           std::chrono::system_clock::time_point now);

struct BackupEntry {
    std::filesystem::path path;
    std::string date;         // "2026-12-07 14:03:59", from the name
    std::string model;        // "KV170", read from the file
    std::string destination;  // "KV170-usa", or "" when the model has none
    std::string problem;      // why it cannot be restored; "" when it can
};

// The backups in the folder, newest first; a missing folder has none. The
// model type is read from the file, or from the name where the image does
// not tell it (types 0-4: "..._KV130-type2.hex").
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);

// "NAME<tab>2026-12-07 14:03:59<tab>KV170<tab>KV170-usa"; a damaged one has its problem after the date.
std::string BackupLine(const BackupEntry& entry);

}  // namespace kv
