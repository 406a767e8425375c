#include <gtest/gtest.h>

#include "rules/channel_lists.h"
#include "support/sessions.h"

namespace kv {
namespace {

MarinePanel Panel(int baseCh, const std::string& name) {
    MarinePanel panel;
    panel.baseCh = baseCh;
    panel.power = PanelPower::High;
    panel.name = name;
    return panel;
}

TEST(MarineLists, AGridOf127ChannelsTakesNoMore) {
    RadioSession s = test::FreshSession(5);
    EXPECT_TRUE(CanAddMarineChannel(s.settings.CHUSA));
    for (int i = 0; i < kMaxMarineRows - 1; ++i) s.settings.CHUSA[static_cast<size_t>(i)].Enable = true;
    EXPECT_TRUE(CanAddMarineChannel(s.settings.CHUSA)) << "126 rows";
    s.settings.CHUSA[kMaxMarineRows - 1].Enable = true;
    EXPECT_FALSE(CanAddMarineChannel(s.settings.CHUSA)) << "127 rows";
}

TEST(MarineLists, AddingAfterRowThreePutsTheChannelIntoRecordThree) {
    RadioSession s = test::FreshSession(5);
    MarineGroup& usa = s.settings.CHUSA;
    const MarineGroup before = usa;
    InsertMarineChannel(usa, 2, Panel(72, "NEW"));
    EXPECT_EQ(usa[3].ChTag, "NEW");
    EXPECT_EQ(usa[3].BaseCh, 72);
    EXPECT_TRUE(usa[3].Enable);
    EXPECT_EQ(usa[3].Position, 3) << "the slot keeps its position";
    EXPECT_EQ(usa[2], before[2]);
    for (int j = 3; j < kMarineSlots - 1; ++j) {
        EXPECT_EQ(usa[static_cast<size_t>(j) + 1].ChTag, before[static_cast<size_t>(j)].ChTag) << j;
        EXPECT_EQ(usa[static_cast<size_t>(j) + 1].Position, j + 1);
    }
}

TEST(MarineLists, DeletingMovesTheRestUpAndEmptiesTheLastSlot) {
    RadioSession s = test::FreshSession(5);
    MarineGroup& usa = s.settings.CHUSA;
    usa[127].Enable = true;
    usa[127].ChTag = "LAST";
    const MarineGroup before = usa;
    ASSERT_TRUE(DeleteMarineChannel(usa, 5));
    for (int j = 5; j < kMarineSlots - 1; ++j) {
        EXPECT_EQ(usa[static_cast<size_t>(j)].ChTag, before[static_cast<size_t>(j) + 1].ChTag) << j;
        EXPECT_EQ(usa[static_cast<size_t>(j)].Position, j);
    }
    EXPECT_EQ(usa[126].ChTag, "LAST");
    const ChannelRecord& empty = usa[127];
    EXPECT_FALSE(empty.Enable);
    EXPECT_TRUE(empty.TxEnable);
    EXPECT_FALSE(empty.TxDisabled);
    EXPECT_EQ(empty.DuplexMask, 0xFFFF);
    EXPECT_EQ(empty.Position, 127);
}

TEST(MarineLists, AGroupKeepsItsOnlyEnabledChannel) {
    RadioSession s = test::FreshSession(5);
    MarineGroup& usa = s.settings.CHUSA;
    for (ChannelRecord& ch : usa) ch.Enable = false;
    usa[4].Enable = true;
    const MarineGroup before = usa;
    EXPECT_FALSE(DeleteMarineChannel(usa, 4));
    EXPECT_EQ(usa, before);
}

TEST(MarineLists, ThePanelShowsAndWritesARecord) {
    struct Case {
        PanelPower power;
        bool txEnable;
        bool lowPower;
        int txPower;
    };
    const Case cases[] = {{PanelPower::Off, false, false, 0}, {PanelPower::High, true, false, 3}, {PanelPower::Low, true, true, 1}};
    for (const auto& c : cases) {
        MarinePanel panel = Panel(16, "DISTRESS");
        panel.power = c.power;
        panel.statusNo = 1;
        panel.statusIcon = 2;
        panel.duplex = 2;
        ChannelRecord ch;
        WritePanel(panel, ch);
        EXPECT_EQ(ch.TxEnable, c.txEnable);
        EXPECT_EQ(ch.TxDisabled, !c.txEnable);
        EXPECT_EQ(ch.LowPower, c.lowPower);
        EXPECT_EQ(ch.TXPower, c.txPower);
        EXPECT_EQ(ch.StatusNo, "10");
        EXPECT_EQ(ch.StatusIcon, "B");
        const MarinePanel shown = PanelFromChannel(ch);
        EXPECT_EQ(shown.power, c.power);
        EXPECT_EQ(shown.statusNo, 1);
        EXPECT_EQ(shown.statusIcon, 2);
        EXPECT_EQ(shown.duplex, 2);
        EXPECT_EQ(shown.name, "DISTRESS");
    }
}

TEST(ChannelTones, ATonesChoiceClearsTheOtherKindOfTheSameDirection) {
    ChannelRecord ch;
    ch.TxDCS = 150;  // a code of the second DCS mode
    ch.RxDCS = 20;
    SelectCtcss(ch, true, 12);
    EXPECT_EQ(ch.TxCTCSS, 12);
    EXPECT_EQ(ch.TxDCS, 0);
    EXPECT_EQ(ch.RxDCS, 20) << "the other direction is left";
    SelectDcs(ch, true, 30);
    EXPECT_EQ(ch.TxDCS, 30);
    EXPECT_EQ(ch.TxCTCSS, 0);
    SelectCtcss(ch, false, 0);
    EXPECT_EQ(ch.RxDCS, 20) << "choosing Off clears nothing";
}

}  // namespace
}  // namespace kv
