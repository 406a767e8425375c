#include <gtest/gtest.h>

#include "image/codec.h"
#include "image/defaults.h"
#include "model/channel_plans.h"
#include "support/sessions.h"

namespace kv {
namespace {

RadioSession Fresh(int model) { return test::FreshSession(model); }

class DefaultsForEveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Defaults, DefaultsForEveryModel, ::testing::Range(0, kModelCount));

TEST_P(DefaultsForEveryModel, AFreshImageDecodesToTheDefaultSetup) {
    const int model = GetParam();
    RadioSession s;
    s.model = model;
    BuildDefaultImage(s);
    DecodeImage(s);
    const CommonSetup& c = s.settings.Common;
    EXPECT_EQ(c.SQL, 15);
    EXPECT_EQ(c.LastChGroup, 1);
    EXPECT_EQ(c.LastDisplayCh, 30);
    EXPECT_EQ(c.MarineLmrCh, 30);
    EXPECT_TRUE(c.SCAN);
    EXPECT_EQ(c.ResumeTime, 3);
    EXPECT_TRUE(c.PttScanClear);
    EXPECT_TRUE(c.DualWatch);
    EXPECT_EQ(c.Weater, 3);
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(s.settings.UsableGroups[g].PriorityCh, 32);
        EXPECT_TRUE(s.settings.UsableGroups[g].Enable);
    }
    EXPECT_EQ(s.image[93] & 0x0F, 0x0F) << "all four usable-group flags set";
    if (IsDscModel(model)) {
        EXPECT_EQ(c.OffsetTime, 12);
        EXPECT_EQ(c.MagneticVariation, 0);
    }
    EXPECT_EQ(s.image.lastAddress, model == 1 ? 8191 : 16383);
}

TEST_P(DefaultsForEveryModel, TheDefaultPlanCanTransmitOnChannelSixteen) {
    RadioSession s = Fresh(GetParam());
    DecodeImage(s);
    EXPECT_EQ(s.settings.CHUSA[13].BaseCh, 16);
    EXPECT_TRUE(s.settings.CHUSA[13].TxEnable);
    EXPECT_EQ(s.image[768 + 4 * 13 + 1] >> 6, 3);
    EXPECT_FALSE(s.settings.CHUSA[12].TxEnable) << "receive-only channel 15 stays so";
}

TEST_P(DefaultsForEveryModel, TheIdentificationIsWhereTheImageFileCheckReadsIt) {
    const int model = GetParam();
    RadioSession s = Fresh(model);
    const uint16_t word = IdentificationWord(model);
    EXPECT_EQ(ReadWordBE(s.image, 64), word);
    EXPECT_EQ(ReadWordBE(s.image, s.image.lastAddress - 1), word);
    EXPECT_EQ(ReadWordBE(s.image, map::SecondProductWord(model)), word);
    if (model == 5) {
        EXPECT_EQ(s.image[16370], 3);
    }
}

TEST(BuildDefaultImage, WritesTheTablesAndModelBytes) {
    RadioSession s = Fresh(5);
    const uint8_t table576[] = {0x00, 0x93, 0xAE, 0xC0, 0xC8, 0xD2, 0xDB, 0xE1,
                                0xE4, 0xEA, 0xED, 0xF0, 0xF6, 0xF9, 0xFC, 0xFF};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(s.image[576 + i], table576[i]);
    EXPECT_EQ(s.image[752], 0x44);
    EXPECT_EQ(s.image[767], 0xC1);
    EXPECT_EQ(std::string(s.image.bytes.begin() + 512, s.image.bytes.begin() + 517), "Radio");
    EXPECT_EQ(std::string(s.image.bytes.begin() + 544, s.image.bytes.begin() + 548), "Ram2");
    for (int a = 160; a <= 167; ++a) EXPECT_EQ(s.image[a], 0xFF);
    EXPECT_EQ(s.image[174], 0);
    EXPECT_EQ(s.image[176], 0xBC);
    RadioSession old = Fresh(0);
    EXPECT_EQ(old.image[161], 0x60);
    EXPECT_EQ(old.image[174], 7);
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
    s.settings.Common.LastDisplayCh = 100;  // slot 100 of the USA plan is empty
    NormalizeImage(s);
    EXPECT_EQ(ReadWordBE(s.image, 80), 0);
    EXPECT_EQ(ReadWordBE(s.image, 82), 0);
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
    s.image[98] = 60;  // slot 1: USA slot 60 is not enabled
    s.image[99] = 0;
    s.image[100] = 13;  // slot 2: channel 16 is
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
        {100, false, 32},      // slot 100 empty: 32
        {100, true, 18},       // 32 disabled too: 18
        {-1, false, 0xFFFF},   // none
        {290, false, 0xFFFF},  // outside every group
    };
    for (const auto& c : cases) {
        RadioSession s = Fresh(5);
        s.settings.UsableGroups[kUsaGroup].PriorityCh = static_cast<int32_t>(c.priority);
        s.settings.CHUSA[32].Enable = !c.disable32;
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

TEST(Checksum, IsTheSumOfBytes66To94) {
    RadioSession s = Fresh(5);
    unsigned sum = 0;
    for (int a = 66; a <= 94; ++a) sum += s.image[a];
    ImageChecksum(s.image);
    EXPECT_EQ(s.image[95], sum % 256);
}

TEST(ImageFileSize, FitsTheModel) {
    EXPECT_TRUE(ImageFileSizeOk(1, 8192));
    EXPECT_FALSE(ImageFileSizeOk(1, 16384));
    for (int m : {0, 2, 3, 4, 5, 6}) {
        EXPECT_TRUE(ImageFileSizeOk(m, 16384));
        EXPECT_FALSE(ImageFileSizeOk(m, 8192));
    }
    EXPECT_FALSE(ImageFileSizeOk(7, 16384));
    EXPECT_FALSE(ImageFileSizeOk(-1, 8192));
}

}  // namespace
}  // namespace kv
