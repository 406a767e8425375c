// The settings file (".dat"): one radio's settings as INI-like text.
#pragma once

#include <filesystem>
#include <string>

#include "files/file_io.h"
#include "files/image_file.h"
#include "files/settings_table.h"
#include "model/session.h"

namespace kv {

// The whole file as text, from the settings record and the image.
std::string SettingsFileText(const RadioSession& session);

// Writes the file atomically; a failure leaves the old file as it was and
// comes back with "FileSave Error!!".
FileOutcome SaveSettingsFile(const RadioSession& session, const std::filesystem::path& path,
                             ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// A real settings file is under 100 KB; a larger one is refused at once.
inline constexpr uintmax_t kLargestSettingsFile = 4u << 20;

enum class LoadResult { Loaded, OtherModel, SwitchModel, Unreadable };

struct SettingsLoad {
    LoadResult result = LoadResult::Unreadable;
    int requestedModel = -1;     // with SwitchModel: the file's model type (5 or 6)
    std::vector<Message> messages;
    std::string detail;          // with Unreadable: "PATH: reason"
    // With Loaded: what the file lacks and the values their fields cannot
    // take, one line each ("[CHCAN60] to [PRISETCH]: missing", "[CHRG1]
    // TxCTCSS=200: outside 0..50, left as it was").
    std::vector<std::string> warnings;
    // The lines of warnings that name what a complete file holds and this
    // one lacks: the data hold other values there (the defaults, or what
    // was loaded before), so programming them asks first.
    std::vector<std::string> missing;
};

// Applies a parsed file to the session: the header check first, so a file
// of another model changes nothing.
SettingsLoad ApplySettingsTable(RadioSession& session, const SettingsTable& table);

// Reads, parses and applies a settings file.
SettingsLoad LoadSettingsFile(RadioSession& session, const std::filesystem::path& path);

// The model type a settings file names in "[MAIN]", or -1.
int SettingsFileModel(const SettingsTable& table);

}  // namespace kv
