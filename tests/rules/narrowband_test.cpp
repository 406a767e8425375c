#include <gtest/gtest.h>

#include "rules/narrowband.h"
#include "support/sessions.h"

namespace kv {
namespace {

constexpr CivilDate kBefore{2012, 12, 31};
constexpr CivilDate kOnTheDay{2013, 1, 1};

RadioSession WithLmrChannel(double txfreq, CivilDate today, int model = 5) {
    RadioSession s;
    s.model = model;
    s.today = [today] { return today; };
    test::UseLmrChannel(s.settings, 4, txfreq);
    return s;
}

TEST(ChannelWideStatus, TheBandIncludesBothEnds) {
    const std::pair<double, WideStatus> cases[] = {
        {150.0, kWideAfterDeadline}, {174.0, kWideAfterDeadline}, {162.0, kWideAfterDeadline},
        {149.995, kNotWide},         {174.005, kNotWide},         {0.0, kNotWide},
    };
    for (const auto& [mhz, status] : cases) {
        const RadioSession s = WithLmrChannel(mhz, kOnTheDay);
        EXPECT_EQ(ChannelWideStatus(5, s.settings.CHEXP[4], kOnTheDay), status) << mhz;
    }
}

TEST(ChannelWideStatus, OnlyLandMobileChannelsOfModelFiveAreCaught) {
    RadioSession s = WithLmrChannel(155.0, kBefore);
    EXPECT_EQ(ChannelWideStatus(5, s.settings.CHEXP[4], kBefore), kWideBeforeDeadline);
    EXPECT_EQ(ChannelWideStatus(6, s.settings.CHEXP[4], kBefore), kNotWide);
    s.settings.CHEXP[4].LmrExp = false;
    EXPECT_EQ(ChannelWideStatus(5, s.settings.CHEXP[4], kBefore), kNotWide);
}

TEST(FindWideStatus, IgnoresNarrowDisabledChannelsAndAnUnusableGroup) {
    RadioSession s = WithLmrChannel(155.0, kOnTheDay);
    EXPECT_EQ(FindWideStatus(s), kWideAfterDeadline);
    s.settings.CHEXP[4].Narrow = true;
    EXPECT_EQ(FindWideStatus(s), kNotWide);
    s.settings.CHEXP[4].Narrow = false;
    s.settings.CHEXP[4].Enable = false;
    EXPECT_EQ(FindWideStatus(s), kNotWide);
    MakeWideChannelsNarrow(s);
    EXPECT_FALSE(s.settings.CHEXP[4].Narrow) << "a disabled channel is not converted";
    s.settings.CHEXP[4].Enable = true;
    s.settings.UsableGroups[kLmrGroup].Enable = false;
    EXPECT_EQ(FindWideStatus(s), kNotWide);
}

TEST(CheckBeforeDownload, BeforeTheDeadlineNoKeepsTheDataAndWritesAnyway) {
    RadioSession s = WithLmrChannel(155.0, kBefore);
    ScriptedPrompt prompt({Answer::No});
    EXPECT_EQ(CheckBeforeDownload(s, prompt, "Download"), Answer::Yes);
    EXPECT_FALSE(s.settings.CHEXP[4].Narrow);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].caption, "Download");
    EXPECT_EQ(prompt.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompt.shown()[0].text,
              "FCC Rule Caution!\r\n\r\n"
              "Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.\r\n"
              "After Jan.1, 2013, You must change their CHs to Narrow bandwidth.\r\n\r\n"
              "Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?\r\n"
              "    Yes : It will be change the bandwidth into Narrow and start downloading.\r\n"
              "    No : It will start downloading (w/o changing the bandwidth)");
    ScriptedPrompt yes({Answer::Yes});
    EXPECT_EQ(CheckBeforeDownload(s, yes, "Download"), Answer::Yes);
    EXPECT_TRUE(s.settings.CHEXP[4].Narrow);
}

TEST(CheckBeforeDownload, AfterTheDeadlineConvertsEvenWhenTheAnswerIsNo) {
    RadioSession s = WithLmrChannel(155.0, kOnTheDay);
    ScriptedPrompt prompt({Answer::No});
    EXPECT_EQ(CheckBeforeDownload(s, prompt, "Download"), Answer::No);
    EXPECT_TRUE(s.settings.CHEXP[4].Narrow);
    EXPECT_NE(prompt.shown()[0].text.find(
                  "\r\n\r\nYour Data was changed Wide CHs to Narrow, and Do you start downloading them?"),
              std::string::npos);
}

TEST(CheckAfterChange, TellsAndConvertsOnlyAfterTheDeadline) {
    RadioSession before = WithLmrChannel(155.0, kBefore);
    ScriptedPrompt quiet;
    CheckAfterChange(before, quiet, "Upload");
    EXPECT_TRUE(quiet.shown().empty());
    EXPECT_FALSE(before.settings.CHEXP[4].Narrow);

    RadioSession after = WithLmrChannel(155.0, kOnTheDay);
    ScriptedPrompt prompt;
    CheckAfterChange(after, prompt, "Save");
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0],
              (Message{"FCC Rule Caution!\r\n\r\n"
                       "After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.\r\n\r\n"
                       "Your Data was changed Wide CHs to Narrow.",
                       "Save", MessageIcon::Information, Buttons::Ok}));
    EXPECT_TRUE(after.settings.CHEXP[4].Narrow);
}

TEST(NarrowbandRule, OtherModelsNeverShowAMessage) {
    for (int model : {0, 1, 2, 3, 4, 6}) {
        RadioSession s = WithLmrChannel(155.0, kOnTheDay, model);
        ScriptedPrompt prompt;
        EXPECT_EQ(CheckBeforeDownload(s, prompt, "Download"), Answer::Yes);
        CheckAfterChange(s, prompt, "Upload");
        EXPECT_TRUE(prompt.shown().empty()) << model;
    }
}

}  // namespace
}  // namespace kv
