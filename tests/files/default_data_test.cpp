#include <gtest/gtest.h>

#include "files/default_data.h"
#include "files/image_file.h"
#include "files/session_commands.h"
#include "files/settings_file.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

using test::TempDir;

RadioSession Fresh(int model) { return test::FreshSession(model); }

void Touch(const TempDir& dir, const std::string& name) { test::WriteAll(dir / name, {1, 2, 3}); }

TEST(FindDefaultDataFiles, ListsTheModelsFilesSortedWithoutRegardToCase) {
    TempDir dir;
    for (const char* name : {"kv170-USA_019A.ini", "KV150-usa_019A.ini", "zz_top_019A.ini", "Other_019B.ini",
                             "KV170-usa_019A.txt", "abc_019a.INI", "Boat_019B.ini", "boat_019B.INI"})
        Touch(dir, name);
    const DestinationList list = FindDefaultDataFiles(dir.path(), 5);
    EXPECT_EQ(list.names, (std::vector<std::string>{"abc", "KV150-usa", "kv170-USA", "zz"}));
    EXPECT_EQ(list.found, (std::vector<bool>{true, true}));
    EXPECT_EQ(list.canonical[0].name, "kv170-USA") << "the letter case of the file found";
    EXPECT_EQ(FindDefaultDataFiles(dir.path(), 6).names.size(), 3u) << "names differing in case both appear";
    EXPECT_TRUE(FindDefaultDataFiles(dir / "missing", 6).names.empty());
}

TEST(DestinationMenu, AppliesTheRememberedChoice) {
    TempDir dir;
    ASSERT_EQ(WriteDefaultDataFiles(dir.path()), "");
    MemoryConfigStore store;
    RememberDestination(store, 6, "KV150-nl");
    RadioSession s = Fresh(6);
    const DestinationMenu menu = BuildDestinationMenu(s, dir.path(), store);
    ASSERT_TRUE(menu.checked);
    EXPECT_EQ(menu.list.names[*menu.checked], "KV150-nl");
    EXPECT_EQ(s.region, 3);
    EXPECT_FALSE(s.Sel1());
    EXPECT_EQ(menu.list.names.size(), 12u);

    RadioSession five = Fresh(5);
    SetVariantBits(five.image, false);
    const DestinationMenu menu5 = BuildDestinationMenu(five, dir.path(), MemoryConfigStore{});
    ASSERT_TRUE(menu5.checked) << "model five defaults to KV170-usa";
    EXPECT_EQ(menu5.list.names[*menu5.checked], "KV170-usa");
    EXPECT_TRUE(five.Sel1());
}

TEST(DestinationMenu, MarksNothingAndLeavesTheDataAloneWithoutALoadableChoice) {
    struct Case {
        const char* what;
        int model;
        bool brokenFile;  // else every default data file
        const char* remembered;
    };
    const Case cases[] = {
        {"model six remembers nothing", 6, false, nullptr},
        {"an unknown remembered name", 6, false, "KV170X-mars"},
        {"a remembered name without a file", 5, true, "KV150-usa"},
        {"a file that fails to load", 5, true, "KV170-usa"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.brokenFile)
            Touch(dir, "KV170-usa_019A.ini");  // the wrong length
        else
            ASSERT_EQ(WriteDefaultDataFiles(dir.path()), "");
        MemoryConfigStore store;
        if (c.remembered) RememberDestination(store, c.model, c.remembered);
        RadioSession s = Fresh(c.model);
        const RadioSession before = s;
        EXPECT_FALSE(BuildDestinationMenu(s, dir.path(), store).checked) << c.what;
        EXPECT_EQ(s.image, before.image) << c.what;
        EXPECT_EQ(s.settings, before.settings) << c.what;
    }
}

TEST(SelectDestination, LoadsRemembersAndKeepsTheMarkOnFailure) {
    TempDir dir;
    ASSERT_EQ(WriteDefaultDataFiles(dir.path()), "");
    Touch(dir, "KV150-broken_019B.ini");
    MemoryConfigStore store;
    RadioSession s = Fresh(6);
    DestinationMenu menu{FindDefaultDataFiles(dir.path(), 6), std::nullopt};
    const auto index = [&](const std::string& name) {
        return static_cast<size_t>(std::find(menu.list.names.begin(), menu.list.names.end(), name) - menu.list.names.begin());
    };
    EXPECT_TRUE(SelectDestination(s, menu, index("KV170X-uk"), dir.path(), store));
    EXPECT_EQ(menu.checked, index("KV170X-uk"));
    EXPECT_EQ(RememberedDestination(store, 6), "KV170X-uk");
    EXPECT_EQ(s.region, 1);
    const RadioSession before = s;
    EXPECT_FALSE(SelectDestination(s, menu, index("KV150-broken"), dir.path(), store));
    EXPECT_EQ(menu.checked, index("KV170X-uk"));
    EXPECT_EQ(s.image, before.image);
}

