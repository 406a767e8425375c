#include "files/settings_table.h"

#include <algorithm>
#include <optional>

namespace kv {
namespace {

std::string_view TrimSpaces(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string Lower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string Joined(std::string_view section, std::string_view key) {
    std::string joined = Lower(section);
    joined += '\0';
    joined += Lower(key);
    return joined;
}

// "[name]..." with at least one character between "[" and the first "]".
std::optional<std::string_view> HeaderName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']', 1);
    if (close == std::string_view::npos || close < 2) return std::nullopt;
    return TrimSpaces(line.substr(1, close - 1));
}

// Calls f with each line, whatever its end: CR LF, LF or a lone CR.
template <class F>
void ForEachLine(std::string_view text, F f) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            f(text.substr(start));
            return;
        }
        f(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

}  // namespace

SettingsTable SettingsTable::Parse(std::string_view text) {
    SettingsTable table;
    std::optional<std::string> section;  // the section being read, if any
    ForEachLine(text, [&](std::string_view line) {
        if (section) {
            const size_t equals = line.find('=');
            if (equals != std::string_view::npos && equals >= 1) {
                std::string_view value = TrimSpaces(line.substr(equals + 1));
                if (!value.empty() && value.front() == '#') value.remove_prefix(1);
                table.Add(*section, TrimSpaces(line.substr(0, equals)), std::string(value));
                return;
            }
            if (line.find('[') == std::string_view::npos) return;
            section.reset();  // a stray "[" ends the section; the line may open the next one
        }
        if (const auto name = HeaderName(line)) {
            section = std::string(*name);
            ++table.sectionCount_;
        }
    });
    return table;
}

void SettingsTable::Add(std::string_view section, std::string_view key, std::string value) {
    values_.try_emplace(Joined(section, key), std::move(value));  // the first in file order wins
}

const std::string* SettingsTable::Find(std::string_view section, std::string_view key) const {
    const auto it = values_.find(Joined(section, key));
    return it == values_.end() ? nullptr : &it->second;
}

std::string SettingsTable::LookupValue(std::string_view section, std::string_view key) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string();
}


std::string ReadProfileValue(const SettingsTable& table, std::string_view section, std::string_view key) {
    return table.LookupValue(section, key).substr(0, 127);
}

}  // namespace kv
