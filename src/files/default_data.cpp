#include "files/default_data.h"

#include <algorithm>
#include <system_error>

#include "files/image_file.h"
#include "image/codec.h"
#include "image/defaults.h"

namespace kv {
namespace fs = std::filesystem;
namespace {

constexpr const char* kDestinationSection = "IniFilePath";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() && Lower(name.substr(name.size() - suffix.size())) == Lower(suffix);
}

std::string RememberKey(int model) { return "IniFileName_" + std::to_string(model); }

}  // namespace

DestinationList FindDefaultDataFiles(const fs::path& folder, int model) {
    DestinationList list;
    list.canonical = CanonicalDestinations(model);
    list.found.assign(list.canonical.size(), false);
    const std::string suffix = ProductTag(model) + ".ini";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (!EndsWithNoCase(file, suffix) || !it->is_regular_file(ec)) continue;
        const std::string name = file.substr(0, file.find('_'));
        list.names.push_back(name);
        for (size_t c = 0; c < list.canonical.size(); ++c)
            if (Lower(list.canonical[c].name) == Lower(name) && !list.found[c]) {
                list.found[c] = true;
                list.canonical[c].name = name;  // the letter case of the file found
            }
    }
    std::stable_sort(list.names.begin(), list.names.end(),
                     [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    for (std::string& name : list.names)
        for (const Destination& c : list.canonical)
            if (Lower(c.name) == Lower(name)) name = c.name;
    return list;
}

std::optional<std::string> RememberedDestination(const ConfigStore& store, int model) {
    return store.Get(kDestinationSection, RememberKey(model));
}

void RememberDestination(ConfigStore& store, int model, const std::string& name) {
    store.Set(kDestinationSection, RememberKey(model), name);
}

DestinationMenu BuildDestinationMenu(RadioSession& s, const fs::path& folder, const ConfigStore& store) {
    DestinationMenu menu{FindDefaultDataFiles(folder, s.model), std::nullopt};
    std::optional<std::string> remembered = RememberedDestination(store, s.model);
    if (!remembered && s.traits().usaDestination) remembered = CanonicalDestinations(s.model).front().name;
    if (!remembered) return menu;
    const auto entry = std::find(menu.list.names.begin(), menu.list.names.end(), *remembered);
    if (entry == menu.list.names.end()) return menu;
    const size_t index = static_cast<size_t>(entry - menu.list.names.begin());
    if (LoadDestinationData(s, menu.list, index, folder)) menu.checked = index;
    return menu;
}

bool LoadDestinationData(RadioSession& s, const DestinationList& list, size_t index, const fs::path& folder) {
    if (index >= list.names.size()) return false;
    for (size_t c = 0; c < list.canonical.size(); ++c)
        if (s.traits().usaDestination && list.canonical[c].name == list.names[index] && !list.found[c]) {
            SetVariantBits(s.image, list.canonical[c].sel1);
            return true;
        }
    return LoadDefaultDataFile(s, folder, list.names[index]);
}

bool SelectDestination(RadioSession& s, DestinationMenu& menu, size_t index, const fs::path& folder,
                       ConfigStore& store) {
    if (index >= menu.list.names.size()) return false;
    if (!LoadDefaultDataFile(s, folder, menu.list.names[index])) return false;
    menu.checked = index;
    RememberDestination(store, s.model, menu.list.names[index]);
    return true;
}

void RememberLoadedDestination(const RadioSession& s, ConfigStore& store) {
    if (const auto destination = DestinationFor(s.model, s.Sel1(), s.region))
        RememberDestination(store, s.model, destination->name);
}

void ApplyFactoryDefaults(RadioSession& s, const Destination& destination) {
    ResetToDefaults(s);
    SetVariantBits(s.image, destination.sel1);
    auto& groups = s.settings.UsableGroups;
    CommonSetup& common = s.settings.Common;
    if (s.traits().region) {
        // Export radios: the international plan only, no weather alert.
        s.image[map::RegionByte] = destination.region;
        s.region = RegionFromByte(s.model, destination.region);
        groups[kUsaGroup].Enable = groups[kCanGroup].Enable = false;
        groups[kIntlGroup].Enable = true;
        common.LastChGroup = kIntlGroup;
        common.Weater = 0;
    } else {
        // USA radios: all three marine plans, the USA plan first, weather alert on.
        for (int g = 0; g < 3; ++g) groups[g].Enable = true;
        common.LastChGroup = kUsaGroup;
        common.Weater = 3;
    }
    // The radio starts on channel 16, the distress and calling channel.
    const MarineGroup& plan = s.settings.Marine(common.LastChGroup);
    const auto channel16 = std::find_if(plan.begin(), plan.end(), [](const ChannelRecord& ch) {
        return ch.Enable && ch.BaseCh == 16 && ch.StatusNo.empty() && ch.StatusIcon.empty();
    });
    common.LastDisplayCh = common.MarineLmrCh = MarineMemoryIndex(static_cast<int>(channel16 - plan.begin()));
    EncodeImage(s);
    NormalizeImage(s);
    ImageChecksum(s.image);
    DecodeImage(s);
}

std::string WriteDefaultDataFiles(const fs::path& folder) {
    for (int model : {5, 6})
        for (const Destination& destination : CanonicalDestinations(model)) {
            RadioSession s;
            s.model = model;
            ApplyFactoryDefaults(s, destination);
            const FileOutcome written = WriteImageBytes(s, folder / DefaultDataFileName(model, destination.name));
            if (!written.ok) return written.detail;
        }
    return "";
}

std::filesystem::path DataFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path installed = programFolder.parent_path() / "share" / "kvprog";
    std::error_code ec;
    return std::filesystem::is_directory(installed, ec) ? installed : programFolder;
}

std::string MissingDataNote(const std::filesystem::path& programFolder) {
    const std::filesystem::path folder = DataFolder(programFolder);
    for (const int model : {5, 6})
        if (!FindDefaultDataFiles(folder, model).names.empty()) return "";
    return "no default data files in " + (programFolder.parent_path() / "share" / "kvprog").string() + " or " +
           programFolder.string() + "; starting with the built-in defaults only";
}

}  // namespace kv
