#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "editor/channel_csv.h"
#include "files/settings_file.h"
#include "files/settings_table.h"
#include "image/address_map.h"
#include "image/codec.h"
#include "model/channel_plans.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "image/defaults.h"
#include "support/random_settings.h"
#include "support/temp_dir.h"
#include "util/advice.h"
#include "util/texts.h"
#include "support/sessions.h"

namespace kv {
namespace {

using test::TempDir;

RadioSession Fresh(int model) { return test::FreshSession(model); }

// A whole settings file in the writer's form with a few lines changed.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

SettingsLoad Load(RadioSession& s, const std::string& text) { return ApplySettingsTable(s, SettingsTable::Parse(text)); }

// ---- The section table -----------------------------------------------------------

struct LookupCase {
    const char* what;
    const char* text;
    const char* section;
    const char* key;
    const char* value;
};

TEST(SettingsTable, FollowsTheLineRules) {
    const LookupCase cases[] = {
        {"names in any case, spaces trimmed", "[  common setup ]\r\n  sql  =  7  \r\n", "COMMON SETUP", "Sql", "7"},
        {"a mark protects leading spaces", "[S]\r\nK=#  A\r\n", "S", "K", "  A"},
        {"one mark only is removed", "[S]\r\nK=##A\r\n", "S", "K", "#A"},
        {"a mark alone is empty", "[S]\r\nK=#\r\n", "S", "K", ""},
        {"lines before the first header are ignored", "K=1\r\n[S]\r\n", "S", "K", ""},
        {"the first value in file order wins", "[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3\r\n", "S", "K", "1"},
        {"a repeated header is searched too", "[S]\r\nA=1\r\n[S]\r\nK=3\r\n", "S", "K", "3"},
        {"= in the first position is no key line", "[S]\r\n=1\r\nK=2\r\n", "S", "", ""},
        {"a key line may begin with [", "[S]\r\n[K=5\r\n", "S", "[K", "5"},
        {"a stray [ ends the section", "[S]\r\nx[y\r\nK=1\r\n", "S", "K", ""},
        {"the [ line may open the next section", "[S]\r\n[T] junk\r\nK=1\r\n", "T", "K", "1"},
        {"an empty header is no header", "[S]\r\n[]\r\nK=1\r\n", "S", "K", ""},
        {"tabs are not trimmed", "[S]\r\nK=\t1\r\n", "S", "K", "\t1"},
        {"LF and CR line ends", "[S]\nA=1\rK=2\n", "S", "K", "2"},
        {"text after ] is ignored", "[S] comment\r\nK=1\r\n", "S", "K", "1"},
        {"NUL bytes are just bytes", "[S]\r\nK=a\0b\r\n", "S", "K", "a"},
    };
    for (const auto& c : cases) {
        const auto t = SettingsTable::Parse(std::string_view(c.text, std::char_traits<char>::length(c.text)));
        EXPECT_EQ(t.LookupValue(c.section, c.key), c.value) << c.what;
    }
}

TEST(SettingsTable, ProfileValuesAreCutTo127Characters) {
    const auto t = SettingsTable::Parse("[MAIN]\r\nMODEL=#" + std::string(300, 'x') + "\r\n");
    EXPECT_EQ(ReadProfileValue(t, "MAIN", "MODEL").size(), 127u);
    EXPECT_EQ(ReadProfileValue(t, "MAIN", "TYPE"), "");
}

TEST(SettingsTable, LargeJunkParsesInLinearTime) {
    std::string junk;
    for (int i = 0; i < 100000; ++i) junk += "[CHUSA" + std::to_string(i) + "]\r\nPosition=" + std::to_string(i + 500) + "\r\n";
    junk += std::string(1 << 20, 'x');  // a 1 MB line
    junk += "\r\n";
    for (int i = 0; i < 200000; ++i) junk += static_cast<char>(i * 7919 % 256);
    RadioSession s = Fresh(5);
    const RadioSettings before = s.settings;
    const SettingsLoad load = Load(s, junk);  // no MODELTYPE
    EXPECT_EQ(load.result, LoadResult::OtherModel);
    EXPECT_EQ(s.settings, before);
    const SettingsLoad loaded = Load(s, "[MAIN]\r\nMODELTYPE=5\r\n" + junk);
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_EQ(s.settings.CHUSA[0].Position, 0) << "every section's position lies outside the plan";
}

// ---- Header check -----------------------------------------------------------------

TEST(SettingsLoad, AnotherModelChangesNothing) {
    for (const auto& [main, named] : {std::pair{"[MAIN]\r\nSEL1=1\r\n", ""}, {"[MAIN]\r\nMODELTYPE=abc\r\n", "abc"},
                                      {"[MAIN]\r\nMODELTYPE=2\r\n", "2"}, {"", ""}}) {
        RadioSession s = Fresh(5);
        const RadioSession before = s;
        const SettingsLoad load = Load(s, std::string(main) + "[Common Setup]\r\nSQL=3\r\n");
        EXPECT_EQ(load.result, LoadResult::OtherModel) << main;
        ASSERT_EQ(load.messages.size(), 1u);
        EXPECT_EQ(load.messages[0].text, "different model!!");
        EXPECT_EQ(load.messages[0].detail, AdviceText(Advice::SettingsModel, {named}));
        EXPECT_EQ(s.settings, before.settings);
        EXPECT_EQ(s.image, before.image);
    }
}

// ---- Values -----------------------------------------------------------------------

TEST(SettingsLoad, ValuesThatDoNotConvertLeaveTheirFields) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"text in a number", "SQL=15", "SQL=loud"},
        {"an integer too large", "SQL=15", "SQL=99999"},
        {"an empty value", "SQL=15", "SQL="},
        {"a byte too large", "LowPower=0\r\nTXPower=3", "LowPower=0\r\nTXPower=300"},
        {"a negative byte", "LowPower=0\r\nTXPower=3", "LowPower=0\r\nTXPower=-3"},
        {"a frequency in words", "Rxfreq=0", "Rxfreq=high"},
    };
    for (const auto& c : cases) {
        RadioSession s = Fresh(5);
        const RadioSettings before = s.settings;
        EXPECT_EQ(Load(s, Replaced(SettingsFileText(s), c.from, c.to)).result, LoadResult::Loaded);
        EXPECT_TRUE(s.settings == before) << c.what;
    }
}

