#include "model/channel_plans.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>

#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

enum PlanFlags : unsigned { kLow = 1, kUp = 2, kRxOnly = 4 };

// A plan row: channel designation (prefix, two-digit number, suffix), the
// default tag, the default Duplex code and the flags that are set.
struct PlanEntry {
    const char* channel;
    const char* tag;
    uint8_t duplex;
    unsigned flags;
};

constexpr PlanEntry kUsaPlan[] = {
    {"01A", "VTS", 0, 0},
    {"03A", "", 0, 0},
    {"05A", "VTS", 0, 0},
    {"06", "SAFTY", 0, 0},
    {"07A", "COMMERCIAL", 0, 0},
    {"08", "COMMERCIAL", 0, 0},
    {"09", "CALLING", 0, 0},
    {"10", "COMMERCIAL", 0, 0},
    {"11", "VTS", 0, 0},
    {"12", "VTS", 0, 0},
    {"13", "BRG/BRG", 0, kLow | kUp},
    {"14", "VTS", 0, 0},
    {"15", "COMMERCIAL", 0, kRxOnly},
    {"16", "DISTRESS", 0, 0},
    {"17", "SAR", 0, kLow},
    {"18A", "COMMERCIAL", 0, 0},
    {"19A", "COMMERCIAL", 0, 0},
    {"20", "PORT OPR", 2, 0},
    {"20A", "PORT OPR", 0, 0},
    {"21A", "CCG", 0, 0},
    {"22A", "USCG", 0, 0},
    {"23A", "USCG", 0, 0},
    {"24", "TELEPHONE", 2, 0},
    {"25", "TELEPHONE", 2, 0},
    {"26", "TELEPHONE", 2, 0},
    {"27", "TELEPHONE", 2, 0},
    {"28", "TELEPHONE", 2, 0},
    {"61A", "CCG", 0, 0},
    {"63A", "VTS", 0, 0},
    {"64A", "COMMERCIAL", 0, 0},
    {"65A", "PORT OPR", 0, 0},
    {"66A", "PORT OPR", 0, 0},
    {"67", "BRG/BRG", 0, kLow | kUp},
    {"68", "SHIP-SHIP", 0, 0},
    {"69", "PLEASURE", 0, 0},
    {"70", "DSC", 0, kRxOnly},
    {"71", "PLEASURE", 0, 0},
    {"72", "SHIP-SHIP", 0, 0},
    {"73", "PORT OPR", 0, 0},
    {"74", "PORT OPR", 0, 0},
    {"75", "PORT OPR", 0, kLow},
    {"76", "PORT OPR", 0, kLow},
    {"77", "PORT OPR", 0, kLow},
    {"78A", "SHIP-SHIP", 0, 0},
    {"79A", "SHIP-SHIP", 0, 0},
    {"80A", "SHIP-SHIP", 0, 0},
    {"81A", "CCG", 0, 0},
    {"82A", "CCG", 0, 0},
    {"83A", "USCG", 0, 0},
    {"84", "TELEPHONE", 2, 0},
    {"85", "TELEPHONE", 2, 0},
    {"86", "TELEPHONE", 2, 0},
    {"87", "COMMERCIAL", 0, 0},
    {"88A", "COMMERCIAL", 0, 0},
};

