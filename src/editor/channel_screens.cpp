#include "editor/channel_screens.h"

#include <algorithm>

#include "image/codec.h"
#include "report/converters.h"
#include "report/report.h"
#include "rules/field_rules.h"
#include "rules/narrowband.h"
#include "model/tones.h"
#include "util/texts.h"

namespace kv {

std::vector<ListEntry> PriorityEntries(const RadioSession& s, int group) {
    std::vector<ListEntry> entries{{KV_TEXT("Messages", "Off"), kNoPriority}};
    if (group >= kUsaGroup && group <= kCanGroup) {
        const MarineGroup& slots = s.settings.Marine(group);
        for (int i = 0; i < kMarineSlots; ++i) {
            const ChannelRecord& ch = slots[static_cast<size_t>(i)];
            if (ch.Enable) entries.push_back({ChannelText(ch.BaseCh, s.model), MarineMemoryIndex(i)});
        }
        return entries;
    }
    for (int i = 0; i < kExpChannels; ++i) {
        const ChannelRecord& ch = s.settings.CHEXP[static_cast<size_t>(i)];
        if (!EnabledInGroup(s.model, ch, true)) continue;
        const int index = kFirstExpIndex + i;
        entries.push_back({ChannelText(index, s.model), index});
    }
    return entries;
}

int PriorityAfterInsert(int priority, int selected) {
    const int record = MarineRecordOf(priority);
    if (record < 0 || record <= selected) return priority;
    return record + 1 < kMarineSlots ? priority + 1 : kNoPriority;
}

int PriorityAfterDelete(int priority, int selected) {
    const int record = MarineRecordOf(priority);
    if (record < 0 || record < selected) return priority;
    return record == selected ? kNoPriority : priority - 1;
}

std::vector<int> ListedRecords(const MarineGroup& group) {
    std::vector<int> records;
    for (int i = 0; i < kMarineSlots; ++i)
        if (group[static_cast<size_t>(i)].Enable) records.push_back(i);
    return records;
}

int RecordOfRow(const MarineGroup& group, int row) {
    const std::vector<int> records = ListedRecords(group);
    return row >= 0 && row < static_cast<int>(records.size()) ? records[static_cast<size_t>(row)] : -1;
}

int RowOfRecord(const MarineGroup& group, int record) {
    const std::vector<int> records = ListedRecords(group);
    const auto found = std::find(records.begin(), records.end(), record);
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

namespace {
// The record after which a new channel goes for a row, with the last slot
// free to be pushed off: a disabled record after that one (else before it)
// is deleted when the last slot holds a channel.
int MakeRoomAfterRow(RadioSettings& settings, int group, int row) {
    MarineGroup& slots = settings.Marine(group);
    const std::vector<int> listed = ListedRecords(slots);
    int after = RecordOfRow(slots, row);
    if (after < 0) after = listed.empty() ? -1 : listed.back();
    if (!slots.back().Enable) return after;
    int gap = -1;
    for (int j = after + 1; j < kMarineSlots && gap < 0; ++j)
        if (!slots[static_cast<size_t>(j)].Enable) gap = j;
    for (int j = after - 1; j >= 0 && gap < 0; --j)
        if (!slots[static_cast<size_t>(j)].Enable) gap = j;
    if (gap < 0 || !DeleteMarineChannel(slots, gap)) return after;
    int32_t& priority = settings.UsableGroups[static_cast<size_t>(group)].PriorityCh;
    priority = PriorityAfterDelete(priority, gap);
    return gap < after ? after - 1 : after;
}

template <typename Insert>
int InsertAfterRow(RadioSettings& settings, int group, int row, Insert insert) {
    const int after = MakeRoomAfterRow(settings, group, row);
    insert(settings.Marine(group), after);
    int32_t& priority = settings.UsableGroups[static_cast<size_t>(group)].PriorityCh;
    priority = PriorityAfterInsert(priority, after);
    return RowOfRecord(settings.Marine(group), after + 1);
}
}  // namespace

int InsertMarineRow(RadioSettings& settings, int group, int row, const ChannelRecord& channel) {
    return InsertAfterRow(settings, group, row, [&](MarineGroup& g, int after) { InsertMarineRecord(g, after, channel); });
}

int AddMarineRow(RadioSettings& settings, int group, int row, const MarinePanel& panel) {
    return InsertAfterRow(settings, group, row, [&](MarineGroup& g, int after) { InsertMarineChannel(g, after, panel); });
}

PanelSaved SaveMarinePanel(RadioSettings& settings, int group, int row, bool adding, const MarinePanel& panel) {
    MarineGroup& slots = settings.Marine(group);
    const int record = adding ? RecordOfRow(slots, AddMarineRow(settings, group, row, panel)) : RecordOfRow(slots, row);
    if (record < 0) return {};
    ChannelRecord& ch = slots[static_cast<size_t>(record)];
    if (!adding) WritePanel(panel, ch);
    return {RowOfRecord(slots, record), KeepReceiveOnly(group, ch)};
}

int EntryPosition(const std::vector<ListEntry>& entries, int value) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].value == value) return static_cast<int>(i);
    return 0;
}

