// Image to settings. Reads like the address-map tables; every address comes
// from the map.
#include <algorithm>
#include <span>

#include "image/codec.h"
#include "model/channel_plans.h"
#include "model/tones.h"
#include "util/advice.h"

namespace kv {
namespace {

using namespace map;

int BcdToStatusPrefix(unsigned digit) { return static_cast<int>(digit) * 10; }

std::string StatusNoText(unsigned digit) {
    if (digit == 0) return "";
    std::string text = std::to_string(BcdToStatusPrefix(digit));
    return text.size() < 2 ? "0" + text : text;
}

template <size_t N>
void DecodeBitmaps(const RadioImage& image, const ChannelGroupMap& group, std::array<ChannelRecord, N>& channels) {
    const int count = std::min<int>(N, group.bitmapLength * 8);
    for (int n = 0; n < std::min(count, group.count); ++n) {
        const Bits bit{static_cast<uint16_t>(n / 8), static_cast<uint8_t>(7 - n % 8), 1};
        channels[n].Enable = ReadFlag(image, At(bit, group.enableBitmap));
        channels[n].ScanMemory = ReadFlag(image, At(bit, group.scanBitmap));
    }
}

template <size_t N>
void DecodeNames(const RadioSession& s, const ChannelGroupMap& group, std::array<ChannelRecord, N>& channels) {
    if (!HasNames(s.model)) return;
    for (int n = 0; n < std::min<int>(N, group.count); ++n)
        channels[n].ChTag = ReadName(s.image, {static_cast<uint16_t>(group.NameAt(n)), ChannelGroupMap::kNameLength});
}

void DecodeUsableGroups(RadioSession& s) {
    const RadioImage& image = s.image;
    for (int k = kUsaGroup; k <= kLmrGroup; ++k) {
        UsableGroupSetup& g = s.settings.UsableGroups[k];
        g.Enable = ReadFlag(image, GroupUsable(k));
        g.TxTot = ReadFlag(image, TxTot(k));
        g.StatusIcon = ReadFlag(image, GroupStatusIcon(k));
        if (k <= kCanGroup) {
            g.PriorityCh = ReadWordBE(image, PriorityCh(k));
            g.Backup = image[Backup(k)];
        }
    }
}

int16_t DecodeOffsetTime(unsigned bits) {
    if (bits == 0 || bits == 0x1F) return 12;
    const int magnitude = std::min(static_cast<int>(bits & 0x0F), 12);
    return static_cast<int16_t>(bits & 0x10 ? 12 + magnitude : 12 - magnitude);
}

void DecodeCommon(RadioSession& s) {
    const RadioImage& image = s.image;
    CommonSetup& c = s.settings.Common;
    c.TxPoDisplay = static_cast<int16_t>(ReadBits(image, map::TxPoDisplay));
    c.LastTxPower = static_cast<int16_t>(ReadBits(image, map::LastTxPower));
    c.LastChGroup = static_cast<int16_t>(ReadBits(image, map::LastChGroup));
    c.SQL = static_cast<int16_t>(ReadBits(image, map::SQL));
    if (IsDscModel(s.model)) {
        c.OffsetTime = DecodeOffsetTime(ReadBits(image, map::OffsetTime));
        c.MagneticVariation = static_cast<int16_t>(ReadBits(image, map::MagneticVariation));
    }
    c.LastDisplayCh = ReadWordBE(image, map::LastDisplayCh);
    c.MarineLmrCh = ReadWordBE(image, map::MarineLmrCh);
    if (s.traits().callSigns) c.RotaryBeep = ReadFlag(image, map::RotaryBeep);
    c.SCAN = ReadFlag(image, map::SCAN);
    c.PttScanClear = ReadFlag(image, map::PttScanClear);
    c.ResumeTime = static_cast<int16_t>(ReadBits(image, map::ResumeTime));
    c.DualWatch = ReadFlag(image, map::DualWatch);
    c.Weater = static_cast<int16_t>(ReadBits(image, map::Weater));
}

void DecodeDsc(RadioSession& s) {
    const RadioImage& image = s.image;
    DscBasicSetup& b = s.settings.DscBasic;
    for (int g = 0; g < 3; ++g) b.DscGroupUsable[g] = ReadFlag(image, DscGroupUsable(g));
    for (int kind = 0; kind < 3; ++kind)
        for (int i = 0; i < 4; ++i) {
            s.settings.DscAdvanced.Calls[kind].Enable[i] = ReadFlag(image, DscCallEnable(kind, i));
            s.settings.DscAdvanced.Calls[kind].Level[i] = ReadFlag(image, DscCallLevel(kind, i));
        }
    b.DistressCancelCall = ReadFlag(image, map::DistressCancelCall);
    b.StanbyMode = ReadFlag(image, map::StanbyMode);
    b.PosRequest = ReadFlag(image, map::PosRequest);
    b.PosSend = ReadFlag(image, map::PosSend);
    b.PosRequestLevel = ReadFlag(image, map::PosRequestLevel);
    b.PosSendLevel = ReadFlag(image, map::PosSendLevel);
    for (int i = 0; i < 8; ++i) b.BeepOut[i] = ReadFlag(image, map::BeepOut(i));
    DscDisplaySetup& d = s.settings.DscDisplay;
    d.IndividualAckMenu = ReadFlag(image, map::IndividualAckMenu);
    d.IndividualAckMessageMenu = ReadFlag(image, map::IndividualAckMessageMenu);
    d.PosRequestAckMenu = ReadFlag(image, map::PosRequestAckMenu);
    b.UserMMSI = ReadBcdDigits(image, map::UserMmsi);
}

void DecodeAtis(RadioSession& s) {
    const RadioImage& image = s.image;
    AtisSetup& a = s.settings.Atis;
    for (int k = 0; k < 4; ++k) a.UsableAtisChGroup[k] = ReadFlag(image, UsableAtisChGroup(k));
    a.AtisCode = ReadBcdDigits(image, map::AtisCode);
    if (!s.traits().callSigns) return;
    for (int k = 0; k < 4; ++k) a.UsableAtisKillerChGroup[k] = ReadFlag(image, UsableAtisKillerChGroup(k));
    for (int i = 0; i < kCallSignCount; ++i) {
        const int entry = CallSigns + kCallSignSize * i;
        a.CallSign[i].MID = ReadNameFixed(image, At(callsign::MID, entry));
        a.CallSign[i].Display = ReadNameFixed(image, At(callsign::Display, entry));
    }
}

void DecodeMarineEntry(const RadioImage& image, int a, bool sel1, ChannelRecord& ch) {
    ch.BaseCh = static_cast<int16_t>(ReadBits(image, At(marine::BaseCh, a)));
    const unsigned power = ReadBits(image, At(marine::PowerCode, a));
    ch.TxEnable = power != 0;
    ch.LowPower = power == 1;
    ch.TXPower = static_cast<uint8_t>(power);
    ch.TxDisabled = !ch.TxEnable;
    ch.Duplex = static_cast<uint8_t>(ReadBits(image, At(marine::Duplex, a)));
    ch.PowUp = ReadFlag(image, At(marine::PowUp, a));
    ch.Scramble = static_cast<int16_t>(ReadBits(image, At(marine::Scramble, a)));
    ch.Sel1Copy = sel1;
    const unsigned suffix = ReadBits(image, At(marine::Suffix, a));
    static const std::array<std::string, 3> kSuffixes{"", "A", "B"};
    ch.StatusIcon = kSuffixes[suffix <= 2 ? suffix : 0];
    ch.StatusNo = StatusNoText(ReadBits(image, At(marine::Prefix, a)));
}

// A receive-only channel keeps its plan's mode in the settings wherever the
// radio holds it, so the screens, the report, a saved file and the next
// program agree; the image keeps what the radio held.
void DecodeMarineGroup(RadioSession& s, int group, std::vector<std::string>& notes) {
    static constexpr const char* kSections[] = {"CHUSA", "CHINT", "CHCAN"};
    const ChannelGroupMap& m = MarineGroupMap(group);
    MarineGroup& channels = s.settings.Marine(group);
    DecodeBitmaps(s.image, m, channels);
    DecodeNames(s, m, channels);
    const bool sel1 = s.Sel1();
    for (int n = 0; n < m.count; ++n) {
        DecodeMarineEntry(s.image, m.EntryAt(n), sel1, channels[n]);
        if (const auto kept = KeepReceiveOnly(group, channels[n]))
            notes.push_back(AdviceText(Advice::SettingKept, {std::string(kSections[group]) + std::to_string(n), "Duplex",
                                                             std::to_string(kept->asked), KeptReceiveOnlyText(*kept)}));
    }
}

void DecodeTones(const RadioImage& image, int t, ChannelRecord& ch) {
    const auto ctcss = [](unsigned v) { return static_cast<int16_t>(v == 63 ? 0 : v); };
    ch.RxCTCSS = ctcss(4 * ReadBits(image, At(tone::RxCtcssHigh, t)) + ReadBits(image, At(tone::RxCtcssLow, t)));
    ch.TxCTCSS = ctcss(ReadBits(image, At(tone::TxCtcss, t)));
    unsigned mode = ReadBits(image, At(tone::RxMode, t));
    if (mode == 3) mode = 0;
    unsigned rxCode = ReadBits(image, At(tone::RxCode, t));
    if (rxCode == 0xFF) rxCode = 0;
    ch.RxDCS = static_cast<int16_t>(mode == 1 ? rxCode + kSecondDcsOffset : rxCode);
    ch.RxComp = mode == 2;
    const unsigned txCode = ReadBits(image, At(tone::TxCode, t));
    ch.TxDCS = static_cast<int16_t>(txCode == 0xFF ? 0 : txCode + kSecondDcsOffset * ReadBits(image, At(tone::TxSecondDcs, t)));
}

void DecodeLmrEntry(const RadioSession& s, int a, ChannelRecord& ch) {
    const RadioImage& image = s.image;
    const unsigned power = ReadBits(image, At(lmr::PowerCode, a));
    ch.LowPower = power == 1;
    ch.TXPower = static_cast<uint8_t>(power);
    ch.TxEnable = power != 0;
    ch.ClockShift = ReadFlag(image, At(lmr::ClockShift, a));
    ch.PowUp = ReadFlag(image, At(lmr::PowUp, a));
    ch.Scramble = static_cast<int16_t>(ReadBits(image, At(lmr::Scramble, a)));
    ch.Narrow = ReadFlag(image, At(lmr::Narrow, a));
    ch.LmrExp = ReadFlag(image, At(lmr::LmrExp, a));
    ch.UsaGroup = !ReadFlag(image, At(lmr::NotInGroup(0), a));
    ch.IntGroup = !ReadFlag(image, At(lmr::NotInGroup(1), a));
    ch.CanGroup = !ReadFlag(image, At(lmr::NotInGroup(2), a));
    ch.CHDisplayL = ReadName(image, At(lmr::CHDisplayL, a));
    if (ch.CHDisplayL.size() == 1) ch.CHDisplayL.insert(ch.CHDisplayL.begin(), ' ');
    ch.CHDisplayR = ReadName(image, At(lmr::CHDisplayR, a));
    ch.Rxfreq = ReadFrequency(image, a + lmr::Rxfreq);
    ch.Txfreq = ReadFrequency(image, a + lmr::Txfreq);
    if (HasTones(s.model)) DecodeTones(image, a + s.traits().toneBlock, ch);
}

template <size_t N>
void DecodeLmrGroup(RadioSession& s, const ChannelGroupMap& m, std::array<ChannelRecord, N>& channels) {
    DecodeBitmaps(s.image, m, channels);
    DecodeNames(s, m, channels);
    for (int n = 0; n < m.count; ++n) DecodeLmrEntry(s, m.EntryAt(n), channels[n]);
}

void DecodeDirectory(const RadioImage& image, int base, std::span<DirectoryEntry> entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const int entry = base + kDirectoryEntrySize * static_cast<int>(i);
        entries[i].Mmsid = ReadBcdDigits(image, entry + directory::Mmsi);
        entries[i].TagName = ReadName(image, At(directory::TagName, entry));
    }
    // Entries in use come first; the first free entry frees all after it.
    bool inUse = true;
    for (DirectoryEntry& e : entries) {
        inUse = inUse && !e.Mmsid.empty();
        e.Enable = inUse;
        if (!inUse) e = DirectoryEntry{};
    }
}

}  // namespace

