#include "report/converters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kv {
namespace {

struct TextCase {
    const char* what;
    std::string actual;
    const char* expected;
};

void ExpectAll(std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(Cells, PadAndLabelCutOrFillToTheirWidth) {
    ExpectAll({
        {"filled", Pad("ab", 4), "ab  "},
        {"cut", Pad("abcdef", 4), "abcd"},
        {"exact", Pad("abcd", 4), "abcd"},
        {"zero width", Pad("ab", 0), ""},
        {"negative width", Pad("ab", -3), ""},
        {"label", Label("Count", 7), "Count : "},
        {"label cut", Label("Distress", 5), "Dist: "},
    });
}

TEST(Converters, TwoValuedTextsAreTheSystemsOwn) {
    ExpectAll({
        {"OnOff", OnOff(true) + "/" + OnOff(false), "On/Off"},
        {"HiLow", HiLow(true) + "/" + HiLow(false), "Hi/Low"},
        {"EnableText", EnableText(true) + "/" + EnableText(false), "ENABLE/------"},
        {"TxText", TxText(true) + "/" + TxText(false), "TX/--"},
        {"LowText", LowText(true) + "/" + LowText(false), "LOW/---"},
        {"UpText", UpText(true) + "/" + UpText(false), "UP/--"},
        {"MemText", MemText(true) + "/" + MemText(false), "MEM/---"},
        {"CmpText", CmpText(true) + "/" + CmpText(false), "CMP/---"},
        {"NarrowText", NarrowText(true) + "/" + NarrowText(false), "N /--"},
        {"UseText member", UseText(true, true), "USE"},
        {"UseText blank", UseText(false, true), "   "},
        {"UseText not member", UseText(false, false), "---"},
    });
}

TEST(Converters, CodedSettingsAndValuesOutsideTheirLists) {
    ExpectAll({
        {"resume 0", ResumeText(0), "--"},
        {"resume 3", ResumeText(3), "3Sec"},
        {"resume 4", ResumeText(4), ""},
        {"resume -1", ResumeText(-1), ""},
        {"tx po 0", TxPoText(0), "Lo Po Only"},
        {"tx po 1", TxPoText(1), "Lo Po on Changing CH"},
        {"tx po 2", TxPoText(2), "Last TX Po"},
        {"tx po 3", TxPoText(3), ""},
        {"weather off", WeatherText(0), "Off"},
        {"weather on is 3", WeatherText(3), "On"},
        {"weather 1", WeatherText(1), ""},
        {"mag 0", MagText(0), "True"},
        {"mag 1", MagText(1), "Mag"},
        {"mag 2", MagText(2), ""},
        {"dup 0", DupText(0), "TX SIMP"},
        {"dup 1", DupText(1), "RX SIMP"},
        {"dup 2", DupText(2), "DUP"},
        {"dup 3", DupText(3), "Reverse DUP"},
        {"dup 4", DupText(4), "---"},
        {"dup -1", DupText(-1), "---"},
    });
}

TEST(Converters, OffsetTableRunsFromMinusTwelveToPlusTwelve) {
    ExpectAll({
        {"index 0", OffsetText(0), "-12:00"},
        {"index 7", OffsetText(7), "-5:00"},
        {"index 11", OffsetText(11), "-1:00"},
        {"index 12", OffsetText(12), " 0:00"},
        {"index 17", OffsetText(17), "+5:00"},
        {"index 24", OffsetText(24), "+12:00"},
        {"below", OffsetText(-1), ""},
        {"above", OffsetText(25), ""},
    });
    EXPECT_EQ(OffsetTable().size(), 25u);
}

TEST(Converters, LmrNameDependsOnTheModel) {
    for (int model : {2, 4, 5, 6}) EXPECT_EQ(LmrName(true, model), "LMR") << model;
    for (int model : {0, 1, 3}) EXPECT_EQ(LmrName(true, model), "EXP") << model;
    EXPECT_EQ(LmrName(false, 5), "EXP");
}

TEST(Converters, ChannelTextNamesMarineAndExpChannels) {
    ExpectAll({
        {"channel 0", ChannelText(0, 5), "00"},
        {"channel 16", ChannelText(16, 5), "16"},
        {"last table entry", ChannelText(119, 5), "119"},
        {"past the table", ChannelText(120, 5), "120"},
        {"first EXP index", ChannelText(240, 5), "1LMR"},
        {"last EXP index, no LMR model", ChannelText(279, 0), "40EXP"},
        {"weather index", ChannelText(280, 5), "Off"},
        {"none", ChannelText(0xFFFF, 5), "Off"},
        {"negative", ChannelText(-1, 5), "Off"},
    });
}

TEST(Converters, FixedWidthNamesAndPlaceholders) {
    ExpectAll({
        {"status name empty", StatusNameText(""), "----"},
        {"status name blank", StatusNameText("   "), "----"},
        {"status name kept as is", StatusNameText(" A "), " A "},
        {"chd empty", ChdText(""), "----"},
        {"chd padded", ChdText("b1"), "b1  "},
        {"chd cut", ChdText("abcdef"), "abcd"},
        {"name empty", NameText(""), "------------"},
        {"name padded", NameText("DISTRESS"), "DISTRESS    "},
        {"name cut", NameText("PORT OPERATION"), "PORT OPERATI"},
        {"name12 empty", Name12(""), "------------"},
        {"name12", Name12("TUG"), "TUG         "},
        {"mmsi empty", Mmsi9(""), "---------"},
        {"mmsi of ten digits shows nine", Mmsi9("3661234500"), "366123450"},
        {"lcd letters", LcdText("BDNOQRTY"), "bdnoqrty"},
        {"lcd others kept", LcdText("ACEZ19 -"), "ACEZ19 -"},
        {"lcd empty", LcdText(""), ""},
    });
}

TEST(Converters, ScramblerShowsItsCodeOnlyWhenOn) {
    ExpectAll({
        {"5", VsText(5), "1"}, {"3", VsText(3), "--"}, {"4", VsText(4), "0"},
        {"7", VsText(7), "3"}, {"0", VsText(0), "--"},
    });
}

TEST(Converters, TonesAndBothDcsModes) {
    ExpectAll({
        {"ctcss 1", ToneText(1, 0), "67.0Hz"},
        {"ctcss 13", ToneText(13, 0), "100.0Hz"},
        {"ctcss 50", ToneText(50, 0), "254.1Hz"},
        {"ctcss wins over dcs", ToneText(1, 5), "67.0Hz"},
        {"dcs 64", ToneText(0, 64), "371N"},
        {"dcs 65", ToneText(0, 65), "411N"},
        {"second mode 105", ToneText(0, 105), "023I"},
        {"second mode 208", ToneText(0, 208), "754I"},
        {"both off", ToneText(0, 0), "-------"},
        {"dcs past both modes", ToneText(0, 209), "-------"},
        {"ctcss past the list falls to dcs", ToneText(51, 1), "023N"},
        {"ctcss past the list alone", ToneText(63, 0), "-------"},
        {"DcsText 1", DcsText(1), "023N"},
        {"DcsText 104", DcsText(104), "754N"},
        {"DcsText 150", DcsText(150), "261I"},
        {"DcsText 0", DcsText(0), ""},
        {"DcsText 209", DcsText(209), ""},
    });
}

TEST(Frequencies, ThreeAndFourDecimalsWithPlaceholders) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ExpectAll({
        {"3: zero", Freq3(0), "---.---"},
        {"3: negative", Freq3(-156.8), "---.---"},
        {"3: not a number", Freq3(nan), "---.---"},
        {"3: plain", Freq3(156.8), "156.800"},
        {"3: 25 kHz step", Freq3(156.025), "156.025"},
        {"3: leading zero", Freq3(99.5), "099.500"},
        {"3tx: inhibited", Freq3Tx(156.8, true), "---.---"},
        {"3tx: allowed", Freq3Tx(156.8, false), "156.800"},
        {"4: zero", Freq4(0), "---.----"},
        {"4: not a number", Freq4(nan), "---.----"},
        {"4: 12.5 kHz raster kept", Freq4(157.0125), "157.0125"},
        {"4: 5 kHz raster kept", Freq4(157.015), "157.0150"},
        {"4: off both rasters cut down", Freq4(157.0123), "157.0100"},
        {"4: cut down, not rounded", Freq4(150.0049), "150.0000"},
        {"4: 6.25 kHz step", Freq4(156.00625), "156.0050"},
    });
}

TEST(Frequencies, SnapAndTwentyFiveKilohertzTest) {
    EXPECT_DOUBLE_EQ(SnapFreq(157.0123), 157.01);
    EXPECT_DOUBLE_EQ(SnapFreq(157.0125), 157.0125);
    EXPECT_TRUE(std::isinf(SnapFreq(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(On25kHz(156.025));
    EXPECT_TRUE(On25kHz(156.05));
    EXPECT_FALSE(On25kHz(156.0125));
    EXPECT_FALSE(On25kHz(156.03));
    EXPECT_FALSE(On25kHz(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace kv
