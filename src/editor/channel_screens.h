// The decisions of the channel screens, without widgets: the entries of the
// Available CH Group lists, the rows of the channel grids, which record a
// channel editor writes, and the bandwidth lock of the narrowband rule.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/screen_tree.h"
#include "model/channel_plans.h"
#include "model/session.h"
#include "rules/channel_lists.h"
#include "util/civil_date.h"

namespace kv {

// One entry of a drop-down list: its text and its item value.
struct ListEntry {
    std::string text;
    int value = 0;
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// The priority value "Off" stores: no channel (the image writes 0xFFFF).
inline constexpr int kNoPriority = -1;

// "Off", then the enabled channels of group k (0 USA, 1 INTL, 2 CAN, 3 LMR).
// An entry's value is the channel's memory index (a marine one counts the
// records from 1, see MarineMemoryIndex).
std::vector<ListEntry> PriorityEntries(const RadioSession& session, int group);

// The list moves records (an insert after record s moves records s + 1 on
// down, a delete of record s moves the later ones up), and a marine priority
// follows its channel; it becomes "Off" when its channel is deleted or pushed
// off the end. Values that name no record stay as they are.
int PriorityAfterInsert(int priority, int selected);
int PriorityAfterDelete(int priority, int selected);

// A marine grid lists its group's enabled records in array order, and the
// group's tree node has a child for each of them: grid row r (from 0) shows
// record ListedRecords(group)[r]. Radios and files may hold disabled records
// between enabled ones, so a row number is no record number.
std::vector<int> ListedRecords(const MarineGroup& group);
// The record a row shows; -1 for a row that shows none.
int RecordOfRow(const MarineGroup& group, int row);
// The row that shows a record; -1 when the record is not listed.
int RowOfRecord(const MarineGroup& group, int record);

// Add and Paste put a channel after the channel of grid row `row` (after the
// last one for a row that shows none); the records after it move down one
// slot and the group's priority follows its channel. When the last slot holds
// a channel (a list with disabled records in it), the nearest disabled record
// gives way instead, so that no listed channel is pushed off the end. Returns
// the row of the new channel. The caller checks that the list has room.
int InsertMarineRow(RadioSettings& settings, int group, int row, const ChannelRecord& channel);
int AddMarineRow(RadioSettings& settings, int group, int row, const MarinePanel& panel);

// Save of the add/edit panel: adding, a new channel after the row's channel;
// editing, the panel over the row's own record. A receive-only channel of the
// group's plan keeps the plan's mode whatever the panel asked, and `kept` says
// so. `row` is the grid row that shows the saved channel.
struct PanelSaved {
    int row = -1;
    std::optional<KeptReceiveOnly> kept;
};
PanelSaved SaveMarinePanel(RadioSettings& settings, int group, int row, bool adding, const MarinePanel& panel);

// The position of a stored value among the entries; 0 ("Off") when none matches.
int EntryPosition(const std::vector<ListEntry>& entries, int value);

// Switches a usable group on or off. Switching the EXP group on recomputes
// every EXP record's Enable from its own data (ExpChannelHasData).
void SetGroupUsable(RadioSettings& settings, int group, bool on);

// An EXP/LMR record counts as a channel when it has a receive frequency.
bool ExpChannelHasData(const ChannelRecord& channel);

// The text of the "LMR CH" / "EXP CH" group box of the fourth group.
std::string FourthGroupName(int model);

// Grid cells, with the report's converters. The titles that are words are
// marked for the window's language (context "Columns"); the codes and the
// values are the radio's own and stay as they are.
// Marine: "CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "SIMP/DUP", "MEM", "VS", "CH Name".
std::vector<std::string> MarineGridTitles();
std::vector<std::string> MarineGridRow(const ChannelRecord& channel);
// LMR and EXP: "CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM".
std::vector<std::string> ExpansionGridTitles();
std::vector<std::string> ExpansionGridRow(const ChannelRecord& channel, int number);
// The RG grid shows the same columns as the LMR and EXP grids.
std::vector<std::string> RgGridRow(const ChannelRecord& channel, int number);

// The channel a single-channel editor writes: "L" and "E" name EXP records,
// "R" the RG records, "PU", "PI", "PC" the marine lists; the number after the
// letters counts from 1. Null for a key that names no record.
ChannelRecord* EditedChannel(RadioSettings& settings, const ScreenChoice& choice);

// On model 5 one EXP record is either LMR or EXP channel n: it counts as
// enabled only in the group its LMR EXP flag names. Elsewhere Enable alone.
bool EnabledInGroup(int model, const ChannelRecord& channel, bool lmrGroup);

// The enable box of a channel editor (RG, LMR or EXP). On model 5 ticking it
// under an LMR or EXP node also claims the record for that node's group.
bool EnableBoxShown(int model, ScreenKind kind, const ChannelRecord& channel);
void SetChannelEnable(int model, ScreenKind kind, ChannelRecord& channel, bool on);

// The group boxes (USA, INTL, CAN) of an LMR/EXP channel: whether the channel
// is offered in that marine group. The radio offers an LMR channel in no
// marine group, whatever its flags say, so the boxes show the flags only of an
// EXP channel and can be changed only while that channel is enabled.
bool GroupBoxTicked(const ChannelRecord& channel, int group);
// The box as the channel editor shows it: an enabled channel shows what the
// radio gets, as above; one that is not enabled under its node (the radio
// gets no channel) shows the flag as it is stored.
bool GroupBoxTicked(int model, ScreenKind kind, const ChannelRecord& channel, int group);
bool GroupBoxesUsable(int model, ScreenKind kind, const ChannelRecord& channel);
void SetChannelGroup(ChannelRecord& channel, int group, bool on);

// The duplex box of a marine channel: Duplex 1 ("RX SIMP") ticked, 0 ("TX
// SIMP") unticked. A duplex channel (2 or 3) keeps its mode: the box is then
// locked, and the mode is changed in the grid's panel; so is a receive-only
// channel (DuplexMask 0), which keeps its plan's mode.
bool DuplexBoxUsable(const ChannelRecord& channel);
void SetDuplexBox(ChannelRecord& channel, bool ticked);

// The bandwidth options of the single-channel editor.
struct BandwidthOptions {
    bool enabled = false;     // both options
    bool forceNarrow = false; // the narrow option is selected (and written)
};
BandwidthOptions BandwidthFor(int model, const ChannelRecord& channel, const CivilDate& today);

// The enabled LMR, EXP and RG channels the radio would get without a receive
// frequency or a channel number ("LMR CH 3, RG CH 2"); empty when none.
std::string IncompleteChannels(const RadioSession& session);

// The DCS lists: "Off", the 104 codes ("023N"...), then the same codes in the
// second DCS mode ("023I"...), so that values 105..208 show and survive.
std::vector<ListEntry> DcsEntries();
// "Off" and the 50 CTCSS tones.
std::vector<ListEntry> CtcssEntries();

}  // namespace kv