TEST(SettingsLoad, NumbersFlagsAndTextsConvert) {
    RadioSession s = Fresh(5);
    std::string text = SettingsFileText(s);
    text = Replaced(text, "SQL=15", "SQL= 7.0");
    text = Replaced(text, "SCAN=1", "SCAN=-2");
    text = Replaced(text, "Dual Watch=1", "Dual Watch=0");
    text = Replaced(text, "Priority CH 0=32", "Priority CH 0=-1");
    text = Replaced(text, "Priority CH 1=32", "Priority CH 1=+007");
    text = Replaced(text, "Offset Time=12", "Offset Time=0000000000000000000000005");
    text = Replaced(text, "[CHUSA3]\r\nPosition=3", "[CHUSA3]\r\nPosition=3\r\nChTag=#  A");
    text = Replaced(text, "[CHUSA4]\r\nPosition=4", "[CHUSA4]\r\nPosition=4\r\nStatusNo=  A");
    text = Replaced(text, "[CHUSA5]\r\nPosition=5", "[CHUSA5]\r\nPosition=5\r\nChTag=#");
    text = Replaced(text, "[CHEXP1]\r\nEnable=0", "[CHEXP1]\r\nEnable=0\r\nRxfreq=156.8125\r\nCHDisplayL=7");
    EXPECT_EQ(Load(s, text).result, LoadResult::Loaded);
    EXPECT_EQ(s.settings.Common.SQL, 7);
    EXPECT_TRUE(s.settings.Common.SCAN);
    EXPECT_FALSE(s.settings.Common.DualWatch);
    EXPECT_EQ(s.settings.UsableGroups[0].PriorityCh, -1);
    EXPECT_EQ(s.settings.UsableGroups[1].PriorityCh, 7);
    EXPECT_EQ(s.settings.Common.OffsetTime, 5);
    EXPECT_EQ(s.settings.CHUSA[3].ChTag, "  A");
    EXPECT_EQ(s.settings.CHUSA[4].StatusNo, "A");
    EXPECT_EQ(s.settings.CHUSA[5].ChTag, "");
    EXPECT_DOUBLE_EQ(s.settings.CHEXP[0].Rxfreq, 156.8125);
    EXPECT_EQ(s.settings.CHEXP[0].CHDisplayL, " 7");
}