void DecodeSetup(RadioSession& s) {
    DecodeUsableGroups(s);
    DecodeCommon(s);
    if (IsDscModel(s.model)) DecodeDsc(s);
    DecodeAtis(s);
}

void DecodeExpGroup(RadioSession& s) {
    DecodeLmrGroup(s, ExpGroup, s.settings.CHEXP);
    // The image keeps one flag for both land-mobile groups; which of them is
    // usable follows from the enabled channels.
    auto& groups = s.settings.UsableGroups;
    const bool landMobileUsable = groups[kLmrGroup].Enable;
    const auto anyEnabled = [&](bool lmr) {
        return std::any_of(s.settings.CHEXP.begin(), s.settings.CHEXP.end(),
                           [&](const ChannelRecord& ch) { return ch.Enable && ch.LmrExp == lmr; });
    };
    groups[kLmrGroup].Enable = landMobileUsable && anyEnabled(true);
    groups[kExpGroup].Enable = landMobileUsable && anyEnabled(false);
}

std::vector<std::string> DecodeImage(RadioSession& s) {
    std::vector<std::string> notes;
    DecodeSetup(s);
    for (int group = 0; group < 3; ++group) DecodeMarineGroup(s, group, notes);
    DecodeBitmaps(s.image, WeatherGroup, s.settings.CHWX);
    DecodeNames(s, WeatherGroup, s.settings.CHWX);
    if (IsDscModel(s.model)) {
        DecodeDirectory(s.image, IndividualDirectory, s.settings.CHMMSID);
        DecodeDirectory(s.image, GroupDirectory, s.settings.CHGRPID);
    }
    DecodeExpGroup(s);
    DecodeLmrGroup(s, RgGroup, s.settings.CHRG);
    for (ChannelRecord& ch : s.settings.CHRG) ch.LmrExp = false;
    return notes;
}

}  // namespace kv
