#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/channel_screens.h"
#include "editor/common_setup_options.h"
#include "files/settings_file.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "support/random_settings.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv::test {
namespace {

using Edit = std::function<void(RadioSettings&)>;

// The record of a marine list that the screens call channel `label`.
int MarineRecord(const MarineGroup& group, const std::string& label) {
    for (size_t i = 0; i < group.size(); ++i)
        if (group[i].Enable && MarineChannelLabel(group[i]) == label) return static_cast<int>(i);
    return -1;
}

void ExpectUndoAndRedo(const RadioSettings& before, const RadioSettings& after, const std::string& what) {
    const SettingsChange change = SettingsChange::Between(before, after, "");
    EXPECT_FALSE(change.empty()) << what;
    RadioSettings undone = after;
    change.Revert(undone);
    EXPECT_TRUE(undone == before) << what;
    RadioSettings redone = before;
    change.Apply(redone);
    EXPECT_TRUE(redone == after) << what;
}

TEST(SettingsChange, EveryPartOfTheSettingsIsFoundAndPutBack) {
    // One edit per member of the settings: a member the change missed would
    // be left as edited by the undo.
    const std::pair<const char*, Edit> edits[] = {
        {"usable group", [](RadioSettings& s) { s.UsableGroups[4].Backup = 7; }},
        {"common", [](RadioSettings& s) { s.Common.RotaryBeep = !s.Common.RotaryBeep; }},
        {"DSC basic", [](RadioSettings& s) { s.DscBasic.UserMMSI = "123456789"; }},
        {"DSC advanced", [](RadioSettings& s) { s.DscAdvanced.Calls[2].Level[3] = !s.DscAdvanced.Calls[2].Level[3]; }},
        {"DSC display", [](RadioSettings& s) { s.DscDisplay.PosRequestAckMenu = !s.DscDisplay.PosRequestAckMenu; }},
        {"ATIS groups", [](RadioSettings& s) { s.Atis.UsableAtisChGroup[3] = !s.Atis.UsableAtisChGroup[3]; }},
        {"ATIS killer", [](RadioSettings& s) { s.Atis.UsableAtisKillerChGroup[0] = !s.Atis.UsableAtisKillerChGroup[0]; }},
        {"ATIS code", [](RadioSettings& s) { s.Atis.AtisCode = "9211234567"; }},
        {"call sign", [](RadioSettings& s) { s.Atis.CallSign[19].Display = "XY"; }},
        {"USA", [](RadioSettings& s) { s.CHUSA[127].ChTag = "LAST"; }},
        {"INTL", [](RadioSettings& s) { s.CHINT[0].Narrow = !s.CHINT[0].Narrow; }},
        {"CANADA", [](RadioSettings& s) { s.CHCAN[5].Scramble = 3; }},
        {"WX", [](RadioSettings& s) { s.CHWX[9].ScanMemory = !s.CHWX[9].ScanMemory; }},
        {"EXP", [](RadioSettings& s) { s.CHEXP[39].Rxfreq = 451.125; }},
        {"RG", [](RadioSettings& s) { s.CHRG[7].CHDisplayR = "9"; }},
        {"individual directory", [](RadioSettings& s) { s.CHMMSID[39].TagName = "TUG"; }},
        {"group directory", [](RadioSettings& s) { s.CHGRPID[9].Mmsid = "012345678"; }},
    };
    const RadioSettings before = FreshSession(5).settings;
    for (const auto& [what, edit] : edits) {
        RadioSettings after = before;
        edit(after);
        ExpectUndoAndRedo(before, after, what);
    }
    for (unsigned seed = 1; seed <= 5; ++seed)
        ExpectUndoAndRedo(RandomSettings(seed).Make(5, true), RandomSettings(seed + 100).Make(6, false), "random");
}

// A scripted session: each edit as the screens make it, recorded as one
// step with the name Edit > Undo shows.
TEST(ChangeRecorder, AScriptedSessionIsUndoneAndRedoneStepByStep) {
    RadioSession s = FreshSession(5);
    const int usa16 = MarineRecord(s.settings.CHUSA, "16");
    ASSERT_GE(usa16, 0);
    MarinePanel added;
    added.baseCh = 21;
    const struct {
        const char* label;
        Edit edit;
    } steps[] = {
        {"Name of USA channel 16", [&](RadioSettings& st) { st.CHUSA[static_cast<size_t>(usa16)].ChTag = "CALLING"; }},
        {"Add USA channel 21",
         [&](RadioSettings& st) {
             InsertMarineChannel(st.CHUSA, usa16, added);
             st.UsableGroups[kUsaGroup].PriorityCh = PriorityAfterInsert(st.UsableGroups[kUsaGroup].PriorityCh, usa16);
         }},
        {"Delete USA channel 16",
         [&](RadioSettings& st) {
             ASSERT_TRUE(DeleteMarineChannel(st.CHUSA, usa16));
             st.UsableGroups[kUsaGroup].PriorityCh = PriorityAfterDelete(st.UsableGroups[kUsaGroup].PriorityCh, usa16);
         }},
        {"Usable of INTL CH", [](RadioSettings& st) { SetGroupUsable(st, kIntlGroup, false); }},
        {"Usable of EXP CH", [](RadioSettings& st) { SetGroupUsable(st, kExpGroup, true); }},
        {"SCAN of Common Setup", [](RadioSettings& st) { StoreEntry(CommonList::Scan, 1 - EntryFor(CommonList::Scan, st.Common), st.Common); }},
        {"ATIS Code", [](RadioSettings& st) { st.Atis.AtisCode = "9211234567"; }},
        {"MID of ATIS Call Sign 3", [](RadioSettings& st) { st.Atis.CallSign[2].MID = "123"; }},
        {"Scan Memory of WX channel 3", [](RadioSettings& st) { st.CHWX[2].ScanMemory = !st.CHWX[2].ScanMemory; }},
        {"Enable of LMR channel 1",
         [](RadioSettings& st) { SetChannelEnable(5, ScreenKind::LmrChannel, st.CHEXP[0], true); }},
        {"RX Frequency of RG channel 2", [](RadioSettings& st) { st.CHRG[1].Rxfreq = 450.125; }},
        {"TX CTCSS of RG channel 2", [](RadioSettings& st) { SelectCtcss(st.CHRG[1], true, 5); }},
    };

    TempDir dir;
    const auto fileOf = [&](const RadioSettings& settings, const std::string& name) {
        RadioSession copy = s;
        copy.settings = settings;
        EXPECT_TRUE(SaveSettingsFile(copy, dir / name).ok);
        return ReadAll(dir / name);
    };
    ChangeRecorder recorder(s.settings);
    std::vector<SettingsChange> history;
    std::vector<RadioSettings> states{s.settings};
    for (const auto& step : steps) {
        step.edit(s.settings);
        auto change = recorder.Take(s.settings, s.model);
        ASSERT_TRUE(change) << step.label;
        EXPECT_EQ(change->label(), step.label);
        history.push_back(std::move(*change));
        states.push_back(s.settings);
    }
    EXPECT_FALSE(recorder.Take(s.settings, s.model)) << "nothing new: no step";
    EXPECT_EQ(history.front().recordCount(), 1u) << "a field edit keeps its one record";

    // Undo all: each step gives back the settings, and the settings file, of
    // before the step, byte for byte.
    for (size_t i = history.size(); i-- > 0;) {
        history[i].Revert(s.settings);
        recorder.Undone(history[i]);
        EXPECT_TRUE(s.settings == states[i]) << history[i].label();
        EXPECT_EQ(fileOf(s.settings, "undone.dat"), fileOf(states[i], "before.dat")) << history[i].label();
    }
    EXPECT_FALSE(recorder.Take(s.settings, s.model)) << "the recorder follows undo";
    for (size_t i = 0; i < history.size(); ++i) {
        history[i].Apply(s.settings);
        recorder.Redone(history[i]);
        EXPECT_TRUE(s.settings == states[i + 1]) << history[i].label();
    }
    EXPECT_FALSE(recorder.Take(s.settings, s.model)) << "the recorder follows redo";
}

// In another language every word of a name comes from the wording: the
// templates, the field, the place, a Common Setup list's label.
TEST(ChangeRecorder, EveryWordOfAStepsNameComesFromTheWording) {
    RadioSession s = FreshSession(5);
    ChangeRecorder recorder(s.settings, [](const char* english) { return "<" + std::string(english) + ">"; });
    const int usa16 = MarineRecord(s.settings.CHUSA, "16");
    const std::pair<Edit, const char*> steps[] = {
        {[&](RadioSettings& st) { st.CHUSA[static_cast<size_t>(usa16)].ChTag = "CALLING"; }, "<<Name> of <USA channel 16>>"},
        {[&](RadioSettings& st) { ASSERT_TRUE(DeleteMarineChannel(st.CHUSA, usa16)); }, "<Delete <USA channel 16>>"},
        {[](RadioSettings& st) { StoreEntry(CommonList::Scan, 1 - EntryFor(CommonList::Scan, st.Common), st.Common); },
         "<<SCAN> of <Common Setup>>"},
        {[](RadioSettings& st) { st.CHRG[1].Rxfreq = 450.125; }, "<<RX Frequency> of <RG channel 2>>"},
    };
    for (const auto& [edit, name] : steps) {
        edit(s.settings);
        EXPECT_EQ(recorder.Take(s.settings, s.model)->label(), name);
    }
}

TEST(ChangeRecorder, AGivenLabelNamesTheStep) {
    RadioSession s = FreshSession(5);
    ChangeRecorder recorder(s.settings);
    s.settings.CHEXP[3].ChTag = "PASTED";
    s.settings.CHEXP[4].ChTag = "PASTED";
    const auto change = recorder.Take(s.settings, s.model, "Paste rows");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->label(), "Paste rows");
    EXPECT_EQ(change->recordCount(), 2u);
}

TEST(SettingsChange, TypingIntoOneFieldMergesAndTypingItAwayChangesNothing) {
    RadioSession s = FreshSession(5);
    ChangeRecorder recorder(s.settings);
    const std::string original = s.settings.CHRG[0].ChTag;
    s.settings.CHRG[0].ChTag = original + "A";
    SettingsChange first = *recorder.Take(s.settings, s.model);
    s.settings.CHRG[0].ChTag = original + "AB";
    const SettingsChange second = *recorder.Take(s.settings, s.model);
    s.settings.CHRG[1].ChTag = "OTHER";
    const SettingsChange elsewhere = *recorder.Take(s.settings, s.model);
    EXPECT_TRUE(first.SameRecords(second));
    EXPECT_FALSE(first.SameRecords(elsewhere));

    first.MergeWith(second);
    RadioSettings undone = s.settings;
    first.Revert(undone);
    EXPECT_EQ(undone.CHRG[0].ChTag, original) << "the merged step undoes all the typing";
    EXPECT_FALSE(first.ChangesNothing());

    s.settings.CHRG[0].ChTag = original;
    first.MergeWith(*recorder.Take(s.settings, s.model));
    EXPECT_TRUE(first.ChangesNothing());
}

}  // namespace
}  // namespace kv::test
