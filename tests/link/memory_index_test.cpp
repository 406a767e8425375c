// A marine priority picked on the Available CH Group screen is the channel
// the report names and the radio holds, on the lists radios carry: the
// plans, gaps (the first records, every third, the last record), a full
// list of 127 and no channel at all.
#include <gtest/gtest.h>

#include "editor/channel_screens.h"
#include "link_rig.h"
#include "report/programming_diff.h"
#include "report/report.h"
#include "rules/channel_lists.h"

namespace kv {
namespace {

void Gaps(MarineGroup& g) {
    for (int i = 0; i < kMarineSlots; ++i) g[i].Enable = g[i].Enable && i > 1 && i % 3 != 0;
    g[kMarineSlots - 1] = g[13];
}
void Full(MarineGroup& g) { for (int i = 54; i < kMaxMarineRows; ++i) g[i] = g[i % 50]; }
void Empty(MarineGroup& g) { for (ChannelRecord& ch : g) ch.Enable = false; }

TEST(MemoryIndex, EveryPriorityThatCanBePickedIsShownReportedAndProgrammedAsPicked) {
    for (void (*layout)(MarineGroup&) : {+[](MarineGroup&) {}, &Gaps, &Full, &Empty}) {
        RadioSession s = test::DefaultSession(5);
        for (int g = 0; g < 3; ++g) layout(s.settings.Marine(g));
        for (int g = 0; g < 3; ++g) {
            const std::vector<ListEntry> entries = PriorityEntries(s, g);
            for (size_t e = 0; e < entries.size(); ++e) {
                RadioSession radio = s;
                radio.settings.UsableGroups[g].PriorityCh = entries[e].value;
                if (e == 1 || e + 1 == entries.size()) {  // the first and the last channel through the radio
                    test::LinkRig program(radio, test::ProgrammedRadio(5));
                    test::LinkRig read(test::DefaultSession(5), (program.Program(), program.radio.image()));
                    ASSERT_EQ(read.Read(), TransferOutcome::Completed);
                    radio = read.session;
                } else {
                    AsProgrammed(radio);
                }
                const int held = radio.settings.UsableGroups[g].PriorityCh;
                const std::vector<ListEntry> shown = PriorityEntries(radio, g);
                const std::string report = BuildReport(radio);
                const std::string reported = report.substr(report.find("\nPriority CH") + 36 + 18 * static_cast<size_t>(g), 18);
                EXPECT_EQ(static_cast<uint16_t>(held), static_cast<uint16_t>(entries[e].value)) << g << ": " << entries[e].text;
                EXPECT_EQ(shown[static_cast<size_t>(EntryPosition(shown, held))].text, entries[e].text) << g;
                EXPECT_EQ(reported.substr(0, reported.find(' ')), entries[e].text) << g;
            }
        }
    }
}

}  // namespace
}  // namespace kv
