#include <gtest/gtest.h>

#include "image/codec.h"
#include "image/defaults.h"
#include "support/sessions.h"
#include "support/temp_dir.h"

namespace kv {
namespace {

RadioSession Fresh(int model) { return test::FreshSession(model); }

class DefaultsForEveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Defaults, DefaultsForEveryModel, ::testing::Range(0, kModelCount));

// The whole default image of File > New, byte for byte. KV_UPDATE_GOLDEN=1
// rewrites the files, for a reviewed change of the defaults.
TEST_P(DefaultsForEveryModel, TheDefaultImageMatchesItsGoldenFile) {
    const RadioSession s = Fresh(GetParam());
    const auto path = std::filesystem::path(KV_TEST_SOURCE_DIR) / "image" / "golden" / ("model" + std::to_string(GetParam()) + ".img");
    const std::vector<uint8_t> image(s.image.bytes.begin(), s.image.bytes.begin() + s.image.size());
    if (std::getenv("KV_UPDATE_GOLDEN")) test::WriteAll(path, image);
    const std::vector<uint8_t> golden = test::ReadAll(path);
    ASSERT_EQ(golden.size(), image.size()) << path;
    for (size_t a = 0; a < image.size(); ++a) ASSERT_EQ(image[a], golden[a]) << "address " << a;
}

TEST(Normalize, AnUnusableCurrentGroupMovesToTheNextUsableOne) {
    RadioSession s = Fresh(5);
    s.image[70] = 0;
    s.image[93] = (s.image[93] & 0xF0) | 0x02;  // only the Canadian group usable
    NormalizeImage(s);
    EXPECT_EQ(s.image[70], 2);
}

TEST(Normalize, AnInvalidCurrentChannelBecomesTheFirstEnabledOne) {
    RadioSession s = Fresh(5);
    s.image[70] = 0;
    s.settings.Common.LastDisplayCh = 100;  // record 99 of the USA plan is empty
    NormalizeImage(s);
    EXPECT_EQ(ReadWordBE(s.image, 80), 1) << "record 0, counted from 1";
    EXPECT_EQ(ReadWordBE(s.image, 82), 1);
}

TEST(Normalize, AGroupWithoutChannelsFallsBackToTheFirstExpChannelByItsMemoryIndex) {
    RadioSession s = Fresh(5);
    for (ChannelRecord& ch : s.settings.CHUSA) ch.Enable = false;
    s.settings.CHEXP[3].Enable = true;
    s.image[70] = 0;
    s.settings.Common.LastDisplayCh = 5;
    s.settings.UsableGroups[kUsaGroup].Enable = true;
    EncodeImage(s);
    s.image[70] = 0;
    NormalizeImage(s);
    EXPECT_EQ(ReadWordBE(s.image, 80), 243);
}

TEST(Normalize, WeatherModeMovesToAnEnabledWeatherChannel) {
    RadioSession s = Fresh(5);
    s.image[71] = 1;
    s.image[72] = 4;
    s.settings.CHWX[4].Enable = false;
    s.settings.CHWX[0].Enable = false;
    NormalizeImage(s);
    EXPECT_EQ(s.image[72], 1);
    EXPECT_EQ(ReadWordBE(s.image, 80), 1);
}

TEST(Normalize, ChannelListSlotsOfDisabledChannelsAreEmptied) {
    RadioSession s = Fresh(5);
    WriteWordBE(s.image, 96, 0xFFFF);
    s.image[98] = 60;  // slot 1: USA record 59 is not enabled
    s.image[99] = 0;
    s.image[100] = 13;  // slot 2: record 12 (channel 15) is
    s.image[101] = 0;
    NormalizeImage(s);
    EXPECT_EQ(ReadWordLE(s.image, 96), 0xFFFF);
    EXPECT_EQ(ReadWordLE(s.image, 98), 0xFFFF);
    EXPECT_EQ(ReadWordLE(s.image, 100), 13);
}

TEST(Normalize, PriorityChannelsFallBackToTheCandidates) {
    struct Case {
        long priority;
        bool disable32;
        uint16_t expected;
    };
    const Case cases[] = {
        {5, false, 5},         // valid: stays
        {54, false, 54},       // the plan's last channel, record 53 (88A)
        {100, false, 32},      // record 99 empty: 32
        {100, true, 18},       // 32 disabled too: 18
        {0, false, 32},        // names no record
        {150, false, 32},      // past the 128 records, though the bitmap's byte there is 0xFF
        {-1, false, 0xFFFF},   // none
        {290, false, 0xFFFF},  // outside every group
    };
    for (const auto& c : cases) {
        RadioSession s = Fresh(5);
        s.settings.UsableGroups[kUsaGroup].PriorityCh = static_cast<int32_t>(c.priority);
        s.settings.CHUSA[31].Enable = !c.disable32;  // what 32 names
        EncodeImage(s);
        NormalizeImage(s);
        EXPECT_EQ(ReadWordBE(s.image, 84), c.expected) << c.priority;
    }
}

TEST(Normalize, AtisStateOfDscModelsFollowsTheCallSignTable) {
    RadioSession s = Fresh(0);
    s.settings.Atis.AtisCode = "9211234567";
    s.settings.Atis.UsableAtisChGroup = {true, false, false, false};
    EncodeImage(s);
    NormalizeImage(s);
    EXPECT_EQ(s.image[506] >> 6, 1) << "empty call sign table";
    EXPECT_EQ(s.image[506] & 0x3F, 0);
    s.settings.Atis.CallSign[3] = {"244", "NL"};
    EncodeImage(s);
    NormalizeImage(s);
    EXPECT_EQ(s.image[506] >> 6, 2);
}

}  // namespace
}  // namespace kv
