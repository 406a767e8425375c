#include <gtest/gtest.h>

#include "image/radio_image.h"

namespace kv {
namespace {

RadioImage WithBytes(int address, std::initializer_list<uint8_t> bytes) {
    RadioImage image;
    int a = address;
    for (uint8_t b : bytes) image[a++] = b;
    return image;
}

std::vector<uint8_t> BytesAt(const RadioImage& image, int address, int count) {
    return {image.bytes.begin() + address, image.bytes.begin() + address + count};
}

TEST(Bits, WriteReplacesOnlyTheFieldAndCutsWideValues) {
    RadioImage image;
    image[10] = 0b1010'1010;
    WriteBits(image, {10, 5, 2}, 0b01);
    EXPECT_EQ(image[10], 0b1001'1010);
    EXPECT_EQ(ReadBits(image, {10, 5, 2}), 0b01u);
    WriteBits(image, {10, 2, 3}, 9);  // a Scramble of 9 is written as 1
    EXPECT_EQ(ReadBits(image, {10, 2, 3}), 1u);
    EXPECT_EQ(image[10] & 0xF8, 0b1001'1000);
    WriteBits(image, {10, 7, 8}, 0x1FF);
    EXPECT_EQ(image[10], 0xFF);
}

TEST(DigitStrings, ANibbleAboveNineEndsTheText) {
    EXPECT_EQ(ReadBcdDigits(WithBytes(496, {0x15, 0x6F, 0xFF, 0xFF, 0xFF}), 496), "156");
    EXPECT_EQ(ReadBcdDigits(WithBytes(496, {0xFF, 0x12, 0x34, 0x56, 0x78}), 496), "");
    EXPECT_EQ(ReadBcdDigits(WithBytes(496, {0x12, 0x34, 0x56, 0x78, 0x90}), 496), "1234567890");
}

// An ATIS code fills unused nibbles with F; a nine-digit MMSI gets a tenth 0.
TEST(DigitStrings, WriteDigitsThenFOrTheForcedTenthZero) {
    struct Case {
        const char* digits;
        bool tenthZero;
        std::vector<uint8_t> bytes;
        const char* read;
    };
    const Case cases[] = {
        {"9211234567", false, {0x92, 0x11, 0x23, 0x45, 0x67}, "9211234567"},
        {"", false, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"92112345", false, {0x92, 0x11, 0x23, 0x45, 0xFF}, "92112345"},
        {"366123456", true, {0x36, 0x61, 0x23, 0x45, 0x60}, "3661234560"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.bytes.fill(0);
        WriteBcdDigits(image, 507, c.digits, c.tenthZero);
        EXPECT_EQ(BytesAt(image, 507, 5), c.bytes) << c.digits;
        EXPECT_EQ(ReadBcdDigits(image, 507), c.read);
    }
}

TEST(Frequencies, DecodeFromPackedDecimal) {
    struct Case {
        std::initializer_list<uint8_t> bytes;
        double mhz;
    };
    const Case cases[] = {
        {{0xFF, 0xFF, 0xFF}, 0},        {{0x62, 0x55, 0x00}, 162.55},  {{0x56, 0x81, 0x25}, 156.8125},
        {{0x00, 0x00, 0x00}, 0},        {{0x56, 0x8F, 0xFF}, 156.8},   {{0x5F, 0x00, 0x00}, 105.0},
        {{0x99, 0x99, 0x99}, 199.9999}, {{0x00, 0x00, 0x01}, 100.0001},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadFrequency(WithBytes(2309, c.bytes), 2309), c.mhz);
}

TEST(Frequencies, EncodeTheFrequencyLessOneHundredInHundredHertz) {
    struct Case {
        double mhz;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {156.8125, {0x56, 0x81, 0x25}}, {162.55, {0x62, 0x55, 0x00}}, {100.0, {0, 0, 0}},
        {0, {0, 0, 0}},                 {-5, {0, 0, 0}},              {156.05, {0x56, 0x05, 0x00}},
        {250.0, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        RadioImage image;
        WriteFrequency(image, c.mhz, 2309);
        EXPECT_EQ(BytesAt(image, 2309, 3), c.bytes) << c.mhz;
    }
}

TEST(Names, WriteTheFieldExactlyAndReadUpToTheFirstNonCharacter) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<uint8_t> bytes;  // the field's first bytes
        const char* read;
    };
    const Case cases[] = {
        {"padded with FF", "HELLO", {'H', 'E', 'L', 'L', 'O', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "HELLO"},
        {"characters only the encoder knows end the name", "A.B+C", {'A', '.', 'B', '+', 'C'}, "A"},
        {"characters outside the set are written as FF", "A\xE9" "B", {'A', 0xFF, 'B'}, "A"},
        {"trailing spaces are not read", "AB  ", {'A', 'B', ' ', ' ', 0xFF}, "AB"},
        {"cut to the field", "ABCDEFGHIJKLMNOP", {'A', 'B'}, "ABCDEFGHIJKL"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image[3084] = 0;
        WriteName(image, {3072, 12}, c.text);
        EXPECT_EQ(BytesAt(image, 3072, static_cast<int>(c.bytes.size())), c.bytes) << c.what;
        EXPECT_EQ(ReadName(image, {3072, 12}), c.read) << c.what;
        EXPECT_EQ(image[3084], 0) << c.what << ": nothing is written past the field";
    }
}

TEST(CallSigns, AreRightJustifiedAndReadWithoutGaps) {
    RadioImage image;
    WriteNameRightJustified(image, {12544, 3}, "AB");
    EXPECT_EQ(BytesAt(image, 12544, 3), (std::vector<uint8_t>{0xFF, 'A', 'B'}));
    EXPECT_EQ(ReadNameFixed(image, {12544, 3}), "AB");
    WriteNameRightJustified(image, {12544, 3}, "WXYZ");
    EXPECT_EQ(ReadNameFixed(image, {12544, 3}), "XYZ");
    WriteNameRightJustified(image, {12544, 3}, "a b");
    EXPECT_EQ(BytesAt(image, 12544, 3), (std::vector<uint8_t>{'a', 0xFF, 'b'}));
    EXPECT_EQ(ReadNameFixed(image, {12544, 3}), "ab");
}

}  // namespace
}  // namespace kv
