// Settings to image: the mirror of decode. Fields are rewritten in place so
// that bytes no field covers survive; the few bytes rebuilt whole are named.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <span>

#include "image/codec.h"
#include "model/tones.h"
#include "rules/narrowband.h"

namespace kv {
namespace {

using namespace map;

void MakeUpper(std::string& s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

// Entries in array order, eight to a byte, the first in bit 7. The byte in
// which the entries end is written with zeros in its remaining bits; when
// they end on a byte boundary with room left, one more zero byte follows.
template <class Flag>
void EncodeBitmap(RadioImage& image, int address, int length, int entries, Flag flag) {
    const int count = std::min(entries, length * 8);
    const int bytes = std::min(length, count / 8 + 1);
    for (int b = 0; b < bytes; ++b) {
        uint8_t value = 0;
        for (int bit = 0; bit < 8 && b * 8 + bit < count; ++bit)
            if (flag(b * 8 + bit)) value |= static_cast<uint8_t>(0x80 >> bit);
        image[address + b] = value;
    }
}

template <size_t N>
void EncodeBitmaps(RadioImage& image, const ChannelGroupMap& m, const std::array<ChannelRecord, N>& channels) {
    EncodeBitmap(image, m.enableBitmap, m.bitmapLength, N, [&](int n) { return channels[n].Enable; });
    EncodeBitmap(image, m.scanBitmap, m.bitmapLength, N, [&](int n) { return channels[n].ScanMemory; });
}

template <size_t N>
void EncodeNames(RadioSession& s, const ChannelGroupMap& m, std::array<ChannelRecord, N>& channels) {
    if (!HasNames(s.model)) return;
    for (int n = 0; n < std::min<int>(N, m.count); ++n) {
        MakeUpper(channels[n].ChTag);
        WriteName(s.image, {static_cast<uint16_t>(m.NameAt(n)), ChannelGroupMap::kNameLength}, channels[n].ChTag);
    }
}

bool AnyEnabled(std::span<const ChannelRecord> channels) {
    return std::any_of(channels.begin(), channels.end(), [](const ChannelRecord& ch) { return ch.Enable; });
}

// Model types 0 and 3 switch off a group that has no enabled channel.
void DropEmptyGroups(RadioSettings& settings) {
    auto& groups = settings.UsableGroups;
    for (int g = kUsaGroup; g <= kCanGroup; ++g)
        if (!AnyEnabled(settings.Marine(g))) groups[g].Enable = false;
    if (!AnyEnabled(settings.CHEXP)) groups[kLmrGroup].Enable = groups[kExpGroup].Enable = false;
}

void EncodeUsableGroups(RadioSession& s) {
    const auto& groups = s.settings.UsableGroups;
    for (int k = kUsaGroup; k <= kLmrGroup; ++k) {
        const bool usable = k == kLmrGroup ? groups[kLmrGroup].Enable || groups[kExpGroup].Enable : groups[k].Enable;
        WriteFlag(s.image, GroupUsable(k), usable);
        WriteFlag(s.image, TxTot(k), groups[k].TxTot);
        if (k <= kCanGroup) {
            WriteWordBE(s.image, PriorityCh(k), groups[k].PriorityCh);
            s.image[Backup(k)] = static_cast<uint8_t>(groups[k].Backup);
        }
        WriteFlag(s.image, GroupStatusIcon(k), groups[k].StatusIcon);
    }
}

unsigned EncodeOffsetTime(int index) {
    index = std::clamp(index, 0, 24);
    return index >= 12 ? 0x10u + static_cast<unsigned>(index - 12) : static_cast<unsigned>(12 - index);
}

void EncodeCommon(RadioSession& s) {
    RadioImage& image = s.image;
    const CommonSetup& c = s.settings.Common;
    WriteBits(image, map::TxPoDisplay, static_cast<unsigned>(c.TxPoDisplay));
    WriteBits(image, map::LastTxPower, static_cast<unsigned>(c.LastTxPower));
    WriteBits(image, map::LastChGroup, static_cast<unsigned>(c.LastChGroup));
    WriteBits(image, map::SQL, static_cast<unsigned>(c.SQL));
    WriteWordBE(image, map::LastDisplayCh, c.LastDisplayCh);
    WriteWordBE(image, map::MarineLmrCh, c.MarineLmrCh);
    WriteFlag(image, map::SCAN, c.SCAN);
    WriteBits(image, map::ResumeTime, static_cast<unsigned>(c.ResumeTime));
    WriteFlag(image, map::PttScanClear, c.PttScanClear);
    WriteFlag(image, map::DualWatch, c.DualWatch);
    if (IsDscModel(s.model)) {
        WriteBits(image, map::OffsetTime, EncodeOffsetTime(c.OffsetTime));
        WriteBits(image, map::MagneticVariation, static_cast<unsigned>(c.MagneticVariation));
    }
    WriteBits(image, map::Weater, static_cast<unsigned>(c.Weater));
    if (IsDscModel(s.model)) WriteFlag(image, map::RotaryBeep, c.RotaryBeep);
}

void EncodeDsc(RadioSession& s) {
    RadioImage& image = s.image;
    const DscBasicSetup& b = s.settings.DscBasic;
    for (int g = 0; g < 3; ++g) WriteFlag(image, DscGroupUsable(g), b.DscGroupUsable[g]);
    WriteFlag(image, map::DistressCancelCall, b.DistressCancelCall);
    WriteFlag(image, map::StanbyMode, b.StanbyMode);
    WriteFlag(image, map::PosRequest, b.PosRequest);
    WriteFlag(image, map::PosSend, b.PosSend);
    WriteFlag(image, map::PosRequestLevel, b.PosRequestLevel);
    WriteFlag(image, map::PosSendLevel, b.PosSendLevel);
    for (int i = 0; i < 8; ++i) WriteFlag(image, map::BeepOut(i), b.BeepOut[i]);
    WriteBcdDigits(image, map::UserMmsi, b.UserMMSI, true);
    for (int kind = 0; kind < 3; ++kind)
        for (int i = 0; i < 4; ++i) {
            WriteFlag(image, DscCallEnable(kind, i), s.settings.DscAdvanced.Calls[kind].Enable[i]);
            WriteFlag(image, DscCallLevel(kind, i), s.settings.DscAdvanced.Calls[kind].Level[i]);
        }
    const DscDisplaySetup& d = s.settings.DscDisplay;
    WriteFlag(image, map::IndividualAckMenu, d.IndividualAckMenu);
    WriteFlag(image, map::IndividualAckMessageMenu, d.IndividualAckMessageMenu);
    WriteFlag(image, map::PosRequestAckMenu, d.PosRequestAckMenu);
}

void EncodeAtis(RadioSession& s) {
    RadioImage& image = s.image;
    const AtisSetup& a = s.settings.Atis;
    for (int k = 0; k < 4; ++k) WriteFlag(image, UsableAtisChGroup(k), !a.AtisCode.empty() && a.UsableAtisChGroup[k]);
    WriteBcdDigits(image, map::AtisCode, a.AtisCode, false);
    if (IsDscModel(s.model))
        for (int k = 0; k < 4; ++k) WriteFlag(image, UsableAtisKillerChGroup(k), a.UsableAtisKillerChGroup[k]);
    if (!s.traits().callSigns) return;
    for (int i = 0; i < kCallSignCount; ++i) {
        const int entry = CallSigns + kCallSignSize * i;
        WriteNameRightJustified(image, At(callsign::MID, entry), a.CallSign[i].MID);
        WriteNameRightJustified(image, At(callsign::Display, entry), a.CallSign[i].Display);
    }
}

// StatusNo / 10, rounded half to even.
unsigned StatusPrefixDigit(const std::string& statusNo) {
    if (statusNo.empty() || !std::all_of(statusNo.begin(), statusNo.end(), ::isdigit) || statusNo.size() > 6) return 0;
    return static_cast<unsigned>(std::nearbyint(std::stoi(statusNo) / 10.0));
}

void EncodeMarineEntry(RadioImage& image, int a, const ChannelRecord& ch) {
    WriteBits(image, At(marine::BaseCh, a), static_cast<unsigned>(ch.BaseCh));
    image[a + marine::Flags] = 0;
    const unsigned power = !ch.TxEnable ? 0u : ch.LowPower ? 1u : ch.TXPower;
    WriteBits(image, At(marine::PowerCode, a), power);
    WriteBits(image, At(marine::Duplex, a), ch.Duplex);
    WriteFlag(image, At(marine::PowUp, a), ch.PowUp);
    WriteBits(image, At(marine::Scramble, a), static_cast<unsigned>(ch.Scramble));
    WriteBits(image, At(marine::Suffix, a), ch.StatusIcon == "A" ? 1u : ch.StatusIcon == "B" ? 2u : 0u);
    WriteBits(image, At(marine::Prefix, a), StatusPrefixDigit(ch.StatusNo));
}

void EncodeMarineGroup(RadioSession& s, int group) {
    const ChannelGroupMap& m = MarineGroupMap(group);
    MarineGroup& channels = s.settings.Marine(group);
    EncodeBitmaps(s.image, m, channels);
    EncodeNames(s, m, channels);
    for (int n = 0; n < m.count; ++n) EncodeMarineEntry(s.image, m.EntryAt(n), channels[n]);
}

// Both display parts padded on the left and cut to their last two characters.
std::string DisplayPart(const std::string& text) {
    const std::string padded = std::string(text.size() < 2 ? 2 - text.size() : 0, ' ') + text;
    return padded.substr(padded.size() - 2);
}

// The block is rebuilt whole from four zero bytes.
void EncodeTones(RadioImage& image, int t, const ChannelRecord& ch) {
    for (int i = 0; i < tone::Block.length; ++i) image[t + i] = 0;
    const auto rxCtcss = static_cast<unsigned>(ch.RxCTCSS);
    WriteFlag(image, At(tone::TxSecondDcs, t), ch.TxDCS > kSecondDcsOffset);
    WriteBits(image, At(tone::RxMode, t), ch.RxComp ? 2u : ch.RxDCS > kSecondDcsOffset ? 1u : 0u);
    WriteBits(image, At(tone::RxCtcssHigh, t), rxCtcss >> 2);
    WriteBits(image, At(tone::RxCtcssLow, t), rxCtcss & 3u);
    WriteBits(image, At(tone::TxCtcss, t), static_cast<unsigned>(ch.TxCTCSS));
    WriteBits(image, At(tone::RxCode, t), static_cast<unsigned>(ch.RxDCS > kSecondDcsOffset ? ch.RxDCS - kSecondDcsOffset : ch.RxDCS));
    WriteBits(image, At(tone::TxCode, t), static_cast<unsigned>(ch.TxDCS > kSecondDcsOffset ? ch.TxDCS - kSecondDcsOffset : ch.TxDCS));
}

void EncodeLmrEntry(RadioSession& s, int a, const ChannelRecord& ch, const CivilDate& today) {
    RadioImage& image = s.image;
    image[a + lmr::Flags] = 0;
    WriteBits(image, At(lmr::PowerCode, a), LandMobilePowerCode(ch));
    WriteFlag(image, At(lmr::ClockShift, a), ch.ClockShift);
    WriteFlag(image, At(lmr::PowUp, a), ch.PowUp);
    WriteBits(image, At(lmr::Scramble, a), static_cast<unsigned>(ch.Scramble));
    const bool forcedNarrow = ChannelWideStatus(s.model, ch, today) == kWideAfterDeadline;
    WriteFlag(image, At(lmr::Narrow, a), ch.Narrow || forcedNarrow);
    image[a + lmr::GroupFlags] = 0;
    WriteFlag(image, At(lmr::LmrExp, a), ch.LmrExp);
    const std::array<bool, 3> offered{ch.UsaGroup, ch.IntGroup, ch.CanGroup};
    for (int g = 0; g < 3; ++g) WriteFlag(image, At(lmr::NotInGroup(g), a), ch.LmrExp || !offered[g]);
    const std::string display = DisplayPart(ch.CHDisplayL) + DisplayPart(ch.CHDisplayR);
    for (int i = 0; i < lmr::Display.length; ++i) image[a + lmr::Display.address + i] = static_cast<uint8_t>(display[i]);
    WriteFrequency(image, ch.Rxfreq, a + lmr::Rxfreq);
    WriteFrequency(image, ch.Txfreq, a + lmr::Txfreq);
    if (HasTones(s.model)) EncodeTones(image, a + s.traits().toneBlock, ch);
}

template <size_t N>
void EncodeLmrEntries(RadioSession& s, const ChannelGroupMap& m, const std::array<ChannelRecord, N>& channels,
                      const CivilDate& today) {
    for (int n = 0; n < m.count; ++n) EncodeLmrEntry(s, m.EntryAt(n), channels[n], today);
}

void EncodeDirectory(RadioImage& image, int base, std::span<const DirectoryEntry> entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const int entry = base + kDirectoryEntrySize * static_cast<int>(i);
        WriteBcdDigits(image, entry + directory::Mmsi, entries[i].Mmsid, true);
        WriteName(image, At(directory::TagName, entry), entries[i].TagName);
    }
}

void EncodeExpGroup(RadioSession& s, const CivilDate& today) {
    auto& channels = s.settings.CHEXP;
    EncodeBitmap(s.image, ExpGroup.enableBitmap, ExpGroup.bitmapLength, kExpChannels,
                 [&](int n) { return ProgrammedEnabled(s, channels[n]); });
    EncodeBitmap(s.image, ExpGroup.scanBitmap, ExpGroup.bitmapLength, kExpChannels,
                 [&](int n) { return channels[n].ScanMemory; });
    EncodeNames(s, ExpGroup, channels);
    EncodeLmrEntries(s, ExpGroup, channels, today);
}

}  // namespace

unsigned LandMobilePowerCode(const ChannelRecord& ch) { return ch.LowPower ? 1u : ch.TXPower & 3u; }

bool ProgrammedEnabled(const RadioSession& s, const ChannelRecord& ch) {
    if (!s.traits().expGroup) return ch.Enable;
    return ch.Enable && s.settings.UsableGroups[ch.LmrExp ? kLmrGroup : kExpGroup].Enable;
}

void EncodeImage(RadioSession& s) {
    const CivilDate today = s.today();
    if (IsDscModel(s.model)) DropEmptyGroups(s.settings);
    EncodeUsableGroups(s);
    EncodeCommon(s);
    if (IsDscModel(s.model)) EncodeDsc(s);
    EncodeAtis(s);
    for (int group = 0; group < 3; ++group) EncodeMarineGroup(s, group);
    EncodeBitmaps(s.image, WeatherGroup, s.settings.CHWX);
    EncodeNames(s, WeatherGroup, s.settings.CHWX);
    if (IsDscModel(s.model)) {
        EncodeDirectory(s.image, IndividualDirectory, s.settings.CHMMSID);
        EncodeDirectory(s.image, GroupDirectory, s.settings.CHGRPID);
    }
    EncodeExpGroup(s, today);
    EncodeBitmaps(s.image, RgGroup, s.settings.CHRG);
    // RG names are written like every other group's, so a user's edits reach the radio.
    EncodeNames(s, RgGroup, s.settings.CHRG);
    EncodeLmrEntries(s, RgGroup, s.settings.CHRG, today);
}

}  // namespace kv
