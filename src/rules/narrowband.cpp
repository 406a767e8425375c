#include "rules/narrowband.h"

namespace kv {

WideStatus ChannelWideStatus(int model, const ChannelRecord& channel, const CivilDate& today) {
    if (model != 5 || !channel.LmrExp) return kNotWide;
    if (channel.Txfreq < 150.0 || channel.Txfreq > 174.0) return kNotWide;
    return DaysBetween(today, kNarrowbandDeadline) < 1 ? kWideAfterDeadline : kWideBeforeDeadline;
}

}  // namespace kv
