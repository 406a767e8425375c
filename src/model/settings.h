// The settings of one radio: every record the editor, the image codec, the
// settings file and the report share. Field names follow the settings file's
// keys; keys with spaces ("LMR EXP", "TX TOT") become CamelCase identifiers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kv {

// One channel entry. The marine, weather, EXP and RG groups all use this
// record, each group only a subset of its fields.
struct ChannelRecord {
    int16_t Position = 0;
    bool Enable = false;
    bool LowPower = false;
    uint8_t TXPower = 0;  // 0..3; 1 = low; marine 0 = transmit disabled
    bool ClockShift = false;
    bool PowUp = false;
    uint8_t Duplex = 0;  // 0 TX SIMP, 1 RX SIMP, 2 DUP, 3 Reverse DUP
    uint16_t DuplexMask = 0;
    bool TxEnable = false;
    bool DispayA = false;
    bool ScanMemory = false;
    std::string ChTag;  // at most 12 characters
    int16_t Scramble = 0;
    bool TxDisabled = false;
    bool Narrow = false;
    int16_t TxDCS = 0;  // 0 off, 1..104 code index, 105..208 second DCS mode
    int16_t RxDCS = 0;
    int16_t TxCTCSS = 0;
    int16_t RxCTCSS = 0;
    bool RxComp = false;
    std::string CHDisplayL;
    std::string CHDisplayR;
    double Txfreq = 0;  // MHz, 0 = none
    double Rxfreq = 0;
    bool Sel1Copy = false;
    bool LmrExp = false;  // "LMR EXP": true = land-mobile channel
    bool UsaGroup = false;
    bool IntGroup = false;
    bool CanGroup = false;
    std::string StatusNo;  // "" or a multiple of ten: "10", "20"
    int16_t BaseCh = 0;
    std::string StatusIcon;  // "", "A" or "B"

    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

enum UsableGroupIndex { kUsaGroup = 0, kIntlGroup = 1, kCanGroup = 2, kLmrGroup = 3, kExpGroup = 4 };

struct UsableGroupSetup {
    bool Enable = false;
    bool TxTot = false;
    int32_t PriorityCh = 0;  // memory index; records 0..2 only
    bool StatusIcon = false;
    std::string StatusName;  // not in the image
    int32_t Backup = 0;      // records 0..2 only

    friend bool operator==(const UsableGroupSetup&, const UsableGroupSetup&) = default;
};

struct CommonSetup {
    int16_t TxPoDisplay = 0;
    int16_t LastTxPower = 0;
    int16_t SQL = 0;
    int16_t LastChGroup = 0;
    int32_t LastDisplayCh = 0;
    int32_t MarineLmrCh = 0;
    bool SCAN = false;
    int16_t ResumeTime = 0;
    bool PttScanClear = false;
    bool DualWatch = false;
    int16_t OffsetTime = 12;  // 0..24 meaning -12..+12 hours
    int16_t MagneticVariation = 0;
    int16_t Weater = 0;
    bool RotaryBeep = false;

    friend bool operator==(const CommonSetup&, const CommonSetup&) = default;
};

struct DscBasicSetup {
    std::array<bool, 3> DscGroupUsable{};
    std::string UserMMSI;
    bool DistressCancelCall = false;
    bool StanbyMode = false;
    bool PosRequest = false;
    bool PosSend = false;
    bool PosRequestLevel = false;
    bool PosSendLevel = false;
    std::array<bool, 8> BeepOut{};

    friend bool operator==(const DscBasicSetup&, const DscBasicSetup&) = default;
};

// Per call kind, four flags in the order distress, urgency, safety, routine.
struct DscCallSetup {
    std::array<bool, 4> Enable{};
    std::array<bool, 4> Level{};

    friend bool operator==(const DscCallSetup&, const DscCallSetup&) = default;
};

enum DscCallKind { kAllShipsCall = 0, kGroupCall = 1, kIndividualCall = 2 };

struct DscAdvancedSetup {
    std::array<DscCallSetup, 3> Calls{};  // indexed by DscCallKind

    friend bool operator==(const DscAdvancedSetup&, const DscAdvancedSetup&) = default;
};

struct DscDisplaySetup {
    bool IndividualAckMenu = false;
    bool IndividualAckMessageMenu = false;
    bool PosRequestAckMenu = false;

    friend bool operator==(const DscDisplaySetup&, const DscDisplaySetup&) = default;
};

struct DirectoryEntry {
    bool Enable = false;
    std::string TagName;  // at most 11 characters
    std::string Mmsid;    // up to 10 digits; empty = free entry

    friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};

struct AtisCallSign {
    std::string MID;
    std::string Display;

    friend bool operator==(const AtisCallSign&, const AtisCallSign&) = default;
};

struct AtisSetup {
    std::array<bool, 4> UsableAtisChGroup{};
    std::string AtisCode;
    std::array<bool, 4> UsableAtisKillerChGroup{};
    std::array<AtisCallSign, 20> CallSign{};

    friend bool operator==(const AtisSetup&, const AtisSetup&) = default;
};

inline constexpr int kMarineSlots = 128;
inline constexpr int kWeatherChannels = 10;
inline constexpr int kExpChannels = 40;
inline constexpr int kRgChannels = 8;
inline constexpr int kIndividualDirectorySize = 40;
inline constexpr int kGroupDirectorySize = 10;

using MarineGroup = std::array<ChannelRecord, kMarineSlots>;

struct RadioSettings {
    std::array<UsableGroupSetup, 5> UsableGroups{};
    CommonSetup Common;
    DscBasicSetup DscBasic;
    DscAdvancedSetup DscAdvanced;
    DscDisplaySetup DscDisplay;
    AtisSetup Atis;
    MarineGroup CHUSA{};
    MarineGroup CHINT{};
    MarineGroup CHCAN{};
    std::array<ChannelRecord, kWeatherChannels> CHWX{};
    std::array<ChannelRecord, kExpChannels> CHEXP{};
    std::array<ChannelRecord, kRgChannels> CHRG{};
    std::array<DirectoryEntry, kIndividualDirectorySize> CHMMSID{};
    std::array<DirectoryEntry, kGroupDirectorySize> CHGRPID{};

    // The marine group 0 USA, 1 international, 2 Canadian.
    MarineGroup& Marine(int group) { return group == 0 ? CHUSA : group == 1 ? CHINT : CHCAN; }
    const MarineGroup& Marine(int group) const {
        return group == 0 ? CHUSA : group == 1 ? CHINT : CHCAN;
    }

    friend bool operator==(const RadioSettings&, const RadioSettings&) = default;
};

// Memory index: one number naming a marine channel (below 240), an EXP
// channel (240..279) or a weather channel (280..289).
inline constexpr int kFirstExpIndex = 240;
inline constexpr int kFirstWeatherIndex = 280;
inline constexpr int kMemoryIndexEnd = 290;

// A marine memory index counts the group's records from 1: index i + 1 names
// record i. The priority lists have stored record + 1 and the report has
// read p as record p - 1 since the first release, so that is what the
// settings files users keep mean; the image checks, the current channel
// and the factory data count the same way. 0, and 129..239 past the
// group's 128 records, name no channel. Stored numbers are never
// renumbered: a file or a radio keeps its values, the default priority 32
// among them.
constexpr int MarineMemoryIndex(int record) { return record + 1; }
// The record a marine memory index names, or -1.
constexpr int MarineRecordOf(long index) {
    return index >= 1 && index <= kMarineSlots ? static_cast<int>(index - 1) : -1;
}

}  // namespace kv
