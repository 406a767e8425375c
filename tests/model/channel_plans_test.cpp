#include <gtest/gtest.h>

#include <cstdio>

#include "model/channel_plans.h"
#include "model/tones.h"

namespace kv {
namespace {

std::string Designation(const ChannelRecord& ch) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", ch.BaseCh);
    return ch.StatusNo + number + ch.StatusIcon;
}

TEST(ChannelPlans, LayDownTheirChannelsAndLeaveTheRestEmpty) {
    RadioSettings s;
    BuildAllChannelPlans(s);
    const int sizes[] = {54, 65, 63};
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(PlanSize(g), sizes[g]);
        for (int i = 0; i < kMarineSlots; ++i) {
            const ChannelRecord& ch = s.Marine(g)[i];
            EXPECT_EQ(ch.Position, i);
            EXPECT_EQ(ch.Enable, i < sizes[g]) << g << ":" << i;
            if (i >= sizes[g]) {
                EXPECT_TRUE(ch.TxEnable);
                EXPECT_FALSE(ch.TxDisabled);
                EXPECT_EQ(ch.DuplexMask, 0xFFFF);
                EXPECT_EQ(ch.BaseCh, 0);
                EXPECT_EQ(ch.ChTag, "");
            }
        }
    }
}

TEST(ChannelPlans, ReceiveOnlyChannelsCannotTransmit) {
    RadioSettings s;
    BuildAllChannelPlans(s);
    struct Case {
        int group, slot;
        const char* channel;
    };
    const Case cases[] = {{0, 12, "15"}, {0, 35, "70"}, {1, 42, "70"}, {2, 43, "70"}, {2, 21, "21B"}};
    for (const auto& c : cases) {
        const ChannelRecord& ch = s.Marine(c.group)[c.slot];
        EXPECT_EQ(Designation(ch), c.channel);
        EXPECT_FALSE(ch.TxEnable);
        EXPECT_TRUE(ch.TxDisabled);
        EXPECT_EQ(ch.DuplexMask, 0) << "a settings file cannot give them another Duplex";
        EXPECT_EQ(ch.TXPower, 0);
    }
    EXPECT_EQ(s.CHCAN[21].Duplex, 2) << "the CMB SERVICE channels keep their plan Duplex";
}

TEST(ChannelPlans, TransmittingChannelsGetARealPowerLevel) {
    RadioSettings s;
    BuildAllChannelPlans(s);
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < PlanSize(g); ++i) {
            const ChannelRecord& ch = s.Marine(g)[i];
            if (!ch.TxEnable) continue;
            EXPECT_EQ(ch.TXPower, ch.LowPower ? 1 : 3) << g << ":" << i;
        }
    EXPECT_EQ(s.CHUSA[13].ChTag, "DISTRESS");
    EXPECT_EQ(s.CHUSA[13].TXPower, 3) << "channel 16 must be able to transmit";
}

TEST(ChannelPlans, DesignationsTagsAndFlagsFollowTheTables) {
    RadioSettings s;
    BuildAllChannelPlans(s);
    EXPECT_EQ(Designation(s.CHINT[19]), "1019");
    EXPECT_EQ(s.CHINT[19].BaseCh, 19);
    EXPECT_EQ(s.CHINT[19].Duplex, 0);
    EXPECT_EQ(Designation(s.CHINT[20]), "2019");
    EXPECT_EQ(s.CHINT[20].Duplex, 1);
    EXPECT_EQ(Designation(s.CHUSA[4]), "07A");
    EXPECT_EQ(s.CHUSA[3].ChTag, "SAFTY");
    EXPECT_EQ(s.CHINT[5].ChTag, "SAFETY");
    EXPECT_EQ(s.CHCAN[5].ChTag, "SAFETY");
    EXPECT_TRUE(s.CHUSA[10].LowPower);
    EXPECT_TRUE(s.CHUSA[10].PowUp);
    EXPECT_TRUE(s.CHUSA[14].LowPower);
    EXPECT_FALSE(s.CHUSA[14].PowUp);
    EXPECT_EQ(Designation(s.CHUSA[53]), "88A");
    EXPECT_EQ(Designation(s.CHCAN[62]), "88");
    EXPECT_EQ(s.CHINT[1].ChTag, "TELEPHONE");
    EXPECT_EQ(s.CHINT[1].Duplex, 2);
}

TEST(ChannelPlans, RebuildingKeepsFieldsThePlanDoesNotSet) {
    RadioSettings s;
    s.CHUSA[0].ScanMemory = true;
    s.CHUSA[100].ChTag = "KEPT";
    BuildChannelPlan(s, 0);
    EXPECT_TRUE(s.CHUSA[0].ScanMemory);
    EXPECT_EQ(s.CHUSA[100].ChTag, "KEPT");
}

TEST(MarineFrequencyTable, IsBuiltByRule) {
    const auto& t = MarineFrequencyTable();
    struct Case {
        int k;
        double ship;
        double coast;
        const char* text;
    };
    const Case cases[] = {{0, 156.000, 160.600, "00"},
                          {1, 156.050, 160.650, "01"},
                          {59, 158.950, 163.550, "59"},
                          {60, 156.025, 160.625, "60"},
                          {88, 157.425, 162.025, "88"},
                          {119, 158.975, 163.575, "119"}};
    for (const auto& c : cases) {
        EXPECT_NEAR(t[c.k].ship, c.ship, 1e-9) << c.k;
        EXPECT_NEAR(t[c.k].coast, c.coast, 1e-9) << c.k;
        EXPECT_EQ(t[c.k].text, c.text);
        EXPECT_EQ(t[c.k].duplexMask, 0xFFFF);
    }
}

TEST(WeatherChannels, AreTenEnabledRecordsNumberedFromOne) {
    RadioSettings s;
    BuildWeatherChannels(s);
    for (int i = 0; i < kWeatherChannels; ++i) {
        EXPECT_EQ(s.CHWX[i].Position, i + 1);
        EXPECT_TRUE(s.CHWX[i].Enable);
    }
    EXPECT_STREQ(WeatherList()[0].label, "WX01[162.550MHz]");
    EXPECT_STREQ(WeatherList()[9].text, "163.275MHZ");
    EXPECT_DOUBLE_EQ(WeatherList()[7].mhz, 161.650);
}

TEST(ToneLists, ShowOffAndTheirTexts) {
    std::vector<std::string> ctcss, dcs;
    BuildCtcssList(ctcss);
    BuildDcsList(dcs);
    ASSERT_EQ(ctcss.size(), 51u);
    ASSERT_EQ(dcs.size(), 105u);
    const std::pair<int, const char*> ctcssCases[] = {{0, "Off"}, {1, "67.0Hz"}, {13, "100.0Hz"}, {50, "254.1Hz"}};
    for (const auto& [i, text] : ctcssCases) EXPECT_EQ(ctcss[i], text);
    const std::pair<int, const char*> dcsCases[] = {{0, "Off"}, {1, "023"}, {64, "371"}, {65, "411"}, {104, "754"}};
    for (const auto& [i, text] : dcsCases) EXPECT_EQ(dcs[i], text);
}

TEST(ToneLists, DcsCodesAscendInOctal) {
    for (int i = 2; i < kDcsCount; ++i) {
        EXPECT_GT(DcsCode(i), DcsCode(i - 1));
        for (char digit : std::to_string(DcsCode(i))) EXPECT_LT(digit, '8') << "octal digits only";
    }
    for (int i = 2; i < kCtcssCount; ++i) EXPECT_GT(CtcssTenthsHz(i), CtcssTenthsHz(i - 1));
}

}  // namespace
}  // namespace kv
