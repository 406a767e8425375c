#include "files/config_store.h"

#include "model/model_traits.h"

#include <charconv>

namespace kv {
namespace {

constexpr const char* kComPath = "ComPath";
constexpr const char* kComNum = "ComNum";
constexpr const char* kComName = "ComName";
constexpr const char* kModelPath = "ModelPath";
constexpr const char* kModelNum = "ModelNum";
constexpr const char* kRecentFiles = "RecentFiles";
constexpr const char* kFolders = "Folders";
constexpr const char* kLastFolder = "LastFolder";

std::string RecentKey(size_t i) { return "File" + std::to_string(i + 1); }

void WriteRecentFiles(ConfigStore& store, const std::vector<std::filesystem::path>& files) {
    for (size_t i = 0; i < kMaxRecentFiles; ++i)
        WriteUserSetting(store, kRecentFiles, RecentKey(i), i < files.size() ? files[i].string() : "");
}

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
    const int model = ParseInt(ReadUserSetting(store, kModelPath, kModelNum, std::to_string(kDefaultModel)), kDefaultModel);
    return IsValidModel(model) ? model : kDefaultModel;
}

void WriteModelChoice(ConfigStore& store, int model) {
    WriteUserSetting(store, kModelPath, kModelNum, std::to_string(model));
}


std::vector<std::filesystem::path> ReadRecentFiles(const ConfigStore& store) {
    std::vector<std::filesystem::path> files;
    for (size_t i = 0; i < kMaxRecentFiles; ++i)
        if (std::string file = ReadUserSetting(store, kRecentFiles, RecentKey(i), ""); !file.empty())
            files.emplace_back(std::move(file));
    return files;
}

void RememberRecentFile(ConfigStore& store, const std::filesystem::path& file) {
    ForgetRecentFile(store, file);
    std::vector<std::filesystem::path> files = ReadRecentFiles(store);
    files.insert(files.begin(), file);
    WriteRecentFiles(store, files);
}

void ForgetRecentFile(ConfigStore& store, const std::filesystem::path& file) {
    std::vector<std::filesystem::path> files = ReadRecentFiles(store);
    std::erase(files, file);
    WriteRecentFiles(store, files);
}

std::filesystem::path DialogFolder(const ConfigStore& store, const std::filesystem::path& documents) {
    std::error_code error;
    if (const std::filesystem::path last = ReadUserSetting(store, kFolders, kLastFolder, "");
        !last.empty() && std::filesystem::is_directory(last, error))
        return last;
    if (documents.empty() || std::filesystem::is_directory(documents, error)) return documents;
    return documents.parent_path();
}

void RememberDialogFolder(ConfigStore& store, const std::filesystem::path& chosenFile) {
    if (chosenFile.has_parent_path()) WriteUserSetting(store, kFolders, kLastFolder, chosenFile.parent_path().string());
}

}  // namespace kv
