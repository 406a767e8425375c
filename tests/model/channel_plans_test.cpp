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

// The plans' own channels (designations, tags, power, Duplex) are in the
// golden settings files; the slots past a plan must take any Duplex a
// settings file or the editor gives them.
TEST(ChannelPlans, SlotsPastThePlanAreEmptyAndFreeToEdit) {
    RadioSettings s;
    BuildAllChannelPlans(s);
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < kMarineSlots; ++i) {
            const ChannelRecord& ch = s.Marine(g)[i];
            EXPECT_EQ(ch.Enable, i < PlanSize(g)) << g << ":" << i;
            if (i < PlanSize(g)) continue;
            EXPECT_FALSE(ch.TxDisabled) << g << ":" << i;
            EXPECT_EQ(ch.DuplexMask, 0xFFFF) << g << ":" << i;
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
        EXPECT_TRUE(ch.TxDisabled) << c.channel;
        EXPECT_EQ(ch.DuplexMask, 0) << c.channel << ": a settings file cannot give them another Duplex";
    }
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
                          {59, 158.950, 163.550, "59"},
                          {60, 156.025, 160.625, "60"},
                          {119, 158.975, 163.575, "119"}};
    for (const auto& c : cases) {
        EXPECT_NEAR(t[c.k].ship, c.ship, 1e-9) << c.k;
        EXPECT_NEAR(t[c.k].coast, c.coast, 1e-9) << c.k;
        EXPECT_EQ(t[c.k].text, c.text);
    }
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
