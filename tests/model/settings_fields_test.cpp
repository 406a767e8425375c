#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/defaults.h"
#include "model/settings_fields.h"

namespace kv {
namespace {

RadioSession Defaults(int model = 5) {
    RadioSession s;
    s.model = model;
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
        int model = 5;
    };
    const Case cases[] = {
        {"ATIS Setup.Atis Code", std::string("9211234567"), ""},
        {"CHUSA[13].ChTag", std::string("CALL"), ""},
        {"CHEXP[39].Rxfreq", 156.05, ""},
        {"Usable CH Group Setup[2].Priority CH", int64_t{7}, ""},
        {"ATIS Setup.Usable ATIS CH Group[3]", false, ""},
        {"ATIS Setup.Call Sign[19].MID", std::string("007"), "", 0},
        {"ATIS Setup.Call Sign[19].MID", std::string("007"), "model type 5 radios do not keep this setting"},
        {"DSC Basic Setup.User MMSI", std::string("366123456"), "", 3},
        {"DSC Basic Setup.User MMSI", std::string("366123456"), "model type 5 radios do not keep this setting"},
        {"CHUSA[013].DispayA", true, "model type 5 radios do not keep this setting"},
        {"CHWX[0].ChTag", std::string("WX"), "", 5},
        {"CHWX[0].ChTag", std::string("WX"), "model type 6 radios have no weather channels", 6},
        {"Common Setup.Weater", int64_t{1}, "model type 6 radios have no weather channels", 6},
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
        RadioSession s = Defaults(c.model);
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

// The names the walk gives a record's fields, in its order: every value's
// path, cut to the name that follows `under`.
class FieldNames : public SettingsVisitor {
public:
    explicit FieldNames(std::string under) : under_(std::move(under)) {}
    bool Open(std::string_view key, int index, bool, bool) override {
        path_.push_back(Step(key, index));
        return true;
    }
    void Close(bool) override { path_.pop_back(); }
    void Value(std::string_view key, int index, const SettingValue&, const SettingValue&) override {
        std::string path;
        for (const std::string& step : path_) path += step;
        path += Step(key, index);
        if (path.rfind(under_, 0) != 0) return;
        const std::string name = path.substr(under_.size(), path.find_first_of(".[", under_.size()) - under_.size());
        if (names.empty() || names.back() != name) names.push_back(name);
    }
    std::vector<std::string> names;

private:
    static std::string Step(std::string_view key, int index) {
        return index >= 0 ? "[" + std::to_string(index) + "]" : "." + std::string(key);
    }
    std::string under_;
    std::vector<std::string> path_;
};

// kvtool show --json and the fleet's columns name the fields so, in the
// order the record declares them, whatever order the settings file keeps.
TEST(SettingPaths, RecordsListTheirFieldsUnderTheirNamesInTheirOrder) {
    struct Case {
        const char* under;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {".CHUSA[0].", {"Position", "Enable", "LowPower", "TXPower", "ClockShift", "PowUp", "Duplex", "DuplexMask",
                        "TxEnable", "DispayA", "ScanMemory", "ChTag", "Scramble", "TxDisabled", "Narrow", "TxDCS",
                        "RxDCS", "TxCTCSS", "RxCTCSS", "RxComp", "CHDisplayL", "CHDisplayR", "Txfreq", "Rxfreq",
                        "Sel1Copy", "LMR EXP", "USA Group", "INT Group", "CAN Group", "StatusNo", "BaseCh",
                        "StatusIcon"}},
        {".Common Setup.", {"TX Po Display", "Last TX Power", "SQL", "Last CH Group", "Last Display CH",
                            "Marine_LMR CH", "SCAN", "Resume Time", "PTT SCAN Clear", "Dual Watch", "Offset Time",
                            "Magnetic Variation", "Weater", "RotaryBeep"}},
        {".ATIS Setup.", {"Usable ATIS CH Group", "Atis Code", "Usable ATIS Killer CH Group", "Call Sign"}},
        {".Usable CH Group Setup[4].", {"Enable", "TX TOT", "Priority CH", "Status Icon", "Status name", "Backup"}},
        {".CHGRPID[9].", {"Enable", "TagName", "Mmsid"}},
    };
    const RadioSession s = Defaults();
    for (const Case& c : cases) {
        FieldNames names(c.under);
        VisitSettings(s, s, names);
        EXPECT_EQ(names.names, c.names) << c.under;
    }
}

}  // namespace
}  // namespace kv
