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
