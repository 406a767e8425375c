#include "editor/channel_screens.h"

#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "files/settings_table.h"
#include "image/codec.h"
#include "rules/channel_lists.h"
#include "support/sessions.h"

namespace kv::test {
namespace {

TEST(PriorityEntries, LmrEntriesAreMemoryIndexesOfLandMobileChannelsOnModel5) {
    RadioSession s = FreshSession(5);
    for (auto& ch : s.settings.CHEXP) ch = ChannelRecord{};
    s.settings.CHEXP[2].Enable = true;
    s.settings.CHEXP[2].LmrExp = true;
    s.settings.CHEXP[3].Enable = true;  // an EXP channel: not in the LMR list
    const auto entries = PriorityEntries(s, kLmrGroup);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].value, kFirstExpIndex + 2);
}

TEST(PriorityEntries, AMarinePriorityFollowsItsChannelWhenTheListMoves) {
    struct Case {
        bool insert;
        int priority, selected, after;
    } cases[] = {
        {true, 5, 2, 6},     // record 4 moves down behind the new record 3
        {true, 3, 2, 3},     // record 2 stays: the new channel goes after it
        {true, 128, 10, kNoPriority},  // the last record falls off the list
        {false, 5, 2, 4},    // record 4 moves up
        {false, 3, 2, kNoPriority},    // its channel is deleted
        {false, 2, 2, 2},
        {true, kNoPriority, 0, kNoPriority},
        {false, 250, 0, 250},  // an EXP memory index names no marine record
    };
    for (const Case& c : cases) {
        const int after = c.insert ? PriorityAfterInsert(c.priority, c.selected)
                                   : PriorityAfterDelete(c.priority, c.selected);
        EXPECT_EQ(after, c.after) << (c.insert ? "insert " : "delete ") << c.priority << " at " << c.selected;
    }
}

TEST(SetGroupUsable, SwitchingExpOnRecomputesEveryExpEnableFromItsFrequency) {
    RadioSettings st;
    st.CHEXP[0].Rxfreq = 155.5;
    st.CHEXP[0].Enable = false;
    st.CHEXP[1].Enable = true;  // no receive frequency: not a channel
    SetGroupUsable(st, kExpGroup, true);
    EXPECT_TRUE(st.UsableGroups[kExpGroup].Enable);
    EXPECT_TRUE(st.CHEXP[0].Enable);
    EXPECT_FALSE(st.CHEXP[1].Enable);
    // Switching off keeps the channels as they are, even one without data.
    st.CHEXP[1].Enable = true;
    SetGroupUsable(st, kExpGroup, false);
    EXPECT_TRUE(st.CHEXP[0].Enable);
    EXPECT_TRUE(st.CHEXP[1].Enable);
    SetGroupUsable(st, kUsaGroup, false);
    EXPECT_FALSE(st.UsableGroups[kUsaGroup].Enable);
}

TEST(GridRows, MarineRowUsesTheReportConverters) {
    ChannelRecord ch;
    ch.BaseCh = 16;
    ch.Duplex = 0;
    ch.TxEnable = true;
    ch.LowPower = true;
    ch.ChTag = "DISTRESS";
    const auto row = MarineGridRow(ch);
    ASSERT_EQ(row.size(), MarineGridTitles().size());
    EXPECT_EQ(row, (std::vector<std::string>{"16", "156.800", "156.800", "TX", "LOW", "--", "TX SIMP", "---", "--",
                                             "DISTRESS"}));
    ch.TxDisabled = true;
    EXPECT_EQ(MarineGridRow(ch)[2], "---.---");
}

TEST(GridRows, ExpansionRowHasTheEightColumns) {
    ChannelRecord ch;
    ch.Enable = true;
    ch.CHDisplayL = "A1";
    ch.CHDisplayR = "B2";
    ch.Rxfreq = 155.5;
    const auto row = ExpansionGridRow(ch, 7);
    ASSERT_EQ(row.size(), ExpansionGridTitles().size());
    EXPECT_EQ(row[0], "7");
    EXPECT_EQ(row[1], "ENABLE");
    EXPECT_EQ(row[3], "155.5000");
    EXPECT_EQ(row[4], "---.----");
}

TEST(EditedChannel, KeysNameTheirRecords) {
    RadioSettings st;
    struct Case {
        ScreenChoice choice;
        ChannelRecord* expected;
    };
    const Case cases[] = {
        {{ScreenKind::LmrChannel, -1, 1}, &st.CHEXP[0]},
        {{ScreenKind::ExpChannel, -1, 40}, &st.CHEXP[39]},
        {{ScreenKind::ExpChannel, -1, 41}, nullptr},
        {{ScreenKind::RgChannel, -1, 8}, &st.CHRG[7]},
        {{ScreenKind::RgChannel, -1, 0}, nullptr},
        {{ScreenKind::MarineChannel, kCanGroup, 3}, &st.CHCAN[2]},
        {{ScreenKind::MarineGrid, kCanGroup, 3}, nullptr},
    };
    for (const Case& c : cases) EXPECT_EQ(EditedChannel(st, c.choice), c.expected);
}