// The settings files of the factory defaults, checked byte for byte.
TEST(FactoryDefaults, SettingsFilesMatchTheReviewedGoldenFiles) {
    const std::pair<int, const char*> cases[] = {{5, "KV170-usa"}, {6, "KV170X-intl"}};
    for (const auto& [model, name] : cases) {
        RadioSession s;
        s.model = model;
        s.today = [] { return CivilDate{2026, 12, 6}; };
        ApplyFactoryDefaults(s, *DestinationFor(model, true, model == 6 ? 0 : kNoRegion));
        const auto golden = test::ReadAll(std::filesystem::path(KV_TEST_SOURCE_DIR) / "files" / "golden" / (std::string(name) + ".dat"));
        const std::string text = SettingsFileText(s);
        EXPECT_TRUE(std::equal(text.begin(), text.end(), golden.begin(), golden.end())) << name;
    }
}

TEST(SwitchModel, AsksAndResetsOrLeavesEverything) {
    MemoryConfigStore store;
    RadioSession s = test::FreshSession(5);
    s.settings.CHRG[0].ChTag = "MINE";
    ScriptedPrompt cancel({Answer::Cancel});
    EXPECT_FALSE(SwitchModel(s, 6, cancel, store));
    EXPECT_EQ(s.model, 5);
    EXPECT_EQ(s.settings.CHRG[0].ChTag, "MINE");
    ASSERT_EQ(cancel.shown().size(), 1u);
    EXPECT_EQ(cancel.shown()[0], (Message{"Do yo want to program the KV170X series?", "PC Program for KV150/KV170 Series",
                                          MessageIcon::Exclamation, Buttons::OkCancel}));
    ScriptedPrompt ok({Answer::Ok});
    EXPECT_TRUE(SwitchModel(s, 6, ok, store));
    EXPECT_EQ(s.model, 6);
    EXPECT_EQ(s.settings.CHRG[0].ChTag, "") << "File > New starts from nothing";
    EXPECT_EQ(ReadModelChoice(store), 6);
}

TEST(SwitchModel, TheKV170EntryDoesNothingOnModelFour) {
    MemoryConfigStore store;
    RadioSession s = test::FreshSession(4);
    ScriptedPrompt prompt;
    EXPECT_FALSE(SwitchModel(s, 5, prompt, store));
    EXPECT_TRUE(prompt.shown().empty());
    EXPECT_EQ(ReadModelChoice(store), 5) << "the default";
}

TEST(OpenSettingsFile, AFileOfTheOtherSeriesSwitchesOnlyWhenTheUserAgrees) {
    TempDir dir;
    RadioSession six = test::FreshSession(6);
    six.image[239] = 255;
    six.region = kNoRegion;
    SetVariantBits(six.image, false);
    six.settings.CHUSA[0].ChTag = "FROM FILE";
    ASSERT_TRUE(SaveSettingsFile(six, dir / "six.dat").ok);

    MemoryConfigStore store;
    RadioSession s = test::FreshSession(5);
    const RadioSession before = s;
    ScriptedPrompt cancel({Answer::Cancel});
    EXPECT_EQ(OpenSettingsFile(s, dir / "six.dat", cancel, store).result, LoadResult::SwitchModel);
    EXPECT_EQ(s.model, 5);
    EXPECT_EQ(s.settings, before.settings);

    ScriptedPrompt ok({Answer::Ok});
    EXPECT_EQ(OpenSettingsFile(s, dir / "six.dat", ok, store).result, LoadResult::Loaded);
    EXPECT_EQ(s.model, 6);
    EXPECT_EQ(s.settings.CHUSA[0].ChTag, "FROM FILE");
    EXPECT_EQ(RememberedDestination(store, 6), "KV150-intl") << "region none counts as intl";
}

}  // namespace
}  // namespace kv
