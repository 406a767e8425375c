#include <gtest/gtest.h>

#include "editor/screen_tree.h"
#include "support/sessions.h"

namespace kv {
namespace {

std::vector<std::string> Keys(const std::vector<ScreenNode>& nodes) {
    std::vector<std::string> keys;
    for (const ScreenNode& n : nodes) keys.push_back(n.key);
    return keys;
}

const ScreenNode& Top(const std::vector<ScreenNode>& tree, const std::string& key) {
    const ScreenNode* node = FindNode(tree, key);
    EXPECT_NE(node, nullptr) << key;
    return *node;
}

RadioSession WithGroups(int model, bool usa, bool intl, bool can, bool lmr, bool exp) {
    RadioSession s = test::FreshSession(model);
    auto& g = s.settings.UsableGroups;
    g[kUsaGroup].Enable = usa;
    g[kIntlGroup].Enable = intl;
    g[kCanGroup].Enable = can;
    g[kLmrGroup].Enable = lmr;
    g[kExpGroup].Enable = exp;
    return s;
}

TEST(ScreenTree, ProgrammableChannelsFollowTheGroupsAndTheModel) {
    struct Case {
        int model;
        bool usa, intl, can;
        std::vector<std::string> keys;
    } cases[] = {
        {5, true, true, true, {"PU", "PI", "PC", "PW", "PR"}},
        {5, false, true, true, {"PI", "PC", "PW", "PR"}},
        {6, true, true, true, {"PU", "PI", "PC", "PR"}},
        {1, false, false, false, {"PW", "PR"}},
    };
    for (const Case& c : cases) {
        const auto tree = BuildScreenTree(WithGroups(c.model, c.usa, c.intl, c.can, false, false));
        EXPECT_EQ(Keys(Top(tree, "Program").children), c.keys) << "model " << c.model;
        EXPECT_EQ(Keys(tree), (std::vector<std::string>{"General", "Program"}));
    }
}

TEST(ScreenTree, GeneralHasItsThreeScreens) {
    const auto tree = BuildScreenTree(test::FreshSession(5));
    const ScreenNode& general = Top(tree, "General");
    EXPECT_EQ(general.caption, "General");
    ASSERT_EQ(general.children.size(), 3u);
    EXPECT_EQ(general.children[0].caption, "Available CH Group Setup");
    EXPECT_EQ(general.children[1].caption, "Common Setup");
    EXPECT_EQ(general.children[2].caption, "ATIS Setup");
}

TEST(ScreenTree, LmrAndExpGroupsNameTheirChannels) {
    RadioSession s = WithGroups(5, true, true, true, true, true);
    s.settings.CHEXP[0].Enable = true;
    s.settings.CHEXP[0].LmrExp = true;
    s.settings.CHEXP[1].Enable = true;
    s.settings.CHEXP[1].LmrExp = false;
    s.settings.CHEXP[1].ChTag = "HARBOR";
    const auto tree = BuildScreenTree(s);
    EXPECT_EQ(Keys(tree), (std::vector<std::string>{"General", "Program", "LMRChannel", "ExpChannel"}));
    const ScreenNode& lmr = Top(tree, "LMRChannel");
    EXPECT_EQ(lmr.caption, "LMR Channel");
    ASSERT_EQ(lmr.children.size(), 40u);
    // On model 5 a channel is marked only in the group its selector names.
    EXPECT_EQ(lmr.children[0].caption, "1[Enable]");
    EXPECT_EQ(lmr.children[1].caption, "2");
    EXPECT_EQ(lmr.children[39].key, "L40");
    const ScreenNode& exp = Top(tree, "ExpChannel");
    EXPECT_EQ(exp.children[0].caption, "1");
    EXPECT_EQ(exp.children[1].caption, "2[Enable]");
    EXPECT_EQ(lmr.children[1].name + exp.children[1].name, "HARBORHARBOR") << "the name beside the number";

    s.model = 1;
    EXPECT_EQ(Top(BuildScreenTree(s), "LMRChannel").caption, "EXP Channel");
    s.model = 6;
    EXPECT_EQ(Top(BuildScreenTree(s), "ExpChannel").children[0].caption, "1[Enable]");
}

TEST(ScreenTree, RgCaptionsShowTheSegmentDisplay) {
    RadioSession s = test::FreshSession(5);
    s.settings.CHRG[2].CHDisplayL = "B";
    s.settings.CHRG[2].CHDisplayR = "RT";
    s.settings.CHRG[2].ChTag = "MARINA";
    const auto tree = BuildScreenTree(s);
    const ScreenNode& rg = Top(tree, "PR");
    ASSERT_EQ(rg.children.size(), 8u);
    EXPECT_EQ(rg.children[2].caption, "RG3[b rt]");
    EXPECT_EQ(rg.children[2].key, "R3");
    EXPECT_EQ(rg.children[2].name, "MARINA");
}

TEST(ScreenTree, MarineGroupNodesListTheirChannelsByRecordNumber) {
    RadioSession s = WithGroups(5, true, false, false, false, false);
    for (auto& ch : s.settings.CHUSA) ch.Enable = false;
    s.settings.CHUSA[0] = ChannelRecord{};
    s.settings.CHUSA[0].Enable = true;
    s.settings.CHUSA[0].BaseCh = 16;
    s.settings.CHUSA[1] = s.settings.CHUSA[0];
    s.settings.CHUSA[1].BaseCh = 22;
    s.settings.CHUSA[1].StatusIcon = "A";
    s.settings.CHUSA[1].ChTag = "CALLING";
    const auto tree = BuildScreenTree(s);
    const ScreenNode& usa = Top(tree, "PU");
    ASSERT_EQ(usa.children.size(), 2u);
    EXPECT_EQ(usa.children[0].caption, "16");
    EXPECT_EQ(usa.children[1].caption, "22A");
    EXPECT_EQ(usa.children[1].key, "PU2");
    EXPECT_EQ(usa.children[1].name, "CALLING");
    const ScreenChoice choice = ScreenForNode(usa.children[1].key, usa.key);
    EXPECT_EQ(choice.kind, ScreenKind::MarineChannel);
    EXPECT_EQ(choice.index, 2);
}

TEST(ScreenForNode, KeysChooseScreensInAnyCase) {
    struct Case {
        std::string key, parent;
        ScreenKind kind;
        int group, index;
    } cases[] = {
        {"General", "", ScreenKind::General, -1, -1},  {"Program", "", ScreenKind::Empty, -1, -1},
        {"LMRChannel", "", ScreenKind::LmrGrid, -1, -1}, {"expchannel", "", ScreenKind::ExpGrid, -1, -1},
        {"Other", "", ScreenKind::General, -1, -1},    {"Usable", "General", ScreenKind::Usable, -1, -1},
        {"common", "GENERAL", ScreenKind::Common, -1, -1}, {"ATIS", "General", ScreenKind::Atis, -1, -1},
        {"PI", "Program", ScreenKind::MarineGrid, kIntlGroup, -1}, {"PW", "Program", ScreenKind::WeatherGrid, -1, -1},
        {"PU12", "PU", ScreenKind::MarineChannel, kUsaGroup, 12}, {"PC3", "pc", ScreenKind::MarineChannel, kCanGroup, 3},
        {"R4", "PR", ScreenKind::RgChannel, -1, 4},    {"L17", "LMRChannel", ScreenKind::LmrChannel, -1, 17},
        {"E40", "ExpChannel", ScreenKind::ExpChannel, -1, 40}, {"X", "Y", ScreenKind::Blank, -1, -1},
    };
    for (const Case& c : cases) {
        const ScreenChoice choice = ScreenForNode(c.key, c.parent);
        EXPECT_EQ(choice.kind, c.kind) << c.key;
        EXPECT_EQ(choice.group, c.group) << c.key;
        EXPECT_EQ(choice.index, c.index) << c.key;
    }
    EXPECT_EQ(JumpKey(ScreenKind::RgGrid, 3), "R3");
    EXPECT_EQ(JumpKey(ScreenKind::LmrGrid, 12), "L12");
    EXPECT_EQ(JumpKey(ScreenKind::ExpGrid, 1), "E1");
}

}  // namespace
}  // namespace kv