constexpr PlanEntry kIntlPlan[] = {
    {"01", "TELEPHONE", 2, 0},
    {"02", "TELEPHONE", 2, 0},
    {"03", "TELEPHONE", 2, 0},
    {"04", "INTL", 2, 0},
    {"05", "INTL", 2, 0},
    {"06", "SAFETY", 0, 0},
    {"07", "INTL", 2, 0},
    {"08", "COMMERCIAL", 0, 0},
    {"09", "CALLING", 0, 0},
    {"10", "COMMERCIAL", 0, 0},
    {"11", "VTS", 0, 0},
    {"12", "VTS", 0, 0},
    {"13", "BRG/BRG", 0, 0},
    {"14", "VTS", 0, 0},
    {"15", "COMMERCIAL", 0, kLow},
    {"16", "DISTRESS", 0, 0},
    {"17", "SAR", 0, kLow},
    {"18", "INTL", 2, 0},
    {"19", "INTL", 2, 0},
    {"1019", "", 0, 0},
    {"2019", "", 1, 0},
    {"20", "PORT OPERATION", 2, 0},
    {"1020", "", 0, 0},
    {"2020", "", 1, 0},
    {"21", "INTL", 2, 0},
    {"22", "INTL", 2, 0},
    {"23", "INTL", 2, 0},
    {"24", "TELEPHONE", 2, 0},
    {"25", "TELEPHONE", 2, 0},
    {"26", "TELEPHONE", 2, 0},
    {"27", "TELEPHONE", 2, 0},
    {"28", "TELEPHONE", 2, 0},
    {"60", "TELEPHONE", 2, 0},
    {"61", "INTL", 2, 0},
    {"62", "INTL", 2, 0},
    {"63", "INTL", 2, 0},
    {"64", "TELEPHONE", 2, 0},
    {"65", "INTL", 2, 0},
    {"66", "INTL", 2, 0},
    {"67", "BRG/BRG", 0, 0},
    {"68", "SHIP-SHIP", 0, 0},
    {"69", "PLEASURE", 0, 0},
    {"70", "DSC", 0, kRxOnly},
    {"71", "PLEASURE", 0, 0},
    {"72", "SHIP-SHIP", 0, 0},
    {"73", "PORT OPR", 0, 0},
    {"74", "PORT OPR", 0, 0},
    {"75", "", 0, kLow},
    {"76", "", 0, kLow},
    {"77", "", 0, 0},
    {"78", "INTL", 2, 0},
    {"1078", "", 0, 0},
    {"2078", "", 1, 0},
    {"79", "INTL", 2, 0},
    {"1079", "", 0, 0},
    {"2079", "", 1, 0},
    {"80", "INTL", 2, 0},
    {"81", "INTL", 2, 0},
    {"82", "INTL", 2, 0},
    {"83", "INTL", 2, 0},
    {"84", "TELEPHONE", 2, 0},
    {"85", "TELEPHONE", 2, 0},
    {"86", "TELEPHONE", 2, 0},
    {"87", "PORT OPR", 0, 0},
    {"88", "PORT OPR", 0, 0},
};

