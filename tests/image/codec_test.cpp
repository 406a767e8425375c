#include <gtest/gtest.h>

#include "image/codec.h"
#include "support/random_settings.h"

namespace kv {
namespace {

constexpr CivilDate kBeforeDeadline{2012, 6, 1};
constexpr CivilDate kAfterDeadline{2026, 12, 6};

RadioSession SessionFor(int model, CivilDate today = kBeforeDeadline) {
    RadioSession s;
    s.model = model;
    s.image.lastAddress = ImageLastAddress(model);
    s.today = [today] { return today; };
    return s;
}

// ---- Round trips over random data, for every model type ----------------------

class CodecForEveryModel : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Codec, CodecForEveryModel, ::testing::Range(0, kModelCount));

// The bits EncodeImage may change, from the address-map tables; every other
// bit of the image must come through untouched.
std::array<uint8_t, kImageSize> WrittenBits(int model) {
    std::array<uint8_t, kImageSize> mask{};
    const auto set = [&](int first, int last, uint8_t bits) {
        for (int a = first; a <= last; ++a) mask[static_cast<size_t>(a)] |= bits;
    };
    const bool dsc = model == 0 || model == 3;
    set(68, 70, 0xFF);
    set(74, 74, 0xF0);
    if (dsc) set(76, 76, 0x5F);
    set(80, 89, 0xFF);
    if (dsc) set(90, 90, 0x01);
    set(91, 91, 0x8E);
    set(93, 93, 0xBF);
    set(94, 94, 0xFF);
    if (dsc) {
        set(160, 160, 0xE0);
        set(161, 163, 0xFF);
        set(164, 164, 0xFC);
        set(165, 165, 0xFF);
        set(166, 166, 0xC2);
        set(496, 500, 0xFF);
    }
    set(497, 499, 0xFF);
    set(505, 505, dsc ? 0xFF : 0xF0);
    set(507, 511, 0xFF);
    for (int bitmap : {256, 288, 320, 352, 384, 416}) set(bitmap, bitmap + 16, 0xFF);
    set(448, 449, 0xFF);
    set(464, 465, 0xFF);
    set(450, 455, 0xFF);
    set(466, 471, 0xFF);
    for (int base : {768, 1280, 1792})
        for (int n = 0; n < 128; ++n) set(base + 4 * n, base + 4 * n + 2, 0xFF);
    for (int n = 0; n < 48; ++n) {
        const int a = 2304 + 16 * n;
        set(a, a + 10, 0xFF);
        set(a + 15, a + 15, 0xFF);
        if (model == 2) set(a + 10, a + 13, 0xFF);
        if (model >= 4) set(a + 11, a + 14, 0xFF);
    }
    if (model != 1) {
        set(3072, 3072 + 128 * 12 - 1, 0xFF);
        set(5952, 5952 + 128 * 12 - 1, 0xFF);
        set(8832, 8832 + 128 * 12 - 1, 0xFF);
        set(11712, 12320 + 8 * 12 - 1, 0xFF);  // weather, EXP and RG names
    }
    if (model == 0)
        for (int i = 0; i < 20; ++i) set(12544 + 8 * i, 12544 + 8 * i + 5, 0xFF);
    if (dsc) set(12800, 13568 + 10 * 16 - 1, 0xFF);
    return mask;
}

TEST_P(CodecForEveryModel, BytesNoFieldCoversComeThroughUnchanged) {
    const int model = GetParam();
    const auto written = WrittenBits(model);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        test::RandomSettings random(seed);
        RadioSession s = SessionFor(model);
        random.FillImage(s.image);
        const RadioImage before = s.image;
        DecodeImage(s);
        ASSERT_EQ(s.image, before) << "decoding never changes the image";
        s.settings = random.Make(model, s.Sel1());
        EncodeImage(s);
        for (int a = 0; a < kImageSize; ++a)
            ASSERT_EQ((before[a] ^ s.image[a]) & ~written[static_cast<size_t>(a)], 0)
                << "model " << model << " address " << a << " seed " << seed;
    }
}

TEST_P(CodecForEveryModel, ARadioImageSurvivesDecodeAndEncodeUnchanged) {
    // An image the radio wrote, decoded into a new session and encoded with
    // no edit, is the same image again: the decoder finds every value the
    // encoder wrote, of every channel, on the image alone.
    const int model = GetParam();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        test::RandomSettings random(seed * 7 + static_cast<unsigned>(model));
        random.plainNames = true;
        RadioSession s = SessionFor(model);
        random.FillImage(s.image);
        s.settings = random.Make(model, s.Sel1());
        for (ChannelRecord& rg : s.settings.CHRG) rg.LmrExp = false;  // RG channels are never land-mobile
        EncodeImage(s);
        RadioSession read = SessionFor(model);
        read.image = s.image;
        // Model type 3 writes the killer flags and the rotary beep but does not read them back.
        read.settings.Atis.UsableAtisKillerChGroup = s.settings.Atis.UsableAtisKillerChGroup;
        read.settings.Common.RotaryBeep = s.settings.Common.RotaryBeep;
        DecodeImage(read);
        EncodeImage(read);
        for (int a = 0; a < kImageSize; ++a)
            ASSERT_EQ(read.image[a], s.image[a]) << "model " << model << " seed " << seed << " address " << a;
    }
}

