// The narrowband rule: land-mobile channels of model type 5 transmitting in
// 150..174 MHz must use narrow bandwidth from 1 January 2013 on.
#pragma once

#include "model/settings.h"
#include "util/civil_date.h"

namespace kv {

inline constexpr CivilDate kNarrowbandDeadline{2013, 1, 1};

enum WideStatus { kNotWide = 0, kWideBeforeDeadline = 1, kWideAfterDeadline = 2 };

// The test of one channel, from its bandwidth-independent fields only.
WideStatus ChannelWideStatus(int model, const ChannelRecord& channel, const CivilDate& today);

}  // namespace kv
