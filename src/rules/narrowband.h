// The narrowband rule: land-mobile channels of model type 5 transmitting in
// 150..174 MHz must use narrow bandwidth from 1 January 2013 on.
#pragma once

#include <string>

#include "model/session.h"
#include "util/civil_date.h"
#include "util/prompt.h"

namespace kv {

inline constexpr CivilDate kNarrowbandDeadline{2013, 1, 1};

enum WideStatus { kNotWide = 0, kWideBeforeDeadline = 1, kWideAfterDeadline = 2 };

// The test of one channel, from its bandwidth-independent fields only.
WideStatus ChannelWideStatus(int model, const ChannelRecord& channel, const CivilDate& today);

// The status of the first enabled wide channel of the LMR/EXP records, when
// the model is 5 and the LMR group is usable.
WideStatus FindWideStatus(const RadioSession& session);

// Sets Narrow on every enabled channel that the rule catches.
void MakeWideChannelsNarrow(RadioSession& session);

// Before the settings are written to the radio: asks, converts, and answers
// Yes (go ahead) or No (abandon the write).
Answer CheckBeforeDownload(RadioSession& session, Prompt& prompt, const std::string& caption);

// After a read ("Upload") and before a save ("Save"): once the deadline has
// passed, tells the user and converts.
void CheckAfterChange(RadioSession& session, Prompt& prompt, const std::string& caption);

}  // namespace kv
