// Editing the channel lists: adding, changing and deleting programmable
// marine channels, and the cross effects of a channel's tone and power
// choices. Plain functions over the settings record, so the screens only
// wire them.
#pragma once

#include <string>

#include "model/settings.h"

namespace kv {

// A marine grid shows at most 127 channels below its title row.
inline constexpr int kMaxMarineRows = 127;

// The channels a marine grid lists: the enabled records, in array order.
int ListedChannelCount(const MarineGroup& group);
bool CanAddMarineChannel(const MarineGroup& group);

// The add/edit panel's choices, as list positions.
enum class PanelPower { Off = 0, High = 1, Low = 2 };
struct MarinePanel {
    int baseCh = 1;
    int duplex = 0;  // "TX SIMP", "RX SIMP", "DUP", "Reverse DUP"
    PanelPower power = PanelPower::Off;
    bool powUp = false;
    int statusNo = 0;    // "None", "10", "20"
    int statusIcon = 0;  // "-", "A", "B"
    std::string name;
};

MarinePanel PanelFromChannel(const ChannelRecord& channel);
// Writes the panel over a record, which becomes an enabled channel.
void WritePanel(const MarinePanel& panel, ChannelRecord& channel);

// Saving an added channel: it goes in after record `selected`, the records
// after it move down one place (each slot keeping its Position), and the
// last record is lost.
void InsertMarineChannel(MarineGroup& group, int selected, const MarinePanel& panel);

// The same for a whole record (a pasted channel), which takes the slot's Position.
void InsertMarineRecord(MarineGroup& group, int selected, const ChannelRecord& channel);

// A free slot, as a delete leaves the last one.
ChannelRecord EmptyMarineSlot(int position);

// Deleting record `selected`: the records after it move up one place and
// the last slot becomes empty. A group keeps at least one enabled channel:
// false, and nothing changes, when `selected` is the only one.
bool DeleteMarineChannel(MarineGroup& group, int selected);

// A CTCSS tone clears the DCS code of the same direction, and the reverse.
void SelectCtcss(ChannelRecord& channel, bool transmit, int index);
void SelectDcs(ChannelRecord& channel, bool transmit, int value);

// The transmit box of every channel kind. The radio keeps no transmit switch
// of its own: power code 0 is "do not transmit" (the marine entries say so; the
// land-mobile entries hold the same two bits, and 0 is read the same way). A
// channel that may transmit gets a real level: 1 when low power, else 3. One
// that may not loses its low-power mark, which code 0 cannot carry.
// (TxDisabled, its negation, is what the marine lists read.)
void SetTransmit(ChannelRecord& channel, bool on);
// The "low power only" box: LowPower, and TXPower 1 when ticked, 3 when not.
// Only a channel that may transmit has a power to choose: otherwise nothing.
void SetLowPowerOnly(ChannelRecord& channel, bool lowOnly);

}  // namespace kv
