// The radio's memory map, declared once. Every address the codec, the
// defaults and the file checks use is named here, in address order.
#pragma once

#include <array>

#include "image/radio_image.h"
#include "model/model_traits.h"

namespace kv::map {

// ---- Identification and common setup --------------------------------------

inline constexpr Span ProductWord{64, 2};  // product word, high byte first
inline constexpr Span CommonArea{66, 29};  // summed into the checksum
inline constexpr int Checksum = 95;        // sum of bytes 66..94

// Bytes of the common area that no field covers are named Spare and their
// address; the defaults write them, the codec carries them through.
inline constexpr Span Spare66{66, 2};

inline constexpr Bits TxPoDisplay{68, 7, 8};
inline constexpr Bits LastTxPower{69, 7, 8};
inline constexpr Bits LastChGroup{70, 7, 8};
inline constexpr Bits DisplayMode{71, 7, 8};     // 0 marine or land-mobile, 1 weather
inline constexpr Bits CurrentWeather{72, 7, 8};  // weather channel 0..9 in display mode 1
inline constexpr int Spare73 = 73;
inline constexpr Bits SQL{74, 7, 4};
inline constexpr int Spare75 = 75;
inline constexpr Bits OffsetTime{76, 4, 5};
inline constexpr Bits MagneticVariation{76, 6, 1};
inline constexpr int LastDisplayCh = 80;  // big-endian memory index
inline constexpr int MarineLmrCh = 82;    // big-endian memory index
constexpr int PriorityCh(int group) { return 84 + 2 * group; }  // 0xFFFF = none
inline constexpr Bits RotaryBeep{90, 0, 1};
inline constexpr Bits SCAN{91, 7, 1};
inline constexpr Bits PttScanClear{91, 3, 1};
inline constexpr Bits ResumeTime{91, 2, 2};
inline constexpr int Spare92 = 92;  // the program transfer leaves it alone
inline constexpr Bits DualWatch{93, 7, 1};
inline constexpr Bits Weater{93, 5, 2};
// Records 0..2 are the marine groups; record 3 stands for LMR or EXP.
constexpr Bits GroupUsable(int k) { return {93, static_cast<uint8_t>(3 - k), 1}; }
constexpr Bits TxTot(int k) { return {94, static_cast<uint8_t>(3 - k), 1}; }
constexpr Bits GroupStatusIcon(int k) { return {94, static_cast<uint8_t>(7 - k), 1}; }

// Ten little-endian memory indexes per marine group; 0xFFFF = empty slot.
inline constexpr Span ChannelLists{96, 60};
inline constexpr int kChannelListSlots = 10;
constexpr int ChannelListSlot(int group, int j) { return 96 + 20 * group + 2 * j; }

// ---- DSC setup (model types 0 and 3) --------------------------------------

inline constexpr Span DscSetup{160, 7};
// The settings file keeps 160..167 whole as its preset-channel bytes.
inline constexpr Span PresetBytes{160, 8};
constexpr Bits DscGroupUsable(int g) { return {160, static_cast<uint8_t>(7 - g), 1}; }
// Call kinds: all ships (161), group (162), individual (163); the four
// enables in bits 7..4 and the four levels in bits 3..0.
constexpr Bits DscCallEnable(int kind, int i) { return {static_cast<uint16_t>(161 + kind), static_cast<uint8_t>(7 - i), 1}; }
constexpr Bits DscCallLevel(int kind, int i) { return {static_cast<uint16_t>(161 + kind), static_cast<uint8_t>(3 - i), 1}; }
inline constexpr Bits DistressCancelCall{164, 2, 1};
inline constexpr Bits StanbyMode{164, 3, 1};
inline constexpr Bits PosRequest{164, 7, 1};
inline constexpr Bits PosSend{164, 5, 1};
inline constexpr Bits PosRequestLevel{164, 6, 1};
inline constexpr Bits PosSendLevel{164, 4, 1};
constexpr Bits BeepOut(int i) { return {165, static_cast<uint8_t>(7 - i), 1}; }
inline constexpr Bits IndividualAckMenu{166, 7, 1};
inline constexpr Bits IndividualAckMessageMenu{166, 6, 1};
inline constexpr Bits PosRequestAckMenu{166, 1, 1};

// ---- Variant and region -----------------------------------------------------

inline constexpr Bits Sel1{168, 5, 1};
inline constexpr Bits Sel2{168, 4, 1};

// 170..189: four runs of the radio's own, not interpreted; the defaults fill
// them, the land-mobile models clear 174..175, and the program transfer
// writes 173 alone of them.
inline constexpr Span Spare170{170, 6};
inline constexpr int Spare173 = 173;
inline constexpr Span Spare174{174, 2};
inline constexpr Span Spare176{176, 2};
inline constexpr Span Spare178{178, 6};
inline constexpr Span Spare184{184, 6};

inline constexpr int RegionByte = 239;  // model type 6

// ---- Channel groups ---------------------------------------------------------

// Where a group keeps its flags, entries and names. Bitmaps hold entry n in
// bit 7 - n % 8 of byte n / 8.
struct ChannelGroupMap {
    int enableBitmap;
    int scanBitmap;
    int bitmapLength;
    int entries;    // first entry; 0 for the weather group, which has none
    int entrySize;
    int names;      // first 12-byte name
    int count;
    constexpr int EntryAt(int n) const { return entries + entrySize * n; }
    constexpr int NameAt(int n) const { return names + kNameLength * n; }
    constexpr Span EnableArea() const { return {static_cast<uint16_t>(enableBitmap), static_cast<uint16_t>(bitmapLength)}; }
    constexpr Span ScanArea() const { return {static_cast<uint16_t>(scanBitmap), static_cast<uint16_t>(bitmapLength)}; }
    constexpr Span EntryArea() const { return {static_cast<uint16_t>(entries), static_cast<uint16_t>(entrySize * count)}; }
    constexpr Span NameArea() const { return {static_cast<uint16_t>(names), static_cast<uint16_t>(kNameLength * count)}; }
    static constexpr int kNameLength = 12;
};

inline constexpr ChannelGroupMap UsaGroup{256, 288, 30, 768, 4, 3072, 128};
inline constexpr ChannelGroupMap IntlGroup{320, 352, 30, 1280, 4, 5952, 128};
inline constexpr ChannelGroupMap CanGroup{384, 416, 30, 1792, 4, 8832, 128};
inline constexpr ChannelGroupMap WeatherGroup{448, 464, 2, 0, 0, 11712, 10};
inline constexpr ChannelGroupMap ExpGroup{450, 466, 5, 2304, 16, 11840, 40};
inline constexpr ChannelGroupMap RgGroup{455, 471, 1, 2944, 16, 12320, 8};

constexpr const ChannelGroupMap& MarineGroupMap(int group) {
    return group == 0 ? UsaGroup : group == 1 ? IntlGroup : CanGroup;
}

// ---- MMSI, backup bytes and ATIS --------------------------------------------

inline constexpr int UserMmsi = 496;  // packed decimal, 5 bytes (model types 0 and 3)
inline constexpr Span UserMmsiDigits{496, 5};
constexpr int Backup(int group) { return 497 + group; }  // shares 497..499 with the MMSI
inline constexpr int MmsiPermission = 501;               // not decoded
constexpr Bits UsableAtisChGroup(int k) { return {505, static_cast<uint8_t>(7 - k), 1}; }
constexpr Bits UsableAtisKillerChGroup(int k) { return {505, static_cast<uint8_t>(3 - k), 1}; }
constexpr Bits AtisState(int k) { return {506, static_cast<uint8_t>(7 - 2 * k), 2}; }
inline constexpr int AtisCode = 507;  // packed decimal, 5 bytes
inline constexpr Span AtisCodeDigits{507, 5};

// ---- Default texts and tables -----------------------------------------------

// 16-byte rows that only the defaults write; nothing reads them.
inline constexpr Span DefaultTables{512, 256};
inline constexpr int DefaultText1 = 512;
inline constexpr int DefaultText2 = 528;
inline constexpr int DefaultText3 = 544;
inline constexpr int DefaultTable1 = 560;
inline constexpr int DefaultTable2 = 576;
inline constexpr int DefaultTable3 = 592;
inline constexpr int DefaultTable4 = 608;
inline constexpr int DefaultTable5 = 624;
inline constexpr int DefaultTable6 = 752;
inline constexpr int kDefaultRowSize = 16;

// ---- Marine channel entry (4 bytes) -----------------------------------------

namespace marine {
inline constexpr Bits BaseCh{0, 7, 8};
inline constexpr int Flags = 1;  // rebuilt whole by the encoder
inline constexpr Bits PowerCode{1, 7, 2};
inline constexpr Bits Duplex{1, 5, 2};
inline constexpr Bits PowUp{1, 3, 1};
inline constexpr Bits Scramble{1, 2, 3};
inline constexpr Bits Suffix{2, 7, 4};  // 0 none, 1 "A", 2 "B"
inline constexpr Bits Prefix{2, 3, 4};  // StatusNo / 10
}  // namespace marine

// ---- EXP and RG channel entry (16 bytes) ------------------------------------

namespace lmr {
inline constexpr int Flags = 0;  // rebuilt whole by the encoder
inline constexpr Bits PowerCode{0, 7, 2};
inline constexpr Bits ClockShift{0, 5, 1};
inline constexpr Bits PowUp{0, 4, 1};
inline constexpr Bits Scramble{0, 3, 3};
inline constexpr Bits Narrow{0, 0, 1};
inline constexpr Span CHDisplayL{1, 2};
inline constexpr Span CHDisplayR{3, 2};
inline constexpr Span Display{1, 4};  // both parts, written together
inline constexpr int Rxfreq = 5;
inline constexpr int Txfreq = 8;
inline constexpr int GroupFlags = 15;  // rebuilt whole by the encoder
inline constexpr Bits LmrExp{15, 7, 1};
// Inverted: a 0 bit offers the channel in the USA, international, Canadian group.
constexpr Bits NotInGroup(int group) { return {15, static_cast<uint8_t>(3 - group), 1}; }
// The tone block sits at the model's toneBlock: byte 10 on model type 2
// (over the last byte of Txfreq), byte 11 on model types 4, 5 and 6.
}  // namespace lmr

// ---- Tone block (4 bytes t0..t3) --------------------------------------------

namespace tone {
inline constexpr Span Block{0, 4};
inline constexpr Bits TxSecondDcs{0, 7, 1};  // TxDCS is t3 + 104
inline constexpr Bits RxMode{0, 5, 2};       // 0 plain, 1 second DCS, 2 compander
inline constexpr Bits RxCtcssHigh{0, 3, 4};  // bits 5..2 of RxCTCSS
inline constexpr Bits RxCtcssLow{1, 7, 2};   // bits 1..0 of RxCTCSS
inline constexpr Bits TxCtcss{1, 5, 6};
inline constexpr Bits RxCode{2, 7, 8};
inline constexpr Bits TxCode{3, 7, 8};
}  // namespace tone

// ---- Call signs and MMSI directories ----------------------------------------

inline constexpr int CallSigns = 12544;  // 20 entries of 8 bytes (model type 0)
inline constexpr int kCallSignSize = 8;
inline constexpr int kCallSignCount = 20;
namespace callsign {
inline constexpr Span MID{0, 3};
inline constexpr Span Display{3, 3};
}  // namespace callsign

inline constexpr int IndividualDirectory = 12800;  // 40 entries of 16 bytes
inline constexpr int GroupDirectory = 13568;       // 10 entries of 16 bytes
inline constexpr int kDirectoryEntrySize = 16;
namespace directory {
inline constexpr int Mmsi = 0;  // packed decimal, 5 bytes
inline constexpr Span TagName{5, 11};
}  // namespace directory

inline constexpr int ProductByte = 16370;  // must be 3 on model type 5

// The second identification word: at the image's last two addresses; the
// file check of model types 0, 1 and 3 reads it at 8190.
constexpr int SecondProductWord(int model) {
    return TraitsOf(model).secondIdIn8K ? kSmallImageSize - 2 : kImageSize - 2;
}

// ---- Clone transfers ---------------------------------------------------------

namespace clone {
inline constexpr int kBlockSize = 16;
constexpr int BlockOf(int address) { return address / kBlockSize * kBlockSize; }
constexpr Span Between(int first, int end) { return {static_cast<uint16_t>(first), static_cast<uint16_t>(end - first)}; }

inline constexpr int FirstBlock = ProductWord.address;  // bytes 0..63 never travel
// Identification: the product word sits at 64 on model types 4, 5 and 6 and
// at 0 on the older types.
constexpr int IdentificationWord(int model) { return TraitsOf(model).idWordAtProductWord ? ProductWord.address : 0; }

// The read leaves out the blocks from the group MMSI directory up to the
// last five blocks. On the models with directories (types 0 and 3) the group
// directory is therefore not read: it keeps the image's own entries. Above
// it nothing lives until the last five blocks, which hold the product byte
// and the second product word and are read again. The 8 KB image of model
// type 1 ends below the gap.
inline constexpr int ReadGapStart = GroupDirectory;
inline constexpr int ReadGapEnd = kImageSize - 5 * kBlockSize;

// The program transfer keeps the radio's own value of byte 90 and of one
// bit of the selection byte, and marks the image with 0xA1 at 504.
inline constexpr int SelectionByte = Sel1.address;
inline constexpr uint8_t kRadioSelectionBit = 0x04;
inline constexpr int RadioOwnedByte = RotaryBeep.address;
inline constexpr int ProgramMark = 504;
inline constexpr uint8_t kProgramMarkValue = 0xA1;
// The block after the RG names is the last one written: the call signs and
// the directories are never programmed.
inline constexpr int ProgramEnd = RgGroup.NameArea().end() + kBlockSize;

// Blocks written byte by byte, each with the runs of bytes it carries (an
// empty run carries nothing).
struct SingleByteBlock {
    int block;
    std::array<Span, 2> runs;
};
inline constexpr std::array<SingleByteBlock, 4> kSingleByteBlocks{{
    // The common bytes after the product word, without the SQL byte.
    {FirstBlock, {Between(ProductWord.end(), SQL.address), Between(SQL.address + 1, BlockOf(LastDisplayCh))}},
    // The channel words and setup bytes, without byte 92.
    {BlockOf(LastDisplayCh), {Between(LastDisplayCh, Spare92), Between(Spare92 + 1, ChannelLists.address)}},
    // The DSC setup, its spare byte and the selection byte; then byte 173.
    {DscSetup.address, {Between(DscSetup.address, SelectionByte + 1), Span{Spare173, 1}}},
    // The region byte alone.
    {BlockOf(RegionByte), {Span{RegionByte, 1}, Span{RegionByte, 0}}},
}};
// Blocks the program transfer never writes: the rest of 170..239 after the
// DSC block and before the region's block, the block after the region's up
// to the bitmaps, and the default texts and tables.
inline constexpr std::array<Span, 3> kUnwrittenBlocks{{
    Between(DscSetup.address + kBlockSize, BlockOf(RegionByte)),
    Between(BlockOf(RegionByte) + kBlockSize, UsaGroup.enableBitmap),
    DefaultTables,
}};

// The image ranges that belong to a channel group; the program transfer
// skips them when the group is not usable: a marine group's first 120
// entries and its names up to the next group's (room for a name per marine
// memory index), the EXP group's entries and names.
struct GroupRanges {
    Span entries;
    Span names;
};
inline constexpr int kSkippedMarineEntries = 120;
constexpr GroupRanges MarineRanges(const ChannelGroupMap& group, const ChannelGroupMap& next) {
    return {Between(group.entries, group.EntryAt(kSkippedMarineEntries)), Between(group.names, next.names)};
}
inline constexpr GroupRanges UsaRanges = MarineRanges(UsaGroup, IntlGroup);
inline constexpr GroupRanges IntlRanges = MarineRanges(IntlGroup, CanGroup);
inline constexpr GroupRanges CanRanges = MarineRanges(CanGroup, WeatherGroup);
inline constexpr GroupRanges LmrExpRanges{ExpGroup.EntryArea(), ExpGroup.NameArea()};
}  // namespace clone

// ---- Compile-time checks of the map -----------------------------------------

namespace detail {
// The areas in address order; none may overlap the next. (The user MMSI and
// the backup bytes share 497..499 on purpose and are left out.)
inline constexpr std::array<Span, 27> kAreas{{
    ProductWord, CommonArea, {Checksum, 1}, ChannelLists, DscSetup, {168, 1}, {RegionByte, 1},
    {256, 30}, {288, 30}, {320, 30}, {352, 30}, {384, 30}, {416, 30},
    {448, 2}, {450, 5}, {455, 1}, {464, 2}, {466, 5}, {471, 1},
    {505, 2}, AtisCodeDigits, DefaultTables,
    UsaGroup.EntryArea(), IntlGroup.EntryArea(), CanGroup.EntryArea(), ExpGroup.EntryArea(),
    RgGroup.EntryArea(),
}};
inline constexpr std::array<Span, 9> kUpperAreas{{
    UsaGroup.NameArea(), IntlGroup.NameArea(), CanGroup.NameArea(), WeatherGroup.NameArea(),
    ExpGroup.NameArea(), RgGroup.NameArea(),
    {CallSigns, kCallSignSize * kCallSignCount},
    {IndividualDirectory, kDirectoryEntrySize * 40},
    {GroupDirectory, kDirectoryEntrySize * 10},
}};
template <size_t N>
constexpr bool InOrderWithoutOverlap(const std::array<Span, N>& areas) {
    for (size_t i = 0; i + 1 < N; ++i)
        if (areas[i].end() > areas[i + 1].address) return false;
    return true;
}
}  // namespace detail

static_assert(detail::InOrderWithoutOverlap(detail::kAreas));
static_assert(detail::InOrderWithoutOverlap(detail::kUpperAreas));
static_assert(detail::kAreas.back().end() <= detail::kUpperAreas.front().address);
static_assert(RgGroup.EntryArea().end() == 3072, "RG entries end where the USA names begin");
static_assert(detail::kUpperAreas.back().end() < ProductByte);
static_assert(ProductByte < kImageSize - 2);
// Model type 1 uses no names; everything else it uses lies below 8192.
static_assert(RgGroup.EntryArea().end() <= kSmallImageSize);
static_assert(SecondProductWord(0) > IntlGroup.NameArea().end() && SecondProductWord(0) + 2 <= CanGroup.names,
              "the second word of model types 0 and 3 sits in the gap between the name tables");
static_assert(UserMmsiDigits.end() == MmsiPermission && Backup(2) < MmsiPermission);
static_assert(DefaultText1 == DefaultTables.address && DefaultTable6 + kDefaultRowSize == DefaultTables.end());
static_assert(clone::ReadGapStart >= kSmallImageSize && clone::ReadGapEnd <= clone::BlockOf(ProductByte),
              "the read gap lies above model type 1's image and below the product byte");
static_assert(clone::ProgramEnd <= CallSigns);

}  // namespace kv::map
