// The per-user key/value store of the program's remembered choices,
// addressed by section and key. The GUI keeps it in the user's settings;
// kvtool and tests use the in-memory one.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kv {

class ConfigStore {
public:
    virtual ~ConfigStore() = default;
    virtual std::optional<std::string> Get(std::string_view section, std::string_view key) const = 0;
    virtual void Set(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class MemoryConfigStore : public ConfigStore {
public:
    std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
        const auto it = values_.find({std::string(section), std::string(key)});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) override {
        values_[{std::string(section), std::string(key)}] = std::string(value);
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace kv