constexpr PlanEntry kCanadaPlan[] = {
    {"01", "TELEPHONE", 2, 0},
    {"02", "TELEPHONE", 2, 0},
    {"03", "TELEPHONE", 2, 0},
    {"04A", "CCG", 0, 0},
    {"05A", "VTS", 0, 0},
    {"06", "SAFETY", 0, 0},
    {"07A", "COMMERCIAL", 0, 0},
    {"08", "COMMERCIAL", 0, 0},
    {"09", "CALLING", 0, 0},
    {"10", "COMMERCIAL", 0, 0},
    {"11", "VTS", 0, 0},
    {"12", "VTS", 0, 0},
    {"13", "BRG/BRG", 0, kLow | kUp},
    {"14", "VTS", 0, 0},
    {"15", "COMMERCIAL", 0, kLow},
    {"16", "DISTRESS", 0, 0},
    {"17", "SAR", 0, kLow},
    {"18A", "COMMERCIAL", 0, 0},
    {"19A", "COMMERCIAL", 0, 0},
    {"20", "PORT OPR", 2, kLow},
    {"21A", "CCG", 0, 0},
    {"21B", "CMB SERVICE", 2, kRxOnly},
    {"22A", "USCG", 0, 0},
    {"23", "INTL", 2, 0},
    {"23B", "CMB SERVICE", 2, kRxOnly},
    {"24", "TELEPHONE", 2, 0},
    {"25", "TELEPHONE", 2, 0},
    {"25B", "CMB SERVICE", 2, kRxOnly},
    {"26", "TELEPHONE", 2, 0},
    {"27", "TELEPHONE", 2, 0},
    {"28", "TELEPHONE", 2, 0},
    {"28B", "CMB SERVICE", 2, kRxOnly},
    {"60", "TELEPHONE", 2, 0},
    {"61A", "CCG", 0, 0},
    {"62A", "CCG", 0, 0},
    {"63A", "SHIP-SHIP", 0, 0},
    {"64", "USCG", 2, 0},
    {"64A", "TELEPHONE", 2, 0},
    {"65A", "PORT OPR", 0, 0},
    {"66A", "PORT OPR", 0, kLow},
    {"67", "BRG/BRG", 0, 0},
    {"68", "SHIP-SHIP", 0, 0},
    {"69", "PLEASURE", 0, 0},
    {"70", "DSC", 0, kRxOnly},
    {"71", "PLEASURE", 0, 0},
    {"72", "SHIP-SHIP", 0, 0},
    {"73", "PORT OPR", 0, 0},
    {"74", "PORT OPR", 0, 0},
    {"75", "PORT OPR", 0, kLow},
    {"76", "PORT OPR", 0, kLow},
    {"77", "PORT OPR", 0, kLow},
    {"78A", "SHIP-SHIP", 0, 0},
    {"79A", "SHIP-SHIP", 0, 0},
    {"80A", "SHIP-SHIP", 0, 0},
    {"81A", "CCG", 0, 0},
    {"82A", "CCG", 0, 0},
    {"83A", "CCG", 0, 0},
    {"83B", "CMB SERVICE", 2, kRxOnly},
    {"84", "TELEPHONE", 2, 0},
    {"85", "TELEPHONE", 2, 0},
    {"86", "TELEPHONE", 2, 0},
    {"87", "PORT OPR", 0, 0},
    {"88", "PORT OPR", 0, 0},
};

std::span<const PlanEntry> Plan(int group) {
    switch (group) {
        case 0: return kUsaPlan;
        case 1: return kIntlPlan;
        default: return kCanadaPlan;
    }
}

// "1019" gives prefix "10" and number 19; "07A" gives number 7, suffix "A".
void SetDesignation(ChannelRecord& ch, const std::string& text) {
    std::string digits = text;
    ch.StatusIcon.clear();
    if (!digits.empty() && std::isalpha(static_cast<unsigned char>(digits.back()))) {
        ch.StatusIcon = digits.substr(digits.size() - 1);
        digits.pop_back();
    }
    ch.StatusNo = digits.size() > 2 ? digits.substr(0, digits.size() - 2) : "";
    ch.BaseCh = static_cast<int16_t>(std::stoi(digits.substr(digits.size() - 2)));
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Lays a plan entry into a slot, which keeps its Position.
void WritePlanEntry(const PlanEntry& entry, ChannelRecord& ch) {
    SetDesignation(ch, entry.channel);
    ch.ChTag = Upper(entry.tag);
    ch.Duplex = entry.duplex;
    ch.LowPower = entry.flags & kLow;
    ch.PowUp = entry.flags & kUp;
    ch.TxDisabled = entry.flags & kRxOnly;
    ch.Enable = true;
    ch.TxEnable = !ch.TxDisabled;
    // Power code 0 means "transmit disabled" in the image, so a channel
    // that may transmit gets a real level: 1 when low power, else the
    // higher level 3, as the channel editor stores it.
    ch.TXPower = ch.TxDisabled ? 0 : ch.LowPower ? 1 : 3;
    if (ch.TxDisabled) ch.DuplexMask = 0;
}

}  // namespace

const std::array<MarineFrequency, kMarineFrequencyCount>& MarineFrequencyTable() {
    static const auto table = [] {
        std::array<MarineFrequency, kMarineFrequencyCount> t{};
        // Exact decimal steps in kHz, so every entry is the nearest double.
        for (int k = 0; k < kMarineFrequencyCount; ++k) {
            const int khz = k < 60 ? 156000 + 50 * k : 156025 + 50 * (k - 60);
            char text[8];
            std::snprintf(text, sizeof text, "%02d", k);
            t[k] = {text, khz / 1000.0, (khz + 4600) / 1000.0, 0xFFFF};
        }
        return t;
    }();
    return table;
}

