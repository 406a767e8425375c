// The converters' edge cases: widths, values outside their lists and
// numbers no reviewed report reaches. The everyday texts are checked by the
// report's golden files.
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

TEST(Cells, PadAndLabelCutToTheirWidth) {
    ExpectAll({
        {"cut", Pad("abcdef", 4), "abcd"},
        {"zero width", Pad("ab", 0), ""},
        {"negative width", Pad("ab", -3), ""},
        {"label cut", Label("Distress", 5), "Dist: "},
    });
}

TEST(Converters, CodedValuesOutsideTheirListsShowTheFallback) {
    ExpectAll({
        {"resume 4", ResumeText(4), ""},
        {"resume -1", ResumeText(-1), ""},
        {"tx po 3", TxPoText(3), ""},
        {"weather on is 3", WeatherText(3), "On"},
        {"weather 1", WeatherText(1), ""},
        {"mag 2", MagText(2), ""},
        {"dup 4", DupText(4), "---"},
        {"dup -1", DupText(-1), "---"},
    });
}

TEST(Converters, OffsetTableRunsFromMinusTwelveToPlusTwelve) {
    ExpectAll({
        {"index 0", OffsetText(0), "-12:00"},
        {"index 11", OffsetText(11), "-1:00"},
        {"index 12", OffsetText(12), " 0:00"},
        {"index 17", OffsetText(17), "+5:00"},
        {"index 24", OffsetText(24), "+12:00"},
        {"below", OffsetText(-1), ""},
        {"above", OffsetText(25), ""},
    });
    EXPECT_EQ(OffsetTable().size(), 25u);
}

TEST(Converters, ChannelTextNamesMarineAndExpChannels) {
    ExpectAll({
        {"channel 0", ChannelText(0, 5), "00"},
        {"last table entry", ChannelText(119, 5), "119"},
        {"past the table", ChannelText(120, 5), "120"},
        {"first EXP index", ChannelText(240, 5), "1LMR"},
        {"last EXP index, no LMR model", ChannelText(279, 0), "40EXP"},
        {"weather index", ChannelText(280, 5), "Off"},
        {"none", ChannelText(0xFFFF, 5), "Off"},
        {"negative", ChannelText(-1, 5), "Off"},
        {"LMR flag clear", LmrName(false, 5), "EXP"},
    });
}

TEST(Converters, FixedWidthNamesAndPlaceholders) {
    ExpectAll({
        {"status name empty", StatusNameText(""), "----"},
        {"status name kept as is", StatusNameText(" A "), " A "},
        {"chd padded", ChdText("b1"), "b1  "},
        {"chd cut", ChdText("abcdef"), "abcd"},
        {"name empty", NameText(""), "------------"},
        {"name cut", NameText("PORT OPERATION"), "PORT OPERATI"},
        {"mmsi empty", Mmsi9(""), "---------"},
        {"mmsi of ten digits shows nine", Mmsi9("3661234500"), "366123450"},
        {"lcd letters", LcdText("BDNOQRTY"), "bdnoqrty"},
        {"lcd others kept", LcdText("ACEZ19 -"), "ACEZ19 -"},
    });
}

TEST(Converters, TonesAtTheEndsOfBothDcsModes) {
    ExpectAll({
        {"first second-mode index", ToneText(0, 105), "023I"},
        {"dcs past both modes", ToneText(0, 209), "-------"},
        {"ctcss past the list falls to dcs", ToneText(51, 1), "023N"},
        {"ctcss past the list alone", ToneText(63, 0), "-------"},
        {"DcsText 1", DcsText(1), "023N"},
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
        {"3: leading zero", Freq3(99.5), "099.500"},
        {"3tx: inhibited", Freq3Tx(156.8, true), "---.---"},
        {"4: not a number", Freq4(nan), "---.----"},
        {"4: 5 kHz raster kept", Freq4(157.015), "157.0150"},
        {"4: cut down, not rounded", Freq4(150.0049), "150.0000"},
        {"4: 6.25 kHz step", Freq4(156.00625), "156.0050"},
    });
}

TEST(Frequencies, SnapAndTwentyFiveKilohertzTest) {
    EXPECT_TRUE(std::isinf(SnapFreq(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(On25kHz(156.025));
    EXPECT_TRUE(On25kHz(156.05));
    EXPECT_FALSE(On25kHz(156.0125));
    EXPECT_FALSE(On25kHz(156.03));
    EXPECT_FALSE(On25kHz(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace kv
