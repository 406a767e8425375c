#include "image/defaults.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "image/codec.h"
#include "model/channel_plans.h"

namespace kv {
namespace {

using namespace map;

// A default: the same value in every byte of an area, a field's whole byte
// or a single byte.
struct DefaultBytes {
    Span area;
    uint8_t value;
    constexpr DefaultBytes(Span a, uint8_t v) : area(a), value(v) {}
    constexpr DefaultBytes(Bits field, uint8_t v) : area{field.address, 1}, value(v) {}
    constexpr DefaultBytes(int address, uint8_t v) : area{static_cast<uint16_t>(address), 1}, value(v) {}
};

// A 16-bit default, high byte first.
struct DefaultWord {
    int address;
    uint16_t value;
};

// The common default bytes, in address order.
constexpr DefaultBytes kCommonDefaults[] = {
    {Spare66, 0},
    {TxPoDisplay, 0},
    {LastTxPower, 0},
    {LastChGroup, 1},
    {DisplayMode, 0},
    {CurrentWeather, 0},
    {Spare73, 0},
    {SQL, 0xFF},         // SQL 15
    {Spare75, 0},
    {OffsetTime, 0x30},  // Offset Time 12, no Magnetic Variation
    {RotaryBeep, 0xF2},
    {SCAN, 0xCE},        // SCAN and PTT SCAN Clear on, Resume Time 3
    {Spare92, 0},
    {DualWatch, 0xBF},   // Dual Watch on, Weater 3, all four groups usable
    {TxTot(0), 0},
    {DscCallEnable(0, 0), 0x60},
    {DscCallEnable(1, 0), 0x10},
    {DscCallEnable(2, 0), 0x10},
    {PosRequest, 0xAC},
    {BeepOut(0), 0xFE},
    {IndividualAckMenu, 0xFF},
    {Spare170, 7},
    {Spare176, 0xBC},
    {Spare178, 7},
    {Spare184, 0},
    {ExpGroup.EnableArea(), 0},
    {ExpGroup.ScanArea(), 0},
    {UserMmsiDigits, 0xFF},
    {MmsiPermission, 0},
    {UsableAtisChGroup(0), 0xFF},
    {AtisState(0), 0xFF},
    {AtisCodeDigits, 0xFF},
    {ExpGroup.EntryArea(), 0},  // all EXP channel entries
};

constexpr DefaultWord kCommonWords[] = {
    {LastDisplayCh, 30},
    {MarineLmrCh, 30},
    {PriorityCh(0), 32},
    {PriorityCh(1), 32},
    {PriorityCh(2), 32},
};

// The model bytes: types 5 and 6 have no DSC setup; 4, 5 and 6 clear 174..175.
constexpr DefaultBytes kNoDscSetup{PresetBytes, 0xFF};
constexpr DefaultBytes kLandMobileBytes{Spare174, 0};

void Fill(RadioImage& image, const DefaultBytes& run) {
    for (int a = run.area.address; a < run.area.end(); ++a) image[a] = run.value;
}

struct DefaultText {
    int address;
    std::string_view text;
};
constexpr DefaultText kDefaultTexts[] = {{DefaultText1, "Radio"}, {DefaultText2, "Ram1"}, {DefaultText3, "Ram2"}};

struct DefaultTable {
    int address;
    std::string_view hex;  // comma-separated hexadecimal pairs
};
constexpr DefaultTable kDefaultTables[] = {
    {DefaultTable1, "00,00,10,20,30,40,50,60,70,80,90,A0,B0,C0,D0,FF"},
    {DefaultTable2, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF"},
    {DefaultTable3, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF"},
    {DefaultTable4, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF"},
    {DefaultTable5, "00,08,1C,30,43,57,6B,7B,8C,9C,AA,BC,CB,D8,E0,FF"},
    {DefaultTable6, "44,50,5C,65,6E,77,80,89,92,9B,A4,AA,B3,B6,BB,C1"},
};

int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

void WriteTable(RadioImage& image, const DefaultTable& table) {
    int address = table.address;
    for (size_t i = 0; i + 1 < table.hex.size(); i += 3)
        image[address++] = static_cast<uint8_t>(HexDigit(table.hex[i]) << 4 | HexDigit(table.hex[i + 1]));
}

void WriteModelBytes(RadioSession& s) {
    RadioImage& image = s.image;
    const uint16_t word = IdentificationWord(s.model);
    WriteWordBE(image, ProductWord.address, word);
    WriteWordBE(image, image.lastAddress - 1, word);
    // Model types 0 and 3 hold 16 KB but are identified at 8190 as well, so
    // that their image files pass their own checks.
    if (SecondProductWord(s.model) != image.lastAddress - 1) WriteWordBE(image, SecondProductWord(s.model), word);
    if (const auto productByte = RequiredProductByte(s.model)) image[ProductByte] = *productByte;
    if (s.traits().defaultNoDsc) Fill(image, kNoDscSetup);
    if (s.traits().defaultLandMobile) Fill(image, kLandMobileBytes);
}

bool BitmapBit(const RadioImage& image, int bitmap, int n) {
    return ReadFlag(image, {static_cast<uint16_t>(bitmap + n / 8), static_cast<uint8_t>(7 - n % 8), 1});
}

bool GroupIsUsable(const RadioImage& image, int group) { return ReadFlag(image, GroupUsable(group)); }

template <size_t N>
int FirstEnabled(const std::array<ChannelRecord, N>& channels) {
    const auto it = std::find_if(channels.begin(), channels.end(), [](const ChannelRecord& ch) { return ch.Enable; });
    return it == channels.end() ? -1 : static_cast<int>(it - channels.begin());
}

void NormalizeMarineDisplay(RadioSession& s) {
    RadioImage& image = s.image;
    int group = image[LastChGroup.address];
    if (group <= 2 && !GroupIsUsable(image, group)) {
        for (int step = 1; step <= 2; ++step)
            if (GroupIsUsable(image, (group + step) % 3)) {
                image[LastChGroup.address] = static_cast<uint8_t>((group + step) % 3);
                break;
            }
        group = image[LastChGroup.address];
    }
    if (group > 2) return;
    long channel = s.settings.Common.LastDisplayCh;
    if (!IsValidMemoryIndex(image, group, channel)) {
        const int record = FirstEnabled(s.settings.Marine(group));
        channel = record < 0 ? -1 : MarineMemoryIndex(record);
        // An EXP channel is named by its memory index, 240 + its array index.
        if (channel < 0 && FirstEnabled(s.settings.CHEXP) >= 0) channel = kFirstExpIndex + FirstEnabled(s.settings.CHEXP);
    }
    if (channel < 0) return;
    WriteWordBE(image, map::LastDisplayCh, channel);
    WriteWordBE(image, map::MarineLmrCh, channel);
}

void NormalizeWeatherDisplay(RadioSession& s) {
    RadioImage& image = s.image;
    int w = image[CurrentWeather.address];
    if (w <= 9 && !s.settings.CHWX[w].Enable) {
        w = FirstEnabled(s.settings.CHWX);
        if (w < 0) return;
    }
    image[CurrentWeather.address] = static_cast<uint8_t>(w);
    WriteWordBE(image, map::LastDisplayCh, w);
}

void NormalizeChannelLists(RadioImage& image) {
    for (int g = 0; g < 3; ++g)
        for (int j = 0; j < kChannelListSlots; ++j) {
            const int slot = ChannelListSlot(g, j);
            if (!IsValidMemoryIndex(image, g, ReadWordLE(image, slot))) image[slot] = image[slot + 1] = 0xFF;
        }
}

void NormalizePriorityChannels(RadioSession& s) {
    RadioImage& image = s.image;
    for (int g = 0; g < 3; ++g) {
        const long p = s.settings.UsableGroups[g].PriorityCh;
        long result = -1;
        if (p >= 0 && p < kMemoryIndexEnd) {
            if (!GroupIsUsable(image, g) || IsValidMemoryIndex(image, g, p)) {
                result = p;
            } else {
                std::array<long, 2 + kChannelListSlots> candidates{32, 18};
                size_t count = 2;
                for (int j = 0; j < kChannelListSlots; ++j) {
                    const long v = ReadWordLE(image, ChannelListSlot(g, j));
                    if (v < kMemoryIndexEnd) candidates[count++] = v;
                }
                const auto found = std::find_if(candidates.begin(), candidates.begin() + static_cast<long>(count),
                                                [&](long c) { return IsValidMemoryIndex(image, g, c); });
                if (found != candidates.begin() + static_cast<long>(count)) result = *found;
            }
        }
        WriteWordBE(image, PriorityCh(g), result);
    }
}

void NormalizeAtisState(RadioImage& image) {
    bool filled = false;
    for (int i = 0; i < kCallSignCount && !filled; ++i)
        for (int b = 0; b < 3; ++b) filled = filled || image[CallSigns + kCallSignSize * i + b] != 0xFF;
    for (int k = 0; k < 4; ++k)
        WriteBits(image, AtisState(k), !ReadFlag(image, UsableAtisChGroup(k)) ? 0u : filled ? 2u : 1u);
}

}  // namespace

bool IsValidMemoryIndex(const RadioImage& image, int group, long v) {
    // A marine index names a record of the group, counted from 1; the
    // bitmap's bits past the 128 records are no channels.
    if (v >= 0 && v < kFirstExpIndex) {
        const int record = MarineRecordOf(v);
        return record >= 0 && GroupIsUsable(image, group) && BitmapBit(image, MarineGroupMap(group).enableBitmap, record);
    }
    if (v >= kFirstExpIndex && v < kFirstWeatherIndex)
        return ReadFlag(image, GroupUsable(kLmrGroup)) &&
               BitmapBit(image, ExpGroup.enableBitmap, static_cast<int>(v - kFirstExpIndex));
    if (v >= kFirstWeatherIndex && v < kMemoryIndexEnd)
        return BitmapBit(image, WeatherGroup.enableBitmap, static_cast<int>(v - kFirstWeatherIndex));
    return false;
}

void BuildDefaultImage(RadioSession& s) {
    s.image = RadioImage{};
    s.image.lastAddress = ImageLastAddress(s.model);
    for (const DefaultBytes& run : kCommonDefaults) Fill(s.image, run);
    for (const DefaultWord& word : kCommonWords) WriteWordBE(s.image, word.address, word.value);
    for (const DefaultText& text : kDefaultTexts)
        for (size_t i = 0; i < text.text.size(); ++i) s.image[text.address + static_cast<int>(i)] = static_cast<uint8_t>(text.text[i]);
    for (const DefaultTable& table : kDefaultTables) WriteTable(s.image, table);
    WriteModelBytes(s);
    DecodeSetup(s);
}

void ResetToDefaults(RadioSession& s) {
    s.settings = RadioSettings{};  // new settings: nothing of the old data is kept
    BuildAllChannelPlans(s.settings);
    BuildDefaultImage(s);
    DecodeExpGroup(s);
    EncodeImage(s);
    s.region = RegionFromByte(s.model, s.image[RegionByte]);
}

void NormalizeImage(RadioSession& s) {
    switch (s.image[DisplayMode.address]) {
        case 0: NormalizeMarineDisplay(s); break;
        case 1: NormalizeWeatherDisplay(s); break;
        default: break;
    }
    NormalizeChannelLists(s.image);
    if (IsDscModel(s.model))
        NormalizeAtisState(s.image);
    else
        NormalizePriorityChannels(s);
}

uint8_t ComputeImageChecksum(const RadioImage& image) {
    unsigned sum = 0;
    for (int a = CommonArea.address; a < CommonArea.end(); ++a) sum += image[a];
    return static_cast<uint8_t>(sum);
}

void ImageChecksum(RadioImage& image) { image[Checksum] = ComputeImageChecksum(image); }

bool ImageFileSizeOk(int model, uintmax_t length) {
    return IsValidModel(model) && length == static_cast<uintmax_t>(ImageLastAddress(model) + 1);
}

}  // namespace kv