// Programs a session's image and reads it back, as a radio would keep it.
RadioSession ThroughTheImage(RadioSession s) {
    EncodeImage(s);
    DecodeImage(s);
    return s;
}

TEST(ChannelEnable, OnModel5TickingClaimsTheRecordForTheNodesGroup) {
    struct Case {
        int model;
        ScreenKind node;
        bool lmrExpBefore, lmrExpAfter, markedLmr, markedExp;
    } cases[] = {
        {5, ScreenKind::LmrChannel, false, true, true, false},
        {5, ScreenKind::ExpChannel, true, false, false, true},
        {2, ScreenKind::LmrChannel, false, false, true, true},  // one group only: the flag is left alone
        {0, ScreenKind::ExpChannel, true, true, true, true},
    };
    for (const Case& c : cases) {
        ChannelRecord ch;
        ch.LmrExp = c.lmrExpBefore;
        SetChannelEnable(c.model, c.node, ch, true);
        EXPECT_TRUE(ch.Enable);
        EXPECT_EQ(ch.LmrExp, c.lmrExpAfter) << c.model;
        EXPECT_EQ(EnabledInGroup(c.model, ch, true), c.markedLmr) << c.model;
        EXPECT_EQ(EnabledInGroup(c.model, ch, false), c.markedExp) << c.model;
        EXPECT_TRUE(EnableBoxShown(c.model, c.node, ch));
        SetChannelEnable(c.model, c.node, ch, false);
        EXPECT_FALSE(EnableBoxShown(c.model, c.node, ch));
        EXPECT_EQ(ch.LmrExp, c.lmrExpAfter) << "unticking keeps the group";
    }
}

TEST(GroupBoxes, ShowAndChangeOnlyWhatTheRadioKeeps) {
    for (const bool lmr : {false, true}) {
        RadioSession s = FreshSession(5);
        ChannelRecord& ch = s.settings.CHEXP[0];
        const ScreenKind node = lmr ? ScreenKind::LmrChannel : ScreenKind::ExpChannel;
        SetChannelEnable(5, node, ch, true);
        ch.Rxfreq = ch.Txfreq = 156.0;
        EXPECT_EQ(GroupBoxesUsable(5, node, ch), !lmr);
        SetChannelGroup(ch, kUsaGroup, true);
        SetChannelGroup(ch, kCanGroup, false);
        EXPECT_EQ(GroupBoxTicked(ch, kUsaGroup), !lmr);
        const ChannelRecord read = ThroughTheImage(s).settings.CHEXP[0];
        EXPECT_EQ(read.UsaGroup, GroupBoxTicked(ch, kUsaGroup)) << "the box shows what is programmed";
        EXPECT_EQ(read.CanGroup, GroupBoxTicked(ch, kCanGroup));
        EXPECT_EQ(read.LmrExp, lmr);
    }
    ChannelRecord off;
    off.Enable = false;
    EXPECT_FALSE(GroupBoxesUsable(0, ScreenKind::ExpChannel, off)) << "a disabled channel's boxes are locked";
    off.LmrExp = off.UsaGroup = true;
    EXPECT_TRUE(GroupBoxTicked(5, ScreenKind::LmrChannel, off, kUsaGroup)) << "not programmed: the flag as stored";
    off.Enable = true;
    EXPECT_FALSE(GroupBoxTicked(5, ScreenKind::LmrChannel, off, kUsaGroup)) << "an LMR channel is in no group";
}

TEST(DuplexBox, SwitchesSimplexSidesAndLeavesDuplexModesAndReceiveOnlyChannelsAlone) {
    struct Case {
        int before;
        bool ticked;
        int after;
        bool usable;
        uint16_t mask = 0xFFFF;
    } cases[] = {{0, true, 1, true}, {1, false, 0, true}, {2, false, 2, false}, {3, true, 3, false}, {0, true, 0, false, 0}};
    for (const Case& c : cases) {
        ChannelRecord ch;
        ch.Duplex = static_cast<uint8_t>(c.before);
        ch.DuplexMask = c.mask;
        EXPECT_EQ(DuplexBoxUsable(ch), c.usable);
        SetDuplexBox(ch, c.ticked);
        EXPECT_EQ(ch.Duplex, c.after) << c.before;
    }
}

