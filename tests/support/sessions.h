// Sessions for tests: a model's defaults, on a fixed date; a land-mobile channel in use.
#pragma once

#include "image/defaults.h"
#include "rules/channel_lists.h"

namespace kv::test {

inline constexpr CivilDate kTestToday{2026, 12, 6};

inline RadioSession FreshSession(int model, CivilDate today = kTestToday) {
    RadioSession s;
    s.model = model;
    s.today = [today] { return today; };
    ResetToDefaults(s);
    return s;
}

// Land-mobile record n in use: enabled in the LMR list (the group on),
// channel number 1, wide, transmitting on `mhz` both ways.
inline ChannelRecord& UseLmrChannel(RadioSettings& s, int n = 0, double mhz = 140.0) {
    s.UsableGroups[kLmrGroup].Enable = true;
    ChannelRecord& ch = s.CHEXP[static_cast<size_t>(n)];
    ch.Enable = ch.LmrExp = true;
    ch.Rxfreq = ch.Txfreq = mhz;
    ch.CHDisplayL = "1 ";
    ch.Narrow = false;
    SetTransmit(ch, true);
    return ch;
}

}  // namespace kv::test