TEST(SettingsLoad, AGapInTheMarineSectionsEndsThePlan) {
    RadioSession s = Fresh(5);
    const std::string text = "[MAIN]\r\nMODELTYPE=5\r\n"
                             "[CHUSA0]\r\nPosition=0\r\nChTag=#ZERO\r\n"
                             "[CHUSA1]\r\nPosition=200\r\nChTag=#SKIPPED\r\n"
                             "[CHUSA2]\r\nPosition=1\r\nChTag=#ONE\r\n"
                             "[CHUSA4]\r\nPosition=4\r\nChTag=#FOUR\r\n";
    Load(s, text);
    EXPECT_EQ(s.settings.CHUSA[0].ChTag, "ZERO");
    EXPECT_EQ(s.settings.CHUSA[1].ChTag, "ONE") << "an out-of-range position is skipped, the next still read";
    EXPECT_EQ(s.settings.CHUSA[4].ChTag, "COMMERCIAL") << "the gap at 3 ended the plan";
}

// A receive-only channel of a plan keeps the plan's mode (0, or 2 for the
// CMB broadcasts) in its own slot and moved, whatever the slot held before
// (an earlier section, the file opened before), through a load, a decode
// and a CSV import; a channel that transmits keeps its own mode in its slot.
// Whether a channel transmits is the file's own TxEnable wherever it sits.
TEST(SettingsLoad, ReceiveOnlyChannelsStayReceiveOnlyWhereverTheySit) {
    const RadioSession fresh = Fresh(5);
    const char* kSections[] = {"CHUSA", "CHINT", "CHCAN"};
    for (int g = 0; g < 3; ++g)
        for (int own = 0; own < PlanSize(g); ++own) {
            const ChannelRecord& planned = fresh.settings.Marine(g)[own];
            if (!planned.TxDisabled) continue;
            for (const int slot : {own, 100}) {
                RadioSession file = fresh;
                InsertMarineRecord(file.settings.Marine(g), slot - 1, planned);
                file.settings.Marine(g)[slot].Duplex = 1;
                RadioSession s = fresh;
                s.settings.Marine(g)[slot] = fresh.settings.Marine(g)[3];  // another channel there first
                const SettingsLoad load = Load(s, SettingsFileText(file));
                const std::string where = kSections[g] + std::to_string(slot);
                const ChannelRecord& ch = s.settings.Marine(g)[slot];
                EXPECT_EQ(ch.Duplex, planned.Duplex) << where;
                EXPECT_EQ(ch.DuplexMask, 0) << where;
                EXPECT_TRUE(ch.TxDisabled) << where << ": the file's own TxEnable";
                ASSERT_EQ(load.warnings.size(), 1u) << where;
                EXPECT_EQ(load.warnings[0], "[" + where + "] Duplex=1: channel " + MarineChannelLabel(planned) +
                                                " receives only, kept " + (planned.Duplex ? "duplex" : "simplex"));
                EncodeImage(s);
                const Bits duplex = At(map::marine::Duplex, map::MarineGroupMap(g).EntryAt(slot));
                EXPECT_EQ(ReadBits(s.image, duplex), planned.Duplex) << where << ": what the radio gets";
                WriteBits(s.image, duplex, 1);
                EXPECT_EQ(DecodeImage(s), load.warnings) << where;
                EXPECT_EQ(s.settings.Marine(g)[slot].Duplex, planned.Duplex) << where;
                const auto list = static_cast<ChannelList>(g);
                EXPECT_FALSE(ImportChannelsCsv(fresh, list, ExportChannelsCsv(file, list)).settings) << where;
            }
            RadioSession s = fresh;  // a channel that transmits where the receive-only one stood
            RadioSession file = fresh;
            InsertMarineRecord(file.settings.Marine(g), own - 1, fresh.settings.Marine(g)[3]);
            file.settings.Marine(g)[own].Duplex = 1;
            Load(s, SettingsFileText(file));
            EXPECT_EQ(s.settings.Marine(g)[own].Duplex, 1) << own;
            EXPECT_EQ(s.settings.Marine(g)[own].DuplexMask, 0xFFFF) << own;
            EXPECT_FALSE(s.settings.Marine(g)[own].TxDisabled) << own;
        }
}

