// The section table of a settings file: INI-like lines parsed once, then
// looked up by section and key without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace kv {

class SettingsTable {
public:
    // Parses the whole text (CR LF, LF or CR line ends; bytes kept as they are).
    static SettingsTable Parse(std::string_view text);

    // The value of the first key line, in file order, that matches inside
    // the first section of that name holding the key; nullopt when none.
    const std::string* Find(std::string_view section, std::string_view key) const;
    // As Find, with the empty string for a missing key.
    std::string LookupValue(std::string_view section, std::string_view key) const;

    size_t sectionCount() const { return sectionCount_; }

private:
    void Add(std::string_view section, std::string_view key, std::string value);

    std::unordered_map<std::string, std::string> values_;  // "section\0key", lower case
    size_t sectionCount_ = 0;
};

// One "[MAIN]"-style read: the value cut to 127 characters, "" when missing.
std::string ReadProfileValue(const SettingsTable& table, std::string_view section, std::string_view key);

}  // namespace kv
