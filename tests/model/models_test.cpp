#include <gtest/gtest.h>

#include "model/models.h"
#include "model/session.h"

namespace kv {
namespace {

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

// SEL1 is bit 5 and SEL2 bit 4 of byte 168; SEL1 picks the variant's name.
TEST(VariantBits, SetSel1ClearSel2AndNameTheModel) {
    RadioSession s;
    s.model = 6;
    s.image[168] = 0xFF;
    SetVariantBits(s.image, false);
    EXPECT_EQ(s.image[168], 0xCF);
    EXPECT_EQ(s.ModelName(), "KV170X/KV150");
    SetVariantBits(s.image, true);
    EXPECT_EQ(s.image[168], 0xEF);
    EXPECT_TRUE(s.Sel1());
    EXPECT_FALSE(s.Sel2());
    EXPECT_EQ(s.ModelName(), "KV170X/KV170");
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

TEST(Destinations, DefaultDataFileNameJoinsNameProductTagAndExtension) {
    EXPECT_EQ(DefaultDataFileName(5, "KV170-usa"), "KV170-usa_019A.ini");
    EXPECT_EQ(DefaultDataFileName(6, "KV150-grmn"), "KV150-grmn_019B.ini");
    EXPECT_EQ(ProductTag(7), "");
    EXPECT_EQ(ProductTag(-1), "");
}

}  // namespace
}  // namespace kv