// A file cut short loads what it holds and names what it lacks, sections
// missing alike in one line; a complete file loads without a word.
TEST(SettingsLoad, WhatAFileLacksIsNamed) {
    const std::string whole = SettingsFileText(Fresh(5));
    std::string noDisplayA = whole;
    for (size_t at; (at = noDisplayA.find("DispayA=0\r\n")) != std::string::npos;) noDisplayA.erase(at, 11);
    const struct {
        int model;
        std::string text;
        std::vector<std::string> missing;
    } cases[] = {
        {5, whole, {}},
        {6, test::ReadText(std::filesystem::path(KV_TEST_SOURCE_DIR) / "files" / "golden" / "KV170X-intl.dat"), {}},
        {5, "[MAIN]\r\nMODELTYPE=5\r\n", {"[MAIN] SEL1, SEL2: missing", "[Usable CH Group Setup] to [PRISETCH]: missing"}},
        {5, whole.substr(0, whole.find("Duplex", whole.find("[CHINT57]"))),
         {"[CHINT57] Duplex, TxEnable, DispayA, ScanMemory, Scramble, ChTag, StatusIcon, StatusNo, BaseCh: missing",
          "[CHINT58] to [PRISETCH]: missing"}},
        {5, Replaced(whole, "[CHUSA3]", "[XHUSA3]"),
         {"[CHUSA3]: missing", "[CHUSA4] and after: not read, the list ends at [CHUSA3]"}},
        {5, noDisplayA, {"[CHUSA0] to [CHCAN127] DispayA: missing"}},
    };
    for (const auto& c : cases) {
        RadioSession s = Fresh(c.model);
        const SettingsLoad load = Load(s, c.text);
        EXPECT_EQ(load.missing, c.missing) << c.text.substr(0, 60);
        EXPECT_EQ(load.warnings, c.missing) << c.text.substr(0, 60);
    }
}

TEST(SettingsLoad, GroupFlagsOfLandMobileChannelsAreInverted) {
    RadioSession s = Fresh(5);
    s.settings.CHEXP[0].UsaGroup = true;
    Load(s, "[MAIN]\r\nMODELTYPE=5\r\n[CHEXP1]\r\nUSA Group=1\r\nINT Group=0\r\nCAN Group=x\r\n");
    EXPECT_FALSE(s.settings.CHEXP[0].UsaGroup);
    EXPECT_TRUE(s.settings.CHEXP[0].IntGroup);
    EXPECT_FALSE(s.settings.CHEXP[0].CanGroup);
}

TEST(SettingsLoad, PresetBytesTakeHexOrDecimal) {
    RadioSession s = Fresh(5);
    s.image[164] = s.image[166] = 0x11;
    Load(s, "[MAIN]\r\nMODELTYPE=5\r\n[PRISETCH]\r\nA0=&H1F\r\nA1=31\r\nA2=&h0a\r\nA3=12abc\r\nA4=256\r\nA6=255\r\n");
    EXPECT_EQ(s.image[160], 31);
    EXPECT_EQ(s.image[161], 31);
    EXPECT_EQ(s.image[162], 10);
    EXPECT_EQ(s.image[163], 12);
    EXPECT_EQ(s.image[164], 0x11) << "a value outside a byte leaves it";
    EXPECT_EQ(s.image[165], 0) << "a missing key gives 0";
    EXPECT_EQ(s.image[166], 255);
}

TEST(SettingsLoad, VariantBitsAndRegion) {
    RadioSession s = Fresh(6);
    Load(s, "[MAIN]\r\nMODELTYPE=6\r\nSEL1=7\r\nSEL2=1\r\nREGION=4\r\n");
    EXPECT_TRUE(s.Sel1()) << "an unknown SEL1 counts as 1";
    EXPECT_TRUE(s.Sel2());
    EXPECT_EQ(s.image[239], 4);
    EXPECT_EQ(s.region, 4);
    Load(s, "[MAIN]\r\nMODELTYPE=6\r\nSEL1=0\r\nSEL2=2\r\nREGION=9\r\n");
    EXPECT_FALSE(s.Sel1());
    EXPECT_FALSE(s.Sel2()) << "an unknown SEL2 counts as 0";
    EXPECT_EQ(s.region, kNoRegion);
}

