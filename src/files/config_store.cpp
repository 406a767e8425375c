#include "files/config_store.h"

#include <charconv>

namespace kv {
namespace {

constexpr const char* kComPath = "ComPath";
constexpr const char* kComNum = "ComNum";
constexpr const char* kComName = "ComName";
constexpr const char* kModelPath = "ModelPath";
constexpr const char* kModelNum = "ModelNum";

int ParseInt(const std::string& text, int fallback) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? value : fallback;
}

}  // namespace

std::optional<std::string> MemoryConfigStore::Get(const std::string& section, const std::string& key) const {
    const auto it = values_.find({section, key});
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void MemoryConfigStore::Set(const std::string& section, const std::string& key, const std::string& value) {
    values_[{section, key}] = value;
}

std::string ReadUserSetting(const ConfigStore& store, const std::string& section, const std::string& key,
                            const std::string& fallback) {
    return store.Get(section, key).value_or(fallback);
}

void WriteUserSetting(ConfigStore& store, const std::string& section, const std::string& key,
                      const std::string& value) {
    store.Set(section, key, value);
}

PortChoice ReadPortChoice(const ConfigStore& store) {
    PortChoice choice;
    choice.number = ParseInt(ReadUserSetting(store, kComPath, kComNum, "1"), 1);
    choice.name = ReadUserSetting(store, kComPath, kComName, "");
    return choice;
}

void WritePortChoice(ConfigStore& store, const PortChoice& choice) {
    WriteUserSetting(store, kComPath, kComNum, std::to_string(choice.number));
    WriteUserSetting(store, kComPath, kComName, choice.name);
}

// A value that names no model type (edited by hand, say) counts as absent.
int ReadModelChoice(const ConfigStore& store) {
    const int model = ParseInt(ReadUserSetting(store, kModelPath, kModelNum, "5"), 5);
    return model >= 0 && model <= 6 ? model : 5;
}

void WriteModelChoice(ConfigStore& store, int model) {
    WriteUserSetting(store, kModelPath, kModelNum, std::to_string(model));
}


}  // namespace kv
