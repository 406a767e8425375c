#include "rules/channel_lists.h"

#include <algorithm>

namespace kv {
namespace {

constexpr const char* kStatusNumbers[] = {"", "10", "20"};
constexpr const char* kStatusIcons[] = {"", "A", "B"};

// Moves a record to another slot; the slot keeps its own Position.
void MoveRecord(MarineGroup& group, int from, int to) {
    const int16_t position = group[static_cast<size_t>(to)].Position;
    group[static_cast<size_t>(to)] = group[static_cast<size_t>(from)];
    group[static_cast<size_t>(to)].Position = position;
}

int IndexOf(const char* const (&texts)[3], const std::string& text) {
    for (int i = 0; i < 3; ++i)
        if (text == texts[i]) return i;
    return 0;
}

}  // namespace

int ListedChannelCount(const MarineGroup& group) {
    return static_cast<int>(std::count_if(group.begin(), group.end(), [](const ChannelRecord& ch) { return ch.Enable; }));
}

bool CanAddMarineChannel(const MarineGroup& group) { return ListedChannelCount(group) < kMaxMarineRows; }

MarinePanel PanelFromChannel(const ChannelRecord& ch) {
    MarinePanel panel;
    panel.baseCh = ch.BaseCh;
    panel.duplex = ch.Duplex;
    panel.power = !ch.TxEnable ? PanelPower::Off : ch.LowPower ? PanelPower::Low : PanelPower::High;
    panel.powUp = ch.PowUp;
    panel.statusNo = IndexOf(kStatusNumbers, ch.StatusNo);
    panel.statusIcon = IndexOf(kStatusIcons, ch.StatusIcon);
    panel.name = ch.ChTag;
    return panel;
}

void WritePanel(const MarinePanel& panel, ChannelRecord& ch) {
    ch.Enable = true;
    ch.BaseCh = static_cast<int16_t>(panel.baseCh);
    ch.Duplex = static_cast<uint8_t>(panel.duplex);
    ch.TxEnable = panel.power != PanelPower::Off;
    ch.TxDisabled = !ch.TxEnable;
    ch.LowPower = panel.power == PanelPower::Low;
    ch.TXPower = panel.power == PanelPower::Off ? 0 : ch.LowPower ? 1 : 3;
    ch.PowUp = panel.powUp;
    ch.StatusNo = kStatusNumbers[std::clamp(panel.statusNo, 0, 2)];
    ch.StatusIcon = kStatusIcons[std::clamp(panel.statusIcon, 0, 2)];
    ch.ChTag = panel.name;
}

namespace {
// Moves the records after `selected` down one place; the slot after it is free.
ChannelRecord& OpenSlotAfter(MarineGroup& group, int selected) {
    const int last = kMarineSlots - 1;
    const int at = std::clamp(selected + 1, 0, last);
    for (int j = last - 1; j >= at; --j) MoveRecord(group, j, j + 1);
    return group[static_cast<size_t>(at)];
}
}  // namespace

void InsertMarineChannel(MarineGroup& group, int selected, const MarinePanel& panel) {
    WritePanel(panel, OpenSlotAfter(group, selected));
}

void InsertMarineRecord(MarineGroup& group, int selected, const ChannelRecord& channel) {
    ChannelRecord& slot = OpenSlotAfter(group, selected);
    const int16_t position = slot.Position;
    slot = channel;
    slot.Position = position;
}

ChannelRecord EmptyMarineSlot(int position) {
    ChannelRecord empty;
    empty.TxEnable = true;
    empty.DuplexMask = 0xFFFF;
    empty.Position = static_cast<int16_t>(position);
    return empty;
}

bool DeleteMarineChannel(MarineGroup& group, int selected) {
    if (selected < 0 || selected >= kMarineSlots) return false;
    const bool anotherEnabled = std::any_of(group.begin(), group.end(), [&](const ChannelRecord& ch) {
        return ch.Enable && &ch != &group[static_cast<size_t>(selected)];
    });
    if (!anotherEnabled) return false;
    const int last = kMarineSlots - 1;
    for (int j = selected; j < last; ++j) MoveRecord(group, j + 1, j);
    group[static_cast<size_t>(last)] = EmptyMarineSlot(last);
    return true;
}

void SelectCtcss(ChannelRecord& ch, bool transmit, int index) {
    (transmit ? ch.TxCTCSS : ch.RxCTCSS) = static_cast<int16_t>(index);
    if (index != 0) (transmit ? ch.TxDCS : ch.RxDCS) = 0;
}

void SelectDcs(ChannelRecord& ch, bool transmit, int value) {
    (transmit ? ch.TxDCS : ch.RxDCS) = static_cast<int16_t>(value);
    if (value != 0) (transmit ? ch.TxCTCSS : ch.RxCTCSS) = 0;
}

void SetLowPowerOnly(ChannelRecord& ch, bool lowOnly) {
    if (!ch.TxEnable) return;
    ch.LowPower = lowOnly;
    ch.TXPower = lowOnly ? 1 : 3;
}

void SetTransmit(ChannelRecord& ch, bool on) {
    ch.TxEnable = on;
    ch.TxDisabled = !on;
    if (!on) ch.LowPower = false;
    ch.TXPower = !on ? 0 : ch.LowPower ? 1 : 3;
}

}  // namespace kv
