#include "model/models.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace kv {
namespace {

constexpr std::array<const char*, kRegionCount> kRegionSuffixes{"-intl", "-uk", "-be",
                                                                "-nl",   "-sw", "-grmn"};

}  // namespace

std::string ModelName(int model, bool sel1) {
    const ModelTraits& t = TraitsOf(model);
    return sel1 ? t.name : t.nameSel1Clear;
}

uint16_t ProductCode(int model) { return TraitsOf(model).productCode; }

std::string ProductTag(int model) {
    if (!IsValidModel(model)) return "";
    char tag[8];
    std::snprintf(tag, sizeof tag, "_%04X", static_cast<unsigned>(ProductCode(model)));
    return tag;
}

uint16_t IdentificationWord(int model) {
    const ModelTraits& t = TraitsOf(model);
    return t.identifiesByProduct ? t.productCode : 0;
}

std::optional<uint8_t> RequiredProductByte(int model) {
    const int byte = TraitsOf(model).productByte;
    if (byte >= 0) return static_cast<uint8_t>(byte);
    return std::nullopt;
}

uint8_t RegionFromByte(int model, uint8_t b) {
    return TraitsOf(model).region && b < kRegionCount ? b : kNoRegion;
}

std::string SeriesWord(int model) { return TraitsOf(model).seriesWord; }

std::vector<Destination> CanonicalDestinations(int model) {
    std::vector<Destination> list;
    if (TraitsOf(model).usaDestination) {
        list.push_back({"KV170-usa", true, kNoRegion});
        list.push_back({"KV150-usa", false, kNoRegion});
    } else if (TraitsOf(model).region) {
        for (bool sel1 : {true, false})
            for (uint8_t r = 0; r < kRegionCount; ++r)
                list.push_back({std::string(sel1 ? "KV170X" : "KV150") + kRegionSuffixes[r], sel1, r});
    }
    return list;
}

std::optional<Destination> DestinationFor(int model, bool sel1, uint8_t region) {
    const auto list = CanonicalDestinations(model);
    if (list.empty()) return std::nullopt;
    if (TraitsOf(model).usaDestination) return list[sel1 ? 0 : 1];
    const uint8_t r = region < kRegionCount ? region : 0;
    return list[sel1 ? r : r + kRegionCount];
}

std::string DefaultDataFileName(int model, const std::string& destination) {
    return destination + ProductTag(model) + ".ini";
}

std::optional<uint8_t> ParseRegionName(std::string name) {
    static constexpr std::array<std::string_view, kRegionCount> kSuffixes{"intl", "uk", "be", "nl", "sw", "grmn"};
    if (!name.empty() && name.front() == '-') name.erase(0, 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t i = 0; i < kSuffixes.size(); ++i)
        if (name == kSuffixes[i]) return static_cast<uint8_t>(i);
    if (name == "255") return kNoRegion;
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '5') return static_cast<uint8_t>(name[0] - '0');
    return std::nullopt;
}

}  // namespace kv
