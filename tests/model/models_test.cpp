#include <gtest/gtest.h>

#include "model/models.h"
#include "model/session.h"

namespace kv {
namespace {

struct NameCase {
    int model;
    bool sel1;
    const char* name;
};

TEST(ModelName, FollowsTheModelTableAndTheVariantBit) {
    const NameCase cases[] = {
        {0, true, "KV110"},  {1, false, "KV110"}, {2, true, "KV130"},        {3, true, "KV110"},
        {4, false, "KV150"}, {5, true, "KV170"},  {5, false, "KV150"},       {6, true, "KV170X/KV170"},
        {6, false, "KV170X/KV150"}, {7, true, "KV110"}, {-1, true, "KV110"},
    };
    for (const auto& c : cases) EXPECT_EQ(ModelName(c.model, c.sel1), c.name) << c.model << " " << c.sel1;
}

TEST(ModelName, ComesFromByte168OfTheSessionImage) {
    RadioSession s;
    s.model = 5;
    s.image[168] = 0x20;
    EXPECT_EQ(s.ModelName(), "KV170");
    s.image[168] = 0x00;
    EXPECT_EQ(s.ModelName(), "KV150");
}

TEST(ProductTag, IsUnderscoreAndFourUpperHexDigits) {
    EXPECT_EQ(ProductTag(5), "_019A");
    EXPECT_EQ(ProductTag(6), "_019B");
    EXPECT_EQ(ProductTag(7), "");
    EXPECT_EQ(ProductTag(-1), "");
}

TEST(ProductCode, IsDistinctPerModelAndAvoidsTheLinkCodesOnOlderModels) {
    for (int a = 0; a < kModelCount; ++a) {
        EXPECT_NE(ProductCode(a), 0);
        for (int b = a + 1; b < kModelCount; ++b) EXPECT_NE(ProductCode(a), ProductCode(b));
    }
    for (int m = 0; m <= 4; ++m) {
        EXPECT_NE(ProductCode(m), 410);
        EXPECT_NE(ProductCode(m), 411);
        EXPECT_EQ(IdentificationWord(m), 0) << "older radios identify themselves with 0";
    }
    EXPECT_EQ(IdentificationWord(5), 410);
    EXPECT_EQ(IdentificationWord(6), 411);
}

TEST(RegionFromByte, KeepsZeroToFiveOnModelSixOnly) {
    for (int b = 0; b < 256; ++b) {
        const uint8_t expected = b <= 5 ? static_cast<uint8_t>(b) : kNoRegion;
        EXPECT_EQ(RegionFromByte(6, static_cast<uint8_t>(b)), expected) << b;
        EXPECT_EQ(RegionFromByte(5, static_cast<uint8_t>(b)), kNoRegion) << b;
    }
}

TEST(SetVariantBits, SetsSel1AndClearsSel2Only) {
    RadioSession s;
    s.image[168] = 0xFF;
    SetVariantBits(s.image, false);
    EXPECT_EQ(s.image[168], 0xCF);
    SetVariantBits(s.image, true);
    EXPECT_EQ(s.image[168], 0xEF);
    EXPECT_TRUE(s.Sel1());
    EXPECT_FALSE(s.Sel2());
}

TEST(Destinations, ModelSixListsTwelveNamesWithKV170XFirst) {
    const auto list = CanonicalDestinations(6);
    ASSERT_EQ(list.size(), 12u);
    const char* expected[] = {"KV170X-intl", "KV170X-uk", "KV170X-be", "KV170X-nl", "KV170X-sw", "KV170X-grmn",
                              "KV150-intl",  "KV150-uk",  "KV150-be",  "KV150-nl",  "KV150-sw",  "KV150-grmn"};
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].name, expected[i]);
        EXPECT_EQ(list[i].sel1, i < 6);
        EXPECT_EQ(list[i].region, i % 6);
    }
    EXPECT_EQ(CanonicalDestinations(5).size(), 2u);
    EXPECT_TRUE(CanonicalDestinations(4).empty());
}

TEST(Destinations, RegionNoneCountsAsIntl) {
    EXPECT_EQ(DestinationFor(6, true, kNoRegion)->name, "KV170X-intl");
    EXPECT_EQ(DestinationFor(6, false, 3)->name, "KV150-nl");
    EXPECT_EQ(DestinationFor(5, false, kNoRegion)->name, "KV150-usa");
    EXPECT_FALSE(DestinationFor(2, true, 0));
}

TEST(Destinations, DefaultDataFileNameJoinsNameTagAndExtension) {
    EXPECT_EQ(DefaultDataFileName(5, "KV170-usa"), "KV170-usa_019A.ini");
    EXPECT_EQ(DefaultDataFileName(6, "KV150-grmn"), "KV150-grmn_019B.ini");
}

TEST(SeriesWord, NamesTheEditModelQuestion) {
    EXPECT_EQ(SeriesWord(5), "KV170");
    EXPECT_EQ(SeriesWord(6), "KV170X");
    EXPECT_EQ(SeriesWord(0), "KB900M");
    EXPECT_EQ(SeriesWord(3), "KP600");
}

}  // namespace
}  // namespace kv
