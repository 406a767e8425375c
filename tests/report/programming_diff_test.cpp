#include "report/programming_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "image/codec.h"
#include "support/sessions.h"

namespace kv {
namespace {

using test::FreshSession;

// A model's defaults in the form a radio holds them.
RadioSession Programmed(int model) {
    RadioSession s = FreshSession(model);
    AsProgrammed(s);
    return s;
}

struct Expected {
    std::string path;
    std::string line;
};

std::vector<Expected> ChangesOf(const ProgrammingDiff& diff) {
    std::vector<Expected> changes;
    for (const SettingChange& c : diff.changes) changes.push_back({c.path, c.line});
    return changes;
}

bool operator==(const Expected& a, const Expected& b) { return a.path == b.path && a.line == b.line; }
void PrintTo(const Expected& e, std::ostream* os) { *os << e.path << " | " << e.line; }

struct Case {
    const char* name;
    std::function<void(RadioSession&)> change;
    std::vector<Expected> expected;
};

TEST(ProgrammingDiff, NamesEachChangedSettingByItsPathAndForPeople) {
    const std::vector<Case> cases{
        {"a common setting",
         [](RadioSession& s) { s.settings.Common.SQL = 3; },
         {{"Common Setup.SQL", "Common Setup SQL: 15 -> 3"}}},
        {"a tone of an EXP channel",
         [](RadioSession& s) { s.settings.CHEXP[3].RxCTCSS = 12; },
         {{"CHEXP[3].RxCTCSS", "EXP channel 4 RX CTCSS: 0 -> 12"}}},
        {"a group switched off",
         [](RadioSession& s) { s.settings.UsableGroups[kCanGroup].Enable = false; },
         {{"Usable CH Group Setup[2].Enable", "Usable CH Group Setup 3 Enable: on -> off"}}},
    };
    RadioSession base = FreshSession(5);
    ChannelRecord& exp = base.settings.CHEXP[3];
    exp.Enable = true;
    exp.Rxfreq = exp.Txfreq = 155.5;
    AsProgrammed(base);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RadioSession before = base;
        RadioSession after = before;
        c.change(after);
        const ProgrammingDiff diff = DiffProgrammings(before, after);
        EXPECT_EQ(diff.error, "");
        EXPECT_EQ(ChangesOf(diff), c.expected);
    }
}

TEST(ProgrammingDiff, AChannelMovedDownAListShowsEveryRowItLeftAndReached) {
    RadioSession before = Programmed(5);
    RadioSession after = before;
    auto& usa = after.settings.CHUSA;
    std::rotate(usa.begin() + 12, usa.begin() + 13, usa.begin() + 14);  // 16 before 15
    AsProgrammed(after);
    const ProgrammingDiff diff = DiffProgrammings(before, after);
    std::vector<std::string> lines;
    for (const SettingChange& c : diff.changes) {
        EXPECT_TRUE(c.path.starts_with("CHUSA[12].") || c.path.starts_with("CHUSA[13].")) << c.path;
        lines.push_back(c.line);
    }
    EXPECT_NE(std::find(lines.begin(), lines.end(), "USA channel 16 (row 13) name: " + before.settings.CHUSA[12].ChTag +
                                                         " -> DISTRESS"),
              lines.end())
        << ::testing::PrintToString(lines);
}

TEST(ProgrammingDiff, EqualProgrammingsHaveNoChanges) {
    for (int model = 0; model <= 6; ++model) {
        SCOPED_TRACE(model);
        const RadioSession s = Programmed(model);
        EXPECT_TRUE(DiffProgrammings(s, s).changes.empty());
    }
}

TEST(ProgrammingDiff, TwoModelTypesAreRefusedWithAReason) {
    const ProgrammingDiff diff = DiffProgrammings(Programmed(5), Programmed(6));
    EXPECT_EQ(diff.error, "the programmings are of different model types (5 and 6): only programmings of one model "
                          "type can be compared");
    EXPECT_TRUE(diff.changes.empty());
}

}  // namespace
}  // namespace kv
