// The report's behaviour on the cases its layout tables single out.
#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "image/defaults.h"

namespace kv {
namespace {

RadioSession Defaults(int model) {
    RadioSession s;
    s.model = model;
    s.today = [] { return CivilDate{2026, 1, 15}; };
    ResetToDefaults(s);
    return s;
}

bool HasLine(const std::string& report, const std::string& line) {
    return report.find("\r\n" + line + "\r\n") != std::string::npos;
}

// The row of a list whose line starts with the given label cell.
std::string RowStartingWith(const std::string& report, const std::string& start) {
    const size_t at = report.find("\r\n" + start);
    if (at == std::string::npos) return "";
    return report.substr(at + 2, report.find("\r\n", at + 2) - at - 2);
}

TEST(Report, EveryLineBreakIsCrLfAndTheTextBeginsWithOne) {
    for (int model = 0; model < kModelCount; ++model) {
        const std::string report = BuildReport(Defaults(model));
        ASSERT_GE(report.size(), 2u);
        EXPECT_EQ(report.substr(0, 2), "\r\n") << model;
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), std::count(report.begin(), report.end(), '\r'));
        for (size_t i = report.find('\n'); i != std::string::npos; i = report.find('\n', i + 1))
            ASSERT_EQ(report[i - 1], '\r') << model << " at " << i;
    }
}

TEST(Report, TheSavedFileIsThePreviewTextAndOneLineBreak) {
    const RadioSession s = Defaults(5);
    EXPECT_EQ(ReportFileText(s), BuildReport(s) + "\r\n");
}

TEST(Report, SectionsFollowTheUsableGroupsAndTheModel) {
    RadioSession s = Defaults(5);
    s.settings.UsableGroups[kIntlGroup].Enable = false;
    const std::string report = BuildReport(s);
    EXPECT_FALSE(HasLine(report, "##### Programable International Channel #####"));
    EXPECT_TRUE(HasLine(report, "##### Programable USA Channel #####"));
    EXPECT_TRUE(HasLine(report, "##### Programable Wx Channel #####"));
    EXPECT_FALSE(HasLine(report, "##### ATIS Setup (Common) #####"));

    const std::string dsc = BuildReport(Defaults(3));
    EXPECT_TRUE(HasLine(dsc, "##### DSC Setup (Basic Setup) #####"));
    EXPECT_TRUE(HasLine(dsc, "##### Memory ID Setting #####"));
    EXPECT_FALSE(HasLine(dsc, "##### ATIS Setup (Call Sign) #####"));
    EXPECT_FALSE(HasLine(dsc, "##### Programable Wx Channel #####"));
}

TEST(Report, MarineChannelLabelJoinsPrefixNumberAndSuffix) {
    RadioSession s = Defaults(5);
    ChannelRecord& ch = s.settings.CHUSA[0];
    ch.StatusNo = "10";
    ch.BaseCh = 16;
    ch.StatusIcon = "A";
    EXPECT_EQ(RowStartingWith(BuildReport(s), "1016A  "), "1016A  156.800  156.800  TX  ---  --  TX SIMP      ---  --  VTS         ");
}

TEST(Report, DisabledMarineChannelsAreLeftOutAndDisabledWeatherChannelsShown) {
    RadioSession s = Defaults(5);
    s.settings.UsableGroups[kIntlGroup].Enable = s.settings.UsableGroups[kCanGroup].Enable = false;
    s.settings.CHUSA[13].Enable = false;  // channel 16
    s.settings.CHWX[4].Enable = false;
    const std::string report = BuildReport(s);
    EXPECT_EQ(RowStartingWith(report, "16 "), "");
    EXPECT_EQ(RowStartingWith(report, "5   "), "5   ------  ---              ");
}

TEST(Report, ChannelNumbersOutsideTheFrequencyTableHaveNoFrequencies) {
    RadioSession s = Defaults(5);
    s.settings.CHUSA[0].BaseCh = 255;
    s.settings.CHUSA[1].Duplex = 7;  // a value only a damaged file can give
    const std::string report = BuildReport(s);
    EXPECT_EQ(RowStartingWith(report, "255A").substr(7, 18), "---.---  ---.---  ");
    EXPECT_EQ(RowStartingWith(report, "03A").substr(7, 18), "---.---  ---.---  ");
}

struct PriorityCase {
    int32_t priority;
    const char* shown;
};

// The base channel of the slot is shown, without prefix or suffix.
TEST(Report, MarinePriorityNamesTheSlotBeforeItOrNoChannel) {
    const PriorityCase cases[] = {
        {1, "01"}, {14, "16"}, {54, "88"}, {128, "00"},  // slot 127 is an empty slot of channel 0
        {0, "Off"}, {129, "Off"}, {239, "Off"}, {240, "1LMR"}, {0xFFFF, "Off"}, {-1, "Off"},
    };
    for (const PriorityCase& c : cases) {
        RadioSession s = Defaults(5);
        s.settings.UsableGroups[kUsaGroup].PriorityCh = c.priority;
        const std::string row = RowStartingWith(BuildReport(s), "Priority CH");
        const std::string usa = row.substr(35, 18);
        EXPECT_EQ(usa.substr(0, usa.find(' ')), c.shown) << c.priority;
    }
}

TEST(Report, ExpListsShowGroupUseAndTheLmrListOnlyItsOwnChannels) {
    RadioSession s = Defaults(5);
    ChannelRecord& lmr = s.settings.CHEXP[0];
    lmr.Enable = lmr.LmrExp = lmr.UsaGroup = true;
    ChannelRecord& exp = s.settings.CHEXP[1];
    exp.Enable = true;
    exp.LmrExp = false;
    exp.UsaGroup = exp.CanGroup = true;
    exp.IntGroup = false;
    s.settings.UsableGroups[kLmrGroup].Enable = s.settings.UsableGroups[kExpGroup].Enable = true;
    const std::string report = BuildReport(s);
    const size_t lmrList = report.find("##### Programable LMR Channel #####");
    const size_t expList = report.find("##### Programable EXP Channel #####");
    ASSERT_NE(lmrList, std::string::npos);
    ASSERT_NE(expList, std::string::npos);
    const std::string lmrRows = report.substr(lmrList, expList - lmrList);
    const std::string expRows = report.substr(expList);
    EXPECT_EQ(RowStartingWith(lmrRows, "1 ").substr(10, 8), "ENABLE  ");
    EXPECT_EQ(RowStartingWith(lmrRows, "2 ").substr(10, 8), "------  ");
    EXPECT_EQ(RowStartingWith(expRows, "1 ").substr(10, 15), "---  ---  ---  ");
    EXPECT_EQ(RowStartingWith(expRows, "2 ").substr(10, 15), "USE  ---  USE  ");
}

}  // namespace
}  // namespace kv
