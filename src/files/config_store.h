// The per-user settings store: text values by section and key. The GUI and
// kvtool use the QSettings store of kvqt; tests use the in-memory one.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv {

class ConfigStore {
public:
    virtual ~ConfigStore() = default;
    virtual std::optional<std::string> Get(const std::string& section, const std::string& key) const = 0;
    virtual void Set(const std::string& section, const std::string& key, const std::string& value) = 0;
};

class MemoryConfigStore : public ConfigStore {
public:
    std::optional<std::string> Get(const std::string& section, const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// A missing key reads as the default.
std::string ReadUserSetting(const ConfigStore& store, const std::string& section, const std::string& key,
                            const std::string& fallback);
void WriteUserSetting(ConfigStore& store, const std::string& section, const std::string& key,
                      const std::string& value);

// The serial port the user chose: its number in the port list and, because
// POSIX numbers follow the devices present, its device name too.
struct PortChoice {
    int number = 1;
    std::string name;  // "/dev/ttyUSB0"; empty when only the number is known
};
PortChoice ReadPortChoice(const ConfigStore& store);
void WritePortChoice(ConfigStore& store, const PortChoice& choice);

// The model type code of the last session (5 on a first run).
int ReadModelChoice(const ConfigStore& store);
void WriteModelChoice(ConfigStore& store, int model);

// File > recent files: the settings files last opened or saved, newest
// first, at most kMaxRecentFiles.
inline constexpr size_t kMaxRecentFiles = 6;
std::vector<std::filesystem::path> ReadRecentFiles(const ConfigStore& store);
void RememberRecentFile(ConfigStore& store, const std::filesystem::path& file);
void ForgetRecentFile(ConfigStore& store, const std::filesystem::path& file);

// The folder a file dialog starts in: the folder of the file last chosen,
// while it exists, else the user's documents folder (else its parent, the
// home folder, on a system that has none yet). Never the program's folder,
// which an installed program's user cannot write.
std::filesystem::path DialogFolder(const ConfigStore& store, const std::filesystem::path& documents);
void RememberDialogFolder(ConfigStore& store, const std::filesystem::path& chosenFile);

}  // namespace kv