// ---- Decoding ---------------------------------------------------------------------

// The values of erased memory that no round trip reaches.
TEST(Decode, AnImageOfFFGivesTheDocumentedValues) {
    RadioSession s = SessionFor(5);
    DecodeImage(s);
    EXPECT_EQ(s.settings.CHUSA[0].StatusNo, "150") << "prefix nibble 15";
    EXPECT_EQ(s.settings.CHUSA[0].StatusIcon, "");
    const ChannelRecord& exp = s.settings.CHEXP[0];
    EXPECT_EQ(exp.TxCTCSS, 0);
    EXPECT_EQ(exp.RxCTCSS, 0);
    EXPECT_EQ(exp.TxDCS, 0);
    EXPECT_EQ(exp.RxDCS, 0);
    EXPECT_FALSE(exp.RxComp);
}

TEST(Decode, OffsetTimeAndMagneticVariationOnModelZero) {
    struct Case {
        uint8_t byte76;
        int offset;
        int magnetic;
    };
    const Case cases[] = {{0x45, 7, 1}, {0x15, 17, 0}, {0x10, 12, 0}, {0x00, 12, 0},
                          {0x1F, 12, 0}, {0x0F, 0, 0},  {0x1D, 24, 0}};
    for (const auto& c : cases) {
        RadioSession s = SessionFor(0);
        s.image[76] = c.byte76;
        DecodeImage(s);
        EXPECT_EQ(s.settings.Common.OffsetTime, c.offset) << int(c.byte76);
        EXPECT_EQ(s.settings.Common.MagneticVariation, c.magnetic) << int(c.byte76);
    }
}

TEST(Decode, AnEnabledExpansionChannelMakesOnlyTheExpGroupUsable) {
    RadioSession s = SessionFor(5);
    s.image[450] = 0x80;  // EXP channel 0 enabled, the rest not
    for (int a = 451; a <= 454; ++a) s.image[a] = 0;
    s.image[2304 + 15] = 0x00;  // LMR EXP clear: an expansion channel
    s.image[93] = 0x01;
    DecodeImage(s);
    EXPECT_TRUE(s.settings.UsableGroups[kExpGroup].Enable);
    EXPECT_FALSE(s.settings.UsableGroups[kLmrGroup].Enable);
}

TEST(Decode, TheFirstFreeDirectoryEntryFreesAllAfterIt) {
    RadioSession s = SessionFor(3);
    s.settings.CHMMSID[5] = {true, "OLD", "123"};
    for (int i = 0; i < 40; ++i) {
        WriteBcdDigits(s.image, 12800 + 16 * i, i == 2 ? "" : "366000001", true);
        WriteName(s.image, {static_cast<uint16_t>(12800 + 16 * i + 5), 11}, "BOAT");
    }
    DecodeImage(s);
    EXPECT_TRUE(s.settings.CHMMSID[1].Enable);
    EXPECT_EQ(s.settings.CHMMSID[1].TagName, "BOAT");
    for (int i = 2; i < 40; ++i) EXPECT_EQ(s.settings.CHMMSID[i], DirectoryEntry{}) << i;
}

TEST(Decode, ModelsWithoutToneBlocksKeepTheirToneFields) {
    RadioSession s = SessionFor(1);
    s.settings.CHEXP[0].TxCTCSS = 12;
    DecodeImage(s);
    EXPECT_EQ(s.settings.CHEXP[0].TxCTCSS, 12);
}

// ---- Encoding ---------------------------------------------------------------------

void Power(ChannelRecord& ch, bool txEnable, bool lowPower, int txPower) {
    ch.TxEnable = txEnable;
    ch.LowPower = lowPower;
    ch.TXPower = static_cast<uint8_t>(txPower);
}

void AllAtisGroups(RadioSettings& r, const char* code) {
    r.Atis.UsableAtisChGroup = {true, true, true, true};
    r.Atis.AtisCode = code;
}