// The panel cannot give a receive-only channel another mode, edited or added
// (after a gap), and says so; any other channel takes the mode asked.
TEST(MarinePanel, AReceiveOnlyChannelKeepsItsPlansMode) {
    RadioSession s = FreshSession(5);
    s.settings.CHUSA[1].Enable = false;
    const int row70 = RowOfRecord(s.settings.CHUSA, 35);
    for (const auto& [row, adding, baseCh, kept] : {std::tuple{row70, false, 70, true}, std::tuple{0, true, 70, true},
                                                    std::tuple{row70, false, 16, false}}) {
        RadioSession t = s;
        MarinePanel panel = PanelFromChannel(t.settings.CHUSA[35]);
        panel.baseCh = baseCh;
        panel.duplex = 1;
        const PanelSaved saved = SaveMarinePanel(t.settings, kUsaGroup, row, adding, panel);
        const ChannelRecord& ch = t.settings.CHUSA[static_cast<size_t>(RecordOfRow(t.settings.CHUSA, saved.row))];
        EXPECT_EQ(ch.BaseCh, baseCh);
        EXPECT_EQ(ch.Duplex, kept ? 0 : 1) << row;
        EXPECT_EQ(saved.kept.has_value(), kept) << row;
    }
}

RadioSession ThroughTheFile(const RadioSession& s) {
    RadioSession read = FreshSession(s.model);
    ApplySettingsTable(read, SettingsTable::Parse(SettingsFileText(s)));
    return read;
}

TEST(TransmitBox, EveryChannelKindKeepsItsStateThroughTheRadioAndTheFile) {
    using Pick = ChannelRecord& (*)(RadioSettings&);
    const std::pair<const char*, Pick> kinds[] = {
        {"marine", [](RadioSettings& st) -> ChannelRecord& { return st.CHUSA[0]; }},
        {"LMR/EXP", [](RadioSettings& st) -> ChannelRecord& { return st.CHEXP[2]; }},
        {"RG", [](RadioSettings& st) -> ChannelRecord& { return st.CHRG[1]; }},
    };
    for (const auto& [kind, pick] : kinds)
        for (const bool low : {false, true})
            for (const bool on : {false, true, false}) {
                RadioSession s = FreshSession(5);
                ChannelRecord& ch = pick(s.settings);
                SetTransmit(ch, true);
                SetLowPowerOnly(ch, low);
                SetTransmit(ch, on);
                for (RadioSession read : {ThroughTheImage(s), ThroughTheFile(s)}) {
                    const ChannelRecord& back = pick(read.settings);
                    EXPECT_EQ(back.TxEnable, on) << kind;
                    if (&back == &read.settings.CHUSA[0]) {
                        EXPECT_EQ(back.TxDisabled, !on) << "the marine lists read it";
                    }
                    EXPECT_EQ(back.LowPower, on && low) << kind << ": a silent channel has no low power to keep";
                }
            }
    ChannelRecord silent;
    SetTransmit(silent, false);
    SetLowPowerOnly(silent, true);
    EXPECT_FALSE(silent.LowPower) << "code 0 carries no low power";
}

// The lock itself is checked on the channel screen; here the day it is judged by.
TEST(BandwidthFor, AWideLandMobileChannelIsLockedNarrowOnlyAfterTheDeadline) {
    ChannelRecord ch;
    ch.Enable = ch.LmrExp = true;
    ch.Txfreq = 155.0;
    EXPECT_TRUE(BandwidthFor(5, ch, kTestToday).forceNarrow);
    EXPECT_FALSE(BandwidthFor(5, ch, CivilDate{2012, 6, 1}).forceNarrow);
}

TEST(IncompleteChannels, NameTheEnabledChannelsTheRadioCouldNotUse) {
    RadioSession s = FreshSession(5);
    for (auto* list : {&s.settings.CHEXP}) for (auto& ch : *list) ch.Enable = false;
    for (auto& ch : s.settings.CHRG) ch.Enable = false;
    EXPECT_EQ(IncompleteChannels(s), "");
    s.settings.UsableGroups[kExpGroup].Enable = false;
    ChannelRecord& lmr = UseLmrChannel(s.settings, 2, 150.5);
    lmr.CHDisplayL = "  ";
    ChannelRecord& exp = s.settings.CHEXP[4];  // its group is off: the radio gets it disabled
    exp.Enable = true;
    exp.LmrExp = false;
    ChannelRecord& rg = s.settings.CHRG[1];
    rg.Enable = true;
    rg.Rxfreq = 0;
    rg.CHDisplayL = "R ";
    EXPECT_EQ(IncompleteChannels(s), "LMR CH 3, RG CH 2");
    lmr.CHDisplayL = "3 ";
    rg.Rxfreq = 160.0;
    EXPECT_EQ(IncompleteChannels(s), "");
}

TEST(DcsEntries, OfferBothDcsModesSoStoredCodesSurvive) {
    const auto entries = DcsEntries();
    ASSERT_EQ(entries.size(), 209u);
    EXPECT_EQ(entries[1].text, "023N");
    EXPECT_EQ(entries[105], (ListEntry{"023I", 105}));
    EXPECT_EQ(EntryPosition(entries, 208), 208);
}

}  // namespace
}  // namespace kv::test
