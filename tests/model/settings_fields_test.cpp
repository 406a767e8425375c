#include <gtest/gtest.h>

#include "image/defaults.h"
#include "model/settings_fields.h"

namespace kv {
namespace {

RadioSession Defaults() {
    RadioSession s;
    s.model = 5;
    ResetToDefaults(s);
    return s;
}

// A value stored by its path lands in the one field the path names and
// reads back the same; every refusal says why.
TEST(SettingPaths, StoreLandsInTheNamedFieldOrSaysWhy) {
    struct Case {
        const char* path;
        SettingValue value;
        const char* refusal;  // "" when stored
    };
    const Case cases[] = {
        {"ATIS Setup.Atis Code", std::string("9211234567"), ""},
        {"CHUSA[13].ChTag", std::string("CALL"), ""},
        {"CHUSA[127].Rxfreq", 156.05, ""},
        {"Usable CH Group Setup[2].Priority CH", int64_t{7}, ""},
        {"ATIS Setup.Usable ATIS CH Group[3]", false, ""},
        {"ATIS Setup.Call Sign[19].MID", std::string("007"), ""},
        {"Common Setup.SQL", int64_t{32767}, ""},
        {"Common Setup.SQL", int64_t{32768}, "the value must lie between -32768 and 32767"},
        {"CHUSA[13].TXPower", int64_t{255}, ""},
        {"CHUSA[13].TXPower", int64_t{256}, "the value must lie between 0 and 255"},
        {"CHUSA[13].TXPower", int64_t{-1}, "the value must lie between 0 and 255"},
        {"CHUSA[13].ChTag", int64_t{5}, "the value is not of the setting's kind"},
        {"CHUSA[13].Enable", std::string("yes"), "the value is not of the setting's kind"},
        {"CHUSA[128].ChTag", std::string("X"), "no setting is named \"CHUSA[128].ChTag\""},
        {"CHUSA.ChTag", std::string("X"), "no setting is named \"CHUSA.ChTag\""},
        {"MODELTYPE", int64_t{3}, "it is not a setting of a record"},
        {"Common Setup.SQL[", int64_t{3}, "no setting is named \"Common Setup.SQL[\""},
    };
    for (const Case& c : cases) {
        RadioSession s = Defaults();
        const RadioSession before = s;
        EXPECT_EQ(StoreSetting(s, c.path, c.value), c.refusal) << c.path;
        const SettingAt at = FindSetting(s, c.path);
        if (*c.refusal) {
            EXPECT_EQ(s.settings, before.settings) << c.path;
            continue;
        }
        EXPECT_TRUE(at.found && at.settable) << c.path;
        EXPECT_EQ(at.value, c.value) << c.path;
    }
}

TEST(SettingPaths, TheStoreChangesNothingElse) {
    RadioSession s = Defaults();
    ASSERT_EQ(StoreSetting(s, "CHINT[4].ChTag", std::string("BOAT")), "");
    RadioSession expected = Defaults();
    expected.settings.CHINT[4].ChTag = "BOAT";
    EXPECT_EQ(s.settings, expected.settings);
    EXPECT_EQ(FindSetting(s, "CHUSA[4].ChTag").value, SettingValue(Defaults().settings.CHUSA[4].ChTag));
    EXPECT_FALSE(FindSetting(s, "MODELTYPE").settable);
    EXPECT_TRUE(FindSetting(s, "MODELTYPE").found);
}

}  // namespace
}  // namespace kv