// One edit of model type 5's settings and the bits it gives.
TEST(Encode, FieldsLandOnTheirBits) {
    struct Case {
        const char* what;
        void (*edit)(RadioSettings&);
        int address;
        uint8_t mask, expected;
    };
    const Case cases[] = {
        {"power code 0", [](RadioSettings& r) { Power(r.CHUSA[0], false, true, 3); }, 769, 0xC0, 0x00},
        {"power code 1", [](RadioSettings& r) { Power(r.CHUSA[0], true, true, 3); }, 769, 0xC0, 0x40},
        {"power code 2", [](RadioSettings& r) { Power(r.CHUSA[0], true, false, 2); }, 769, 0xC0, 0x80},
        {"power code 3", [](RadioSettings& r) { Power(r.CHUSA[0], true, false, 3); }, 769, 0xC0, 0xC0},
        {"status prefix 10", [](RadioSettings& r) { r.CHUSA[0].StatusNo = "10"; }, 770, 0x0F, 1},
        {"status prefix 25, half to even", [](RadioSettings& r) { r.CHUSA[0].StatusNo = "25"; }, 770, 0x0F, 2},
        {"status prefix 35, half to even", [](RadioSettings& r) { r.CHUSA[0].StatusNo = "35"; }, 770, 0x0F, 4},
        {"no status prefix", [](RadioSettings& r) { r.CHUSA[0].StatusNo = ""; }, 770, 0x0F, 0},
        {"a status prefix not a number", [](RadioSettings& r) { r.CHUSA[0].StatusNo = "x"; }, 770, 0x0F, 0},
        {"an LMR channel: LMR EXP set, not in USA, INT or CAN",
         [](RadioSettings& r) { r.CHEXP[0].LmrExp = r.CHEXP[0].UsaGroup = true; }, 2319, 0xFF, 0x8E},
        {"an EXP channel of a group not usable is stored disabled",
         [](RadioSettings& r) { r.CHEXP[0].Enable = r.UsableGroups[kLmrGroup].Enable = true; }, 450, 0x80, 0x00},
        {"ATIS groups need a code", [](RadioSettings& r) { AllAtisGroups(r, ""); }, 505, 0xF0, 0x00},
        {"ATIS groups with a code", [](RadioSettings& r) { AllAtisGroups(r, "9211234567"); }, 505, 0xF0, 0xF0},
    };
    for (const auto& c : cases) {
        RadioSession s = SessionFor(5);
        c.edit(s.settings);
        EncodeImage(s);
        EXPECT_EQ(s.image[c.address] & c.mask, c.expected) << c.what;
    }
}

TEST(Encode, BitmapsWriteTheirEntriesAndOneMoreZeroByte) {
    RadioSession s = SessionFor(5);
    for (ChannelRecord& ch : s.settings.CHUSA) ch.Enable = true;
    for (ChannelRecord& ch : s.settings.CHWX) ch.Enable = true;
    EncodeImage(s);
    for (int b = 0; b < 16; ++b) EXPECT_EQ(s.image[256 + b], 0xFF);
    EXPECT_EQ(s.image[256 + 16], 0x00);
    EXPECT_EQ(s.image[448], 0xFF);
    EXPECT_EQ(s.image[449], 0xC0);
    EXPECT_EQ(s.image[455], 0x00) << "the RG bitmap is one byte";
    EXPECT_EQ(s.image[456], 0xFF);
}

TEST(Encode, NamesAreStoredUpperCaseInTheImageAndTheSettings) {
    RadioSession s = SessionFor(5);
    s.settings.CHUSA[3].ChTag = "harbour";
    s.settings.CHRG[2].ChTag = "Rg three";
    EncodeImage(s);
    EXPECT_EQ(s.settings.CHUSA[3].ChTag, "HARBOUR");
    EXPECT_EQ(ReadName(s.image, {3072 + 36, 12}), "HARBOUR");
    EXPECT_EQ(ReadName(s.image, {12320 + 24, 12}), "RG THREE");
}

TEST(Encode, WideLandMobileChannelsInTheBandGoNarrowAfterTheDeadline) {
    for (const auto& [today, narrow] : {std::pair{kBeforeDeadline, false}, std::pair{kAfterDeadline, true}}) {
        RadioSession s = SessionFor(5, today);
        ChannelRecord& ch = s.settings.CHEXP[0];
        ch.LmrExp = true;
        ch.Txfreq = 155.0;
        ch.Narrow = false;
        EncodeImage(s);
        EXPECT_EQ(s.image[2304] & 1, narrow ? 1 : 0);
        EXPECT_FALSE(ch.Narrow) << "the settings themselves are not changed";
    }
}

TEST(Encode, ModelTwoWritesTheToneBlockOverTheLastFrequencyByte) {
    RadioSession s = SessionFor(2);
    ChannelRecord& ch = s.settings.CHEXP[0];
    ch.Txfreq = 156.8125;
    ch.TxCTCSS = 5;
    EncodeImage(s);
    EXPECT_EQ(s.image[2304 + 8], 0x56);
    EXPECT_EQ(s.image[2304 + 9], 0x81);
    EXPECT_EQ(s.image[2304 + 10], 0x00) << "t0 of the tone block";
    EXPECT_EQ(s.image[2304 + 11], 0x05);
}

TEST(Encode, DscModelsSwitchOffGroupsWithoutChannels) {
    RadioSession s = SessionFor(3);
    s.settings.UsableGroups[kUsaGroup].Enable = true;
    s.settings.UsableGroups[kIntlGroup].Enable = true;
    s.settings.CHINT[0].Enable = true;
    s.settings.UsableGroups[kLmrGroup].Enable = true;
    EncodeImage(s);
    EXPECT_FALSE(s.settings.UsableGroups[kUsaGroup].Enable);
    EXPECT_TRUE(s.settings.UsableGroups[kIntlGroup].Enable);
    EXPECT_FALSE(s.settings.UsableGroups[kLmrGroup].Enable);
    EXPECT_EQ(s.image[93] & 0x0F, 0x04);
}

}  // namespace
}  // namespace kv
