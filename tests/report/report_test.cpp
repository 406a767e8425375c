// The report's behaviour on the cases its layout tables single out and the
// golden files do not reach.
#include "report/report.h"

#include <gtest/gtest.h>

#include "support/sessions.h"

namespace kv {
namespace {

RadioSession Defaults(int model) { return test::FreshSession(model); }

// The row of a list whose line starts with the given label cell.
std::string RowStartingWith(const std::string& report, const std::string& start) {
    const size_t at = report.find("\r\n" + start);
    if (at == std::string::npos) return "";
    return report.substr(at + 2, report.find("\r\n", at + 2) - at - 2);
}

TEST(Report, ADuplexOutsideItsCodesShowsNoFrequencies) {
    RadioSession s = Defaults(5);
    s.settings.CHUSA[1].Duplex = 7;  // a value only a damaged file can give
    EXPECT_EQ(RowStartingWith(BuildReport(s), "03A").substr(7, 18), "---.---  ---.---  ");
}

// The base channel of the slot is shown, without prefix or suffix.
TEST(Report, MarinePriorityNamesTheSlotBeforeItOrNoChannel) {
    const struct {
        int32_t priority;
        const char* shown;
    } cases[] = {
        {1, "01"}, {14, "16"}, {54, "88"}, {128, "00"},  // slot 127 is an empty slot of channel 0
        {0, "Off"}, {129, "Off"}, {239, "Off"}, {240, "1LMR"}, {0xFFFF, "Off"}, {-1, "Off"},
    };
    for (const auto& c : cases) {
        RadioSession s = Defaults(5);
        s.settings.UsableGroups[kUsaGroup].PriorityCh = c.priority;
        const std::string row = RowStartingWith(BuildReport(s), "Priority CH");
        const std::string usa = row.substr(35, 18);
        EXPECT_EQ(usa.substr(0, usa.find(' ')), c.shown) << c.priority;
    }
}

// Encoding clears the marine groups of an LMR channel; a session that still
// has them (a settings file may) must not show them in the EXP list.
TEST(Report, AnLmrChannelUsesNoMarineGroupInTheExpList) {
    RadioSession s = Defaults(5);
    ChannelRecord& lmr = s.settings.CHEXP[0];
    lmr.Enable = lmr.LmrExp = lmr.UsaGroup = lmr.CanGroup = true;
    s.settings.UsableGroups[kLmrGroup].Enable = s.settings.UsableGroups[kExpGroup].Enable = true;
    const std::string report = BuildReport(s);
    const size_t expList = report.find("##### Programable EXP Channel #####");
    ASSERT_NE(expList, std::string::npos);
    EXPECT_EQ(RowStartingWith(report.substr(expList), "1 ").substr(10, 15), "---  ---  ---  ");
}

}  // namespace
}  // namespace kv