bool ExpChannelHasData(const ChannelRecord& channel) { return channel.Rxfreq > 0; }

void SetGroupUsable(RadioSettings& settings, int group, bool on) {
    settings.UsableGroups[static_cast<size_t>(group)].Enable = on;
    if (group != kExpGroup || !on) return;
    for (ChannelRecord& ch : settings.CHEXP) ch.Enable = ExpChannelHasData(ch);
}

std::string FourthGroupName(int model) { return LmrName(true, model) + " CH"; }

std::vector<std::string> MarineGridTitles() {
    return {"CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "SIMP/DUP", "MEM", "VS", KV_TEXT("Columns", "CH Name")};
}

std::vector<std::string> MarineGridRow(const ChannelRecord& ch) {
    const RxTx f = MarineFrequencies(ch);
    return {MarineChannelLabel(ch), Freq3(f.rx),       Freq3Tx(f.tx, ch.TxDisabled), TxText(ch.TxEnable),
            LowText(ch.LowPower),   UpText(ch.PowUp),  DupText(ch.Duplex),           MemText(ch.ScanMemory),
            VsText(ch.Scramble),    ch.ChTag};
}

std::vector<std::string> ExpansionGridTitles() {
    return {"CH", KV_TEXT("Columns", "ENABLE"), KV_TEXT("Columns", "DISP"), "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM"};
}

std::vector<std::string> ExpansionGridRow(const ChannelRecord& ch, int number) {
    return {std::to_string(number), EnableText(ch.Enable), ChdText(ch.CHDisplayL + ch.CHDisplayR),
            Freq4(ch.Rxfreq),       Freq4(ch.Txfreq),      LowText(ch.LowPower),
            UpText(ch.PowUp),       MemText(ch.ScanMemory)};
}

std::vector<std::string> RgGridRow(const ChannelRecord& ch, int number) { return ExpansionGridRow(ch, number); }

ChannelRecord* EditedChannel(RadioSettings& settings, const ScreenChoice& choice) {
    const int i = choice.index - 1;
    switch (choice.kind) {
        case ScreenKind::LmrChannel:
        case ScreenKind::ExpChannel:
            return i >= 0 && i < kExpChannels ? &settings.CHEXP[static_cast<size_t>(i)] : nullptr;
        case ScreenKind::RgChannel:
            return i >= 0 && i < kRgChannels ? &settings.CHRG[static_cast<size_t>(i)] : nullptr;
        case ScreenKind::MarineChannel:
            if (choice.group < kUsaGroup || choice.group > kCanGroup) return nullptr;
            return i >= 0 && i < kMarineSlots ? &settings.Marine(choice.group)[static_cast<size_t>(i)] : nullptr;
        default:
            return nullptr;
    }
}

bool EnabledInGroup(int model, const ChannelRecord& ch, bool lmrGroup) {
    return ch.Enable && (!TraitsOf(model).expGroup || ch.LmrExp == lmrGroup);
}

bool EnableBoxShown(int model, ScreenKind kind, const ChannelRecord& ch) {
    if (kind == ScreenKind::RgChannel) return ch.Enable;
    return EnabledInGroup(model, ch, kind == ScreenKind::LmrChannel);
}

void SetChannelEnable(int model, ScreenKind kind, ChannelRecord& ch, bool on) {
    ch.Enable = on;
    if (on && TraitsOf(model).expGroup && kind != ScreenKind::RgChannel) ch.LmrExp = kind == ScreenKind::LmrChannel;
}

namespace {
bool ChannelRecord::*GroupFlag(int group) {
    static constexpr bool ChannelRecord::*flags[] = {&ChannelRecord::UsaGroup, &ChannelRecord::IntGroup,
                                                     &ChannelRecord::CanGroup};
    return flags[std::clamp(group, 0, 2)];
}
}  // namespace

bool GroupBoxTicked(const ChannelRecord& ch, int group) { return !ch.LmrExp && ch.*GroupFlag(group); }

bool GroupBoxTicked(int model, ScreenKind kind, const ChannelRecord& ch, int group) {
    return EnableBoxShown(model, kind, ch) ? GroupBoxTicked(ch, group) : ch.*GroupFlag(group);
}

bool GroupBoxesUsable(int model, ScreenKind kind, const ChannelRecord& ch) {
    return !ch.LmrExp && EnableBoxShown(model, kind, ch);
}

void SetChannelGroup(ChannelRecord& ch, int group, bool on) { ch.*GroupFlag(group) = on; }

bool DuplexBoxUsable(const ChannelRecord& ch) { return ch.DuplexMask != 0 && ch.Duplex <= 1; }

void SetDuplexBox(ChannelRecord& ch, bool ticked) {
    if (DuplexBoxUsable(ch)) ch.Duplex = ticked ? 1 : 0;
}

BandwidthOptions BandwidthFor(int model, const ChannelRecord& channel, const CivilDate& today) {
    // The rule names enabled channels only, as its conversion does.
    if (TraitsOf(model).narrowband && channel.Enable && ChannelWideStatus(model, channel, today) == kWideAfterDeadline)
        return {false, true};
    return {channel.Enable, false};
}

std::string IncompleteChannels(const RadioSession& s) {
    std::string names;
    const auto check = [&](const ChannelRecord& ch, bool enabled, const std::string& name) {
        if (!enabled || ChannelComplete(FrequencyText(ch.Rxfreq), ch.CHDisplayL)) return;
        names += (names.empty() ? "" : ", ") + name;
    };
    for (int i = 0; i < kExpChannels; ++i) {
        const ChannelRecord& ch = s.settings.CHEXP[static_cast<size_t>(i)];
        check(ch, ProgrammedEnabled(s, ch), LmrName(ch.LmrExp || !s.traits().expGroup, s.model) + " CH " + std::to_string(i + 1));
    }
    for (int i = 0; i < kRgChannels; ++i)
        check(s.settings.CHRG[static_cast<size_t>(i)], s.settings.CHRG[static_cast<size_t>(i)].Enable,
              "RG CH " + std::to_string(i + 1));
    return names;
}

std::vector<ListEntry> DcsEntries() {
    std::vector<ListEntry> entries{{KV_TEXT("Messages", "Off"), 0}};
    for (int v = 1; v <= 2 * kSecondDcsOffset; ++v) entries.push_back({DcsText(v), v});
    return entries;
}

std::vector<ListEntry> CtcssEntries() {
    std::vector<std::string> list;
    BuildCtcssList(list);
    std::vector<ListEntry> entries;
    for (size_t i = 0; i < list.size(); ++i) entries.push_back({list[i], static_cast<int>(i)});
    return entries;
}

}  // namespace kv
