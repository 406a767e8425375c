// The built-in marine channel plans, the marine frequency table and the
// weather channel list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/settings.h"

namespace kv {

inline constexpr int kMarineFrequencyCount = 120;

struct MarineFrequency {
    std::string text;  // channel number, at least two digits
    double ship = 0;   // MHz; transmit and simplex receive
    double coast = 0;  // MHz; ship + 4.6
    uint16_t duplexMask = 0xFFFF;
};

// Entry k belongs to marine channel number k.
const std::array<MarineFrequency, kMarineFrequencyCount>& MarineFrequencyTable();

struct WeatherChannel {
    const char* label;  // "WX01[162.550MHz]"
    const char* text;   // "162.550MHZ"
    double mhz;
};
inline constexpr int kWeatherListSize = 10;
// Entries 0..9 stand for the weather list's indexes 1..10.
const std::array<WeatherChannel, kWeatherListSize>& WeatherList();

// The number of channels a group's plan lays down (54, 65, 63).
int PlanSize(int group);

// Resets marine group 0 (USA), 1 (international) or 2 (Canadian) to its plan.
void BuildChannelPlan(RadioSettings& settings, int group);

// The record the group's plan lays down for a channel designation
// ("16", "01A", "1078"), enabled; nothing when the plan has no such channel.
std::optional<ChannelRecord> PlanChannel(int group, std::string_view designation);

// The receive-only channels of a plan (USA 15, channel 70 of every group,
// the Canadian CMB broadcasts) stay receive-only wherever a list puts them:
// a record that holds one (same number, prefix and suffix) gets the plan's
// mode and DuplexMask 0; any other record DuplexMask 0xFFFF. What a slot
// held before plays no part. When the record's mode had to change, what
// changed, to be named.
struct KeptReceiveOnly {
    std::string channel;  // "70", "21B"
    uint8_t asked = 0;    // the Duplex the record held
    uint8_t kept = 0;     // the plan's mode it holds now
};
std::optional<KeptReceiveOnly> KeepReceiveOnly(int group, ChannelRecord& channel);
// "channel 70 receives only, kept simplex"
std::string KeptReceiveOnlyText(const KeptReceiveOnly& kept);

// Rebuilds the weather array from the weather list.
void BuildWeatherChannels(RadioSettings& settings);

// Lays down all three plans and the weather channels.
void BuildAllChannelPlans(RadioSettings& settings);

}  // namespace kv
