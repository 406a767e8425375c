// Every field of the memory map at its own address and bits, written down
// once from the radio's address tables. A round trip cannot see an address
// or a bit used wrongly the same way in both directions; this table can.
#include <gtest/gtest.h>

#include "image/codec.h"

namespace kv {
namespace {

template <typename T>
std::string Str(const T& v) {
    if constexpr (std::is_convertible_v<T, std::string>) return v;
    else if constexpr (std::is_floating_point_v<T>) return std::to_string(v).substr(0, 8);
    else return std::to_string(static_cast<long>(v));
}
template <typename T, typename... More>
std::string Str(const T& v, const More&... more) {
    return Str(v) + "," + Str(more...);
}

using Bytes = std::vector<uint8_t>;
struct Row {
    const char* field;
    int model;
    int address;
    Bytes bytes;   // from the address on; only the bits of mask count
    uint8_t mask;  // applied to every byte
    std::string (*get)(const RadioSettings&);
    std::string expected;
    std::vector<std::pair<int, uint8_t>> setup = {};  // other bytes the field needs
    bool encoded = true;                               // written back by EncodeImage
};

#define GET(...) [](const RadioSettings& r) { return Str(__VA_ARGS__); }
const Bytes kName = {'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const Bytes kMmsiAndName = {0x36, 0x60, 0x00, 0x00, 0x10, 'B', 'O', 'A', 'T', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const std::vector<std::pair<int, uint8_t>> kAtisCode = {{507, 0x12}};

const Row kRows[] = {
    {"TX Po Display", 4, 68, {0x02}, 0xFF, GET(r.Common.TxPoDisplay), "2"},
    {"Last TX Power", 4, 69, {0x03}, 0xFF, GET(r.Common.LastTxPower), "3"},
    {"Last CH Group", 4, 70, {0x02}, 0xFF, GET(r.Common.LastChGroup), "2"},
    {"SQL", 4, 74, {0xA0}, 0xF0, GET(r.Common.SQL), "10"},
    {"Offset Time", 0, 76, {0x05}, 0x1F, GET(r.Common.OffsetTime), "7"},
    {"Magnetic Variation", 0, 76, {0x40}, 0x40, GET(r.Common.MagneticVariation), "1"},
    {"Last Display CH", 4, 80, {0x01, 0x02}, 0xFF, GET(r.Common.LastDisplayCh), "258"},
    {"Marine_LMR CH", 4, 82, {0x01, 0x03}, 0xFF, GET(r.Common.MarineLmrCh), "259"},
    {"Priority CH USA", 4, 84, {0x00, 0x05}, 0xFF, GET(r.UsableGroups[kUsaGroup].PriorityCh), "5"},
    {"Priority CH INT", 4, 86, {0x00, 0x06}, 0xFF, GET(r.UsableGroups[kIntlGroup].PriorityCh), "6"},
    {"Priority CH CAN", 4, 88, {0x00, 0x07}, 0xFF, GET(r.UsableGroups[kCanGroup].PriorityCh), "7"},
    {"RotaryBeep", 0, 90, {0x01}, 0x01, GET(r.Common.RotaryBeep), "1"},
    {"SCAN", 4, 91, {0x80}, 0x80, GET(r.Common.SCAN), "1"},
    {"PTT SCAN Clear", 4, 91, {0x08}, 0x08, GET(r.Common.PttScanClear), "1"},
    {"Resume Time", 4, 91, {0x04}, 0x06, GET(r.Common.ResumeTime), "2"},
    {"Dual Watch", 4, 93, {0x80}, 0x80, GET(r.Common.DualWatch), "1"},
    {"Weater", 4, 93, {0x20}, 0x30, GET(r.Common.Weater), "2"},
    {"USA usable", 4, 93, {0x08}, 0x08, GET(r.UsableGroups[kUsaGroup].Enable), "1"},
    {"INT usable", 4, 93, {0x04}, 0x04, GET(r.UsableGroups[kIntlGroup].Enable), "1"},
    {"CAN usable", 4, 93, {0x02}, 0x02, GET(r.UsableGroups[kCanGroup].Enable), "1"},
    {"LMR usable", 4, 93, {0x01}, 0x01, GET(r.UsableGroups[kLmrGroup].Enable), "1"},
    {"TX TOT USA", 4, 94, {0x08}, 0x08, GET(r.UsableGroups[kUsaGroup].TxTot), "1"},
    {"TX TOT INT", 4, 94, {0x04}, 0x04, GET(r.UsableGroups[kIntlGroup].TxTot), "1"},
    {"TX TOT CAN", 4, 94, {0x02}, 0x02, GET(r.UsableGroups[kCanGroup].TxTot), "1"},
    {"TX TOT LMR", 4, 94, {0x01}, 0x01, GET(r.UsableGroups[kLmrGroup].TxTot), "1"},
    {"Status Icon USA", 4, 94, {0x80}, 0x80, GET(r.UsableGroups[kUsaGroup].StatusIcon), "1"},
    {"Status Icon INT", 4, 94, {0x40}, 0x40, GET(r.UsableGroups[kIntlGroup].StatusIcon), "1"},
    {"Status Icon CAN", 4, 94, {0x20}, 0x20, GET(r.UsableGroups[kCanGroup].StatusIcon), "1"},
    {"Status Icon LMR", 4, 94, {0x10}, 0x10, GET(r.UsableGroups[kLmrGroup].StatusIcon), "1"},
    {"DscGroupUsable", 0, 160, {0x40}, 0xE0, GET(r.DscBasic.DscGroupUsable[0], r.DscBasic.DscGroupUsable[1], r.DscBasic.DscGroupUsable[2]), "0,1,0"},
    {"All Ships Call", 0, 161, {0x21}, 0xFF, GET(r.DscAdvanced.Calls[kAllShipsCall].Enable[2], r.DscAdvanced.Calls[kAllShipsCall].Level[3]), "1,1"},
    {"Group Call", 0, 162, {0x42}, 0xFF, GET(r.DscAdvanced.Calls[kGroupCall].Enable[1], r.DscAdvanced.Calls[kGroupCall].Level[2]), "1,1"},
    {"Individual Call", 0, 163, {0x84}, 0xFF, GET(r.DscAdvanced.Calls[kIndividualCall].Enable[0], r.DscAdvanced.Calls[kIndividualCall].Level[1]), "1,1"},
    {"DistressCancelCall", 0, 164, {0x04}, 0x04, GET(r.DscBasic.DistressCancelCall), "1"},
    {"StanbyMode", 0, 164, {0x08}, 0x08, GET(r.DscBasic.StanbyMode), "1"},
    {"PosRequest", 0, 164, {0x80}, 0x80, GET(r.DscBasic.PosRequest), "1"},
    {"PosSend", 0, 164, {0x20}, 0x20, GET(r.DscBasic.PosSend), "1"},
    {"PosRequestLevel", 0, 164, {0x40}, 0x40, GET(r.DscBasic.PosRequestLevel), "1"},
    {"PosSendLevel", 0, 164, {0x10}, 0x10, GET(r.DscBasic.PosSendLevel), "1"},
    {"BeepOut", 0, 165, {0x41}, 0xFF, GET(r.DscBasic.BeepOut[0], r.DscBasic.BeepOut[1], r.DscBasic.BeepOut[7]), "0,1,1"},
    {"Individual ACK Menu", 0, 166, {0x80}, 0x80, GET(r.DscDisplay.IndividualAckMenu), "1"},
    {"Individual ACK Message Menu", 0, 166, {0x40}, 0x40, GET(r.DscDisplay.IndividualAckMessageMenu), "1"},
    {"POS Request ACK Menu", 0, 166, {0x02}, 0x02, GET(r.DscDisplay.PosRequestAckMenu), "1"},
    {"Sel1Copy", 4, 168, {0x20}, 0x20, GET(r.CHUSA[0].Sel1Copy, r.CHCAN[127].Sel1Copy), "1,1", {}, false},
    {"USA Enable bitmap", 4, 256, {0x40}, 0xFF, GET(r.CHUSA[0].Enable, r.CHUSA[1].Enable), "0,1"},
    {"USA ScanMemory bitmap", 4, 288, {0x40}, 0xFF, GET(r.CHUSA[0].ScanMemory, r.CHUSA[1].ScanMemory), "0,1"},
    {"INT Enable bitmap", 4, 321, {0x40}, 0xFF, GET(r.CHINT[8].Enable, r.CHINT[9].Enable), "0,1"},
    {"INT ScanMemory bitmap", 4, 352, {0x40}, 0xFF, GET(r.CHINT[0].ScanMemory, r.CHINT[1].ScanMemory), "0,1"},
    {"CAN Enable bitmap", 4, 384, {0x40}, 0xFF, GET(r.CHCAN[0].Enable, r.CHCAN[1].Enable), "0,1"},
    {"CAN ScanMemory bitmap", 4, 416, {0x40}, 0xFF, GET(r.CHCAN[0].ScanMemory, r.CHCAN[1].ScanMemory), "0,1"},
    {"weather Enable bitmap", 4, 448, {0x40, 0x40}, 0xFF, GET(r.CHWX[0].Enable, r.CHWX[1].Enable, r.CHWX[9].Enable), "0,1,1"},
    {"weather ScanMemory bitmap", 4, 464, {0x40, 0x80}, 0xFF, GET(r.CHWX[0].ScanMemory, r.CHWX[1].ScanMemory, r.CHWX[8].ScanMemory), "0,1,1"},
    {"EXP Enable bitmap", 4, 454, {0x40}, 0xFF, GET(r.CHEXP[32].Enable, r.CHEXP[33].Enable), "0,1"},
    {"RG Enable bitmap", 4, 455, {0x40}, 0xFF, GET(r.CHRG[0].Enable, r.CHRG[1].Enable), "0,1"},
    {"EXP ScanMemory bitmap", 4, 466, {0x40}, 0xFF, GET(r.CHEXP[0].ScanMemory, r.CHEXP[1].ScanMemory), "0,1"},
    {"RG ScanMemory bitmap", 4, 471, {0x40}, 0xFF, GET(r.CHRG[0].ScanMemory, r.CHRG[1].ScanMemory), "0,1"},
    {"User MMSI", 3, 496, {0x36, 0x60, 0x00, 0x00, 0x10}, 0xFF, GET(r.DscBasic.UserMMSI), "3660000010"},
    {"Backup USA INT CAN", 4, 497, {0x01, 0x02, 0x03}, 0xFF, GET(r.UsableGroups[0].Backup, r.UsableGroups[1].Backup, r.UsableGroups[2].Backup), "1,2,3"},
    {"Usable ATIS CH Group", 4, 505, {0x40}, 0xF0, GET(r.Atis.UsableAtisChGroup[0], r.Atis.UsableAtisChGroup[1]), "0,1", kAtisCode},
    {"Usable ATIS Killer CH Group", 0, 505, {0x02}, 0x0F, GET(r.Atis.UsableAtisKillerChGroup[2], r.Atis.UsableAtisKillerChGroup[3]), "1,0"},
    {"ATIS code", 4, 507, {0x92, 0x11, 0x23, 0x45, 0x67}, 0xFF, GET(r.Atis.AtisCode), "9211234567"},
    {"USA BaseCh", 4, 768 + 4, {0x90}, 0xFF, GET(r.CHUSA[1].BaseCh), "144"},
    {"INT BaseCh", 4, 1280 + 4, {0x11}, 0xFF, GET(r.CHINT[1].BaseCh), "17"},
    {"CAN BaseCh", 4, 1792 + 4, {0x12}, 0xFF, GET(r.CHCAN[1].BaseCh), "18"},
    {"marine power code 1", 4, 769, {0x40}, 0xC0, GET(r.CHUSA[0].TxEnable, r.CHUSA[0].LowPower, r.CHUSA[0].TXPower), "1,1,1"},
    {"marine power code 2", 4, 769, {0x80}, 0xC0, GET(r.CHUSA[0].TxEnable, r.CHUSA[0].LowPower, r.CHUSA[0].TXPower), "1,0,2"},
    {"marine power code 0", 4, 769, {0x00}, 0xC0, GET(r.CHUSA[0].TxEnable, r.CHUSA[0].TxDisabled, r.CHUSA[0].TXPower), "0,1,0"},
    {"marine Duplex", 4, 1285, {0x20}, 0x30, GET(r.CHINT[1].Duplex), "2"},
    {"marine PowUp", 4, 1793, {0x08}, 0x08, GET(r.CHCAN[0].PowUp), "1"},
    {"marine Scramble", 4, 769, {0x05}, 0x07, GET(r.CHUSA[0].Scramble), "5"},
    {"marine suffix and prefix", 4, 770, {0x2F}, 0xFF, GET(r.CHUSA[0].StatusIcon, r.CHUSA[0].StatusNo), "B,150"},
    {"USA name", 4, 3072 + 12, kName, 0xFF, GET(r.CHUSA[1].ChTag), "AB"},
    {"INT name", 4, 5952 + 12, kName, 0xFF, GET(r.CHINT[1].ChTag), "AB"},
    {"CAN name", 4, 8832 + 12, kName, 0xFF, GET(r.CHCAN[1].ChTag), "AB"},
    {"weather name", 4, 11712 + 12, kName, 0xFF, GET(r.CHWX[1].ChTag), "AB"},
    {"EXP name", 4, 11840 + 12, kName, 0xFF, GET(r.CHEXP[1].ChTag), "AB"},
    {"RG name, read by both", 4, 12320 + 12, kName, 0xFF, GET(r.CHRG[1].ChTag), "AB", {}, false},
    {"EXP power code", 4, 2320, {0x40}, 0xC0, GET(r.CHEXP[1].LowPower, r.CHEXP[1].TXPower), "1,1"},
    {"EXP ClockShift", 4, 2304, {0x20}, 0x20, GET(r.CHEXP[0].ClockShift), "1"},
    {"EXP PowUp", 4, 2304, {0x10}, 0x10, GET(r.CHEXP[0].PowUp), "1"},
    {"EXP Scramble", 4, 2304, {0x0A}, 0x0E, GET(r.CHEXP[0].Scramble), "5"},
    {"EXP Narrow", 4, 2304, {0x01}, 0x01, GET(r.CHEXP[0].Narrow), "1"},
    {"EXP CHDisplayL and R", 4, 2305, {'1', '2', '3', '4'}, 0xFF, GET(r.CHEXP[0].CHDisplayL, r.CHEXP[0].CHDisplayR), "12,34"},
    {"one-character CHDisplayL and R", 4, 2305, {'7', 0xFF, '7', 0xFF}, 0xFF, GET(r.CHEXP[0].CHDisplayL, r.CHEXP[0].CHDisplayR), " 7,7", {}, false},
    {"EXP Rxfreq", 4, 2309, {0x56, 0x81, 0x25}, 0xFF, GET(r.CHEXP[0].Rxfreq), "156.8125"},
    {"EXP Txfreq", 4, 2312, {0x62, 0x55, 0x00}, 0xFF, GET(r.CHEXP[0].Txfreq), "162.5500"},
    {"EXP LMR EXP", 4, 2319, {0x8E}, 0xFF, GET(r.CHEXP[0].LmrExp, r.CHEXP[0].UsaGroup), "1,0"},
    {"EXP marine groups", 4, 2335, {0x0C}, 0xFF, GET(r.CHEXP[1].UsaGroup, r.CHEXP[1].IntGroup, r.CHEXP[1].CanGroup), "0,0,1"},
    {"EXP tone block", 4, 2304 + 11, {0x92, 0xFE, 20, 30}, 0xFF, GET(r.CHEXP[0].RxCTCSS, r.CHEXP[0].TxCTCSS, r.CHEXP[0].RxDCS, r.CHEXP[0].TxDCS, r.CHEXP[0].RxComp), "11,62,124,134,0"},
    {"model 2 tone block", 2, 2320 + 10, {0x20, 0x45, 20, 30}, 0xFF, GET(r.CHEXP[1].RxCTCSS, r.CHEXP[1].TxCTCSS, r.CHEXP[1].RxDCS, r.CHEXP[1].TxDCS, r.CHEXP[1].RxComp), "1,5,20,30,1"},
    {"RG entry", 4, 2960, {0x40, '5', '6', '7', '8', 0x56, 0x81, 0x25}, 0xFF, GET(r.CHRG[1].LowPower, r.CHRG[1].CHDisplayL, r.CHRG[1].CHDisplayR, r.CHRG[1].Rxfreq), "1,56,78,156.8125"},
    {"RG tone block", 6, 2960 + 11, {0x03, 0x06, 7, 8}, 0xFF, GET(r.CHRG[1].RxCTCSS, r.CHRG[1].TxCTCSS, r.CHRG[1].RxDCS, r.CHRG[1].TxDCS), "12,6,7,8"},
    {"RG marine groups", 4, 2975, {0x0A}, 0xFF, GET(r.CHRG[1].UsaGroup, r.CHRG[1].IntGroup, r.CHRG[1].CanGroup), "0,1,0"},
    {"ATIS call sign 1", 0, 12552, {'1', '2', '3', 'A', 'B', 'C'}, 0xFF, GET(r.Atis.CallSign[1].MID, r.Atis.CallSign[1].Display), "123,ABC"},
    {"individual directory 0", 3, 12800, kMmsiAndName, 0xFF, GET(r.CHMMSID[0].Mmsid, r.CHMMSID[0].TagName), "3660000010,BOAT"},
    {"individual directory 1", 3, 12816, kMmsiAndName, 0xFF, GET(r.CHMMSID[1].Mmsid, r.CHMMSID[1].TagName), "3660000010,BOAT", {{12800, 0x11}}},
    {"group directory 1", 3, 13584, kMmsiAndName, 0xFF, GET(r.CHGRPID[1].Mmsid, r.CHGRPID[1].TagName), "3660000010,BOAT", {{13568, 0x11}}},
};
#undef GET

TEST(MemoryMap, EveryFieldSitsAtItsAddressAndBits) {
    for (const Row& row : kRows)
        for (const uint8_t background : {0x00, 0xFF}) {  // the byte's other bits clear, then set
            SCOPED_TRACE(std::string(row.field) + (background ? ", other bits set" : ", other bits clear"));
            RadioSession s;
            s.model = row.model;
            s.image.lastAddress = ImageLastAddress(row.model);
            for (const auto& [address, value] : row.setup) s.image[address] = value;
            for (size_t i = 0; i < row.bytes.size(); ++i) {
                const int a = row.address + static_cast<int>(i);
                s.image[a] = static_cast<uint8_t>((background & ~row.mask) | (row.bytes[i] & row.mask));
            }
            DecodeImage(s);
            EXPECT_EQ(row.get(s.settings), row.expected);
            if (!row.encoded) continue;
            for (size_t i = 0; i < row.bytes.size(); ++i) s.image[row.address + static_cast<int>(i)] ^= row.mask;
            EncodeImage(s);
            for (size_t i = 0; i < row.bytes.size(); ++i)
                EXPECT_EQ(s.image[row.address + static_cast<int>(i)] & row.mask, row.bytes[i] & row.mask) << "byte " << i;
        }
}

}  // namespace
}  // namespace kv
