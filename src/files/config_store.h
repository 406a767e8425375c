// The per-user settings store: text values by section and key. The GUI and
// kvtool use the QSettings store of kvqt; tests use the in-memory one.
#pragma once

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

}  // namespace kv