const std::array<WeatherChannel, kWeatherListSize>& WeatherList() {
    static constexpr std::array<WeatherChannel, kWeatherListSize> list{{
        {"WX01[162.550MHz]", "162.550MHZ", 162.550},
        {"WX02[162.400MHz]", "162.400MHZ", 162.400},
        {"WX03[162.475MHz]", "162.475MHZ", 162.475},
        {"WX04[162.425MHz]", "162.425MHZ", 162.425},
        {"WX05[162.450MHz]", "162.450MHZ", 162.450},
        {"WX06[162.500MHz]", "162.500MHZ", 162.500},
        {"WX07[162.525MHz]", "162.525MHZ", 162.525},
        {"WX08[161.650MHz]", "161.650MHZ", 161.650},
        {"WX09[161.775MHz]", "161.775MHZ", 161.775},
        {"WX10[163.275MHz]", "163.275MHZ", 163.275},
    }};
    return list;
}

int PlanSize(int group) { return static_cast<int>(Plan(group).size()); }

void BuildChannelPlan(RadioSettings& settings, int group) {
    MarineGroup& slots = settings.Marine(group);
    const auto& frequencies = MarineFrequencyTable();
    for (int i = 0; i < kMarineSlots; ++i) {
        ChannelRecord& ch = slots[i];
        ch.Position = static_cast<int16_t>(i);
        ch.Enable = false;
        ch.TxEnable = true;
        ch.TxDisabled = false;
        ch.DuplexMask = i < kMarineFrequencyCount ? frequencies[i].duplexMask : 0xFFFF;
    }
    int slot = 0;
    for (const PlanEntry& entry : Plan(group)) WritePlanEntry(entry, slots[slot++]);
}

std::optional<ChannelRecord> PlanChannel(int group, std::string_view designation) {
    for (const PlanEntry& entry : Plan(group)) {
        if (designation != entry.channel) continue;
        ChannelRecord ch;
        ch.DuplexMask = 0xFFFF;
        WritePlanEntry(entry, ch);
        return ch;
    }
    return std::nullopt;
}

std::optional<KeptReceiveOnly> KeepReceiveOnly(int group, ChannelRecord& ch) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", ch.BaseCh);
    const std::string designation = ch.StatusNo + number + ch.StatusIcon;
    const auto plan = Plan(group);
    const auto entry = std::find_if(plan.begin(), plan.end(), [&](const PlanEntry& e) {
        return (e.flags & kRxOnly) && designation == e.channel;
    });
    ch.DuplexMask = entry == plan.end() ? 0xFFFF : 0;
    if (entry == plan.end() || ch.Duplex == entry->duplex) return std::nullopt;
    KeptReceiveOnly kept{entry->channel, ch.Duplex, entry->duplex};
    ch.Duplex = entry->duplex;
    return kept;
}

std::string KeptReceiveOnlyText(const KeptReceiveOnly& kept) {
    static constexpr const char* kModes[] = {KV_TEXT("Messages", "simplex"), KV_TEXT("Messages", "RX simplex"),
                                             KV_TEXT("Messages", "duplex"), KV_TEXT("Messages", "reverse duplex")};
    return AdviceText(Advice::ReceiveOnlyKept, {kept.channel, kModes[kept.kept & 3]});
}

void BuildWeatherChannels(RadioSettings& settings) {
    for (int i = 0; i < kWeatherChannels; ++i) {
        ChannelRecord ch;
        ch.Position = static_cast<int16_t>(i + 1);
        ch.Enable = true;  // every entry of the weather list carries the enabled mark
        ch.DuplexMask = 0xFFFF;
        settings.CHWX[i] = ch;
    }
}

void BuildAllChannelPlans(RadioSettings& settings) {
    for (int group = 0; group < 3; ++group) BuildChannelPlan(settings, group);
    BuildWeatherChannels(settings);
}

}  // namespace kv