// ---- Save and reload --------------------------------------------------------------

TEST(SettingsSave, CombinationListsMoveToTheFront) {
    RadioSession s = Fresh(5);
    for (int j = 0; j < 10; ++j) WriteWordBE(s.image, 96 + 2 * j, -1);
    for (auto [slot, value] : {std::pair{0, 13}, std::pair{2, 250}, std::pair{5, 281}}) {
        s.image[96 + 2 * slot] = static_cast<uint8_t>(value & 0xFF);
        s.image[97 + 2 * slot] = static_cast<uint8_t>(value >> 8);
    }
    const std::string text = SettingsFileText(s);
    EXPECT_NE(text.find("Priority CH 0=32\r\nPriority CH 0-Cmb 1=13\r\nPriority CH 0-Cmb 2=250\r\n"
                        "Priority CH 0-Cmb 3=281\r\nPriority CH 0Backup=255\r\n"),
              std::string::npos);
    RadioSession loaded = Fresh(5);
    Load(loaded, text);
    const uint16_t expected[10] = {13, 250, 281, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    for (int j = 0; j < 10; ++j) EXPECT_EQ(ReadWordLE(loaded.image, 96 + 2 * j), expected[j]) << j;
}

TEST(SettingsSave, ModelOneWritesNoNamesAndKeepsThemOnLoad) {
    RadioSession s = Fresh(1);
    const std::string text = SettingsFileText(s);
    for (const char* key : {"Scramble=", "ChTag=", "Status name"})
        EXPECT_EQ(text.substr(0, text.find("[CHWX0]")).find(key), std::string::npos) << key;
    s.settings.CHUSA[0].ChTag = "KEEP";
    s.settings.UsableGroups[0].StatusName = "KEEP";
    Load(s, text);
    EXPECT_EQ(s.settings.CHUSA[0].ChTag, "KEEP");
    EXPECT_EQ(s.settings.UsableGroups[0].StatusName, "KEEP");
}

// The killer flags are written for model type 0 only and read on both DSC
// model types: a model type 3 file has no Kikker keys and leaves the flags
// as they were, and takes them when it carries them.
TEST(SettingsSave, KillerFlagsAreWrittenForModelZeroOnlyAndReadOnDscModels) {
    struct Case {
        int model;
        bool written;
        bool read;
    };
    const std::array<bool, 4> saved{false, true, false, true}, before{true, false, true, false};
    for (const Case c : {Case{0, true, true}, Case{3, false, true}, Case{5, false, false}}) {
        RadioSession s = Fresh(c.model);
        s.settings.Atis.UsableAtisKillerChGroup = saved;
        const std::string text = SettingsFileText(s);
        EXPECT_EQ(text.find("Kikker") != std::string::npos, c.written) << c.model;
        RadioSession loaded = Fresh(c.model);
        loaded.settings.Atis.UsableAtisKillerChGroup = before;
        Load(loaded, text);
        EXPECT_EQ(loaded.settings.Atis.UsableAtisKillerChGroup, c.written ? saved : before) << c.model;
        Load(loaded, Replaced(text, "Atis Code=", "Usable ATIS Kikker CH Group0=0\r\nAtis Code="));
        EXPECT_EQ(loaded.settings.Atis.UsableAtisKillerChGroup[0], !c.read) << c.model;
    }
}

// Saved over defaults whose LMR group is off: the group flag and the RG
// channel's own enable (not its group's) come back.
TEST(SettingsSave, LandMobileEnablesSurviveALoadOverDefaults) {
    RadioSession s = Fresh(5);
    test::UseLmrChannel(s.settings, 2, 155.5);
    s.settings.UsableGroups[kExpGroup].Enable = false;
    s.settings.CHRG[1].Enable = true;
    RadioSession loaded = Fresh(5);
    Load(loaded, SettingsFileText(s));
    EXPECT_TRUE(loaded.settings.UsableGroups[kLmrGroup].Enable);
    EXPECT_TRUE(loaded.settings.CHEXP[2].Enable);
    EXPECT_TRUE(loaded.settings.CHRG[1].Enable);
}

TEST(SettingsSave, BytesOfEveryValueSurvive) {
    RadioSession s = Fresh(5);
    s.settings.CHUSA[0].ChTag = " Caf\xE9 \x01";
    s.settings.UsableGroups[1].StatusName = "\xFFz";
    RadioSession loaded = Fresh(5);
    Load(loaded, SettingsFileText(s));
    EXPECT_EQ(loaded.settings.CHUSA[0].ChTag, " Caf\xE9 \x01");
    EXPECT_EQ(loaded.settings.UsableGroups[1].StatusName, "\xFFz");
}

TEST(SettingsSave, FrequenciesAreWrittenInTheirShortestForm) {
    RadioSession s = Fresh(5);
    s.settings.CHEXP[0].Rxfreq = 156.8125;
    s.settings.CHEXP[0].Txfreq = 162.0;
    const std::string text = SettingsFileText(s);
    EXPECT_NE(text.find("[CHEXP1]\r\nEnable=0\r\nLMR EXP=0\r\nCHDisplayL=\r\nCHDisplayR=\r\nRxfreq=156.8125\r\nTxfreq=162\r\n"),
              std::string::npos);
}

class SettingsForEveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(SettingsFile, SettingsForEveryModel, ::testing::Range(0, kModelCount));

// Save, load over the model's defaults, save again: the same file, so
// whatever the format keeps survives a round trip.
TEST_P(SettingsForEveryModel, ASavedFileLoadsBackToTheSameFile) {
    const int model = GetParam();
    for (unsigned seed = 1; seed <= 25; ++seed) {
        test::RandomSettings random(seed);
        random.plainNames = true;
        RadioSession s = Fresh(model);
        s.settings = random.Make(model, s.Sel1());
        // What the file cannot hold: offsets beyond -12..+12 hours (the image clamps them), outer spaces of plain texts.
        s.settings.Common.OffsetTime = std::clamp<int16_t>(s.settings.Common.OffsetTime, 0, 24);
        const auto asRead = [](std::string& text) { text = SettingsTable::Parse("[S]\nK=" + text).LookupValue("S", "K"); };
        for (UsableGroupSetup& group : s.settings.UsableGroups) asRead(group.StatusName);
        for (ChannelRecord& ch : s.settings.CHEXP) asRead(ch.CHDisplayR);
        for (ChannelRecord& ch : s.settings.CHRG) asRead(ch.CHDisplayR);
        const std::string saved = SettingsFileText(s);
        RadioSession loaded = Fresh(model);
        ASSERT_EQ(Load(loaded, saved).result, LoadResult::Loaded);
        // A field left out of both the save and the load passes the file comparison:
        // the land-mobile names (models with tones) and the directories (DSC) are checked on the records.
        for (size_t n = 0; n < s.settings.CHEXP.size() && HasTones(model); ++n)
            ASSERT_EQ(loaded.settings.CHEXP[n].ChTag, s.settings.CHEXP[n].ChTag) << "model " << model << " LMR/EXP " << n;
        ASSERT_TRUE(!TraitsOf(model).dsc || (loaded.settings.CHMMSID == s.settings.CHMMSID &&
                                             loaded.settings.CHGRPID == s.settings.CHGRPID)) << "directories " << model;
        const std::string again = SettingsFileText(loaded);
        ASSERT_TRUE(again == saved) << "model " << model << " seed " << seed << ": " << test::FirstDifference(saved, again);
    }
}

TEST(SettingsFile, SavingIsAtomicAndFailuresSaySo) {
    TempDir dir;
    RadioSession s = Fresh(5);
    ASSERT_TRUE(SaveSettingsFile(s, dir / "a.dat").ok);
    const auto before = test::ReadAll(dir / "a.dat");
    const FileOutcome failed = SaveSettingsFile(s, dir.path());
    EXPECT_FALSE(failed.ok);
    ASSERT_EQ(failed.messages.size(), 1u);
    EXPECT_EQ(failed.messages[0].text, "FileSave Error!!");
    EXPECT_EQ(failed.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(test::ReadAll(dir / "a.dat"), before);
    RadioSession loaded = Fresh(5);
    EXPECT_EQ(LoadSettingsFile(loaded, dir / "a.dat").result, LoadResult::Loaded);
    EXPECT_EQ(LoadSettingsFile(loaded, dir / "none.dat").result, LoadResult::Unreadable);
}

}  // namespace
}  // namespace kv
