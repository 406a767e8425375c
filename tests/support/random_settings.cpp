#include "support/random_settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kv::test {
namespace {

const std::string kNameChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz -/,_";
const std::string kCallSignChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-/_,";

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Encoded upper-case in a field of `length`, decoded up to the first byte
// that is no name character.
std::string StoredName(std::string s, size_t length, bool upper) {
    if (upper)
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    s = s.substr(0, std::min(length, s.size()));
    const size_t end = s.find_first_not_of(kNameChars);
    if (end != std::string::npos) s.resize(end);
    return Trimmed(s);
}

std::string WithTenthZero(const std::string& mmsi) { return mmsi.empty() ? mmsi : mmsi + "0"; }

// The bytes 497..499 of a packed ten-nibble MMSI (tenth nibble 0).
int MmsiByte(const std::string& mmsi, int index) {
    const auto nibble = [&](size_t i) { return i == 9 ? 0 : i < mmsi.size() ? mmsi[i] - '0' : 0xF; };
    return nibble(2 * index) << 4 | nibble(2 * index + 1);
}

}  // namespace

std::string RandomSettings::Text(const std::string& alphabet, int maxLength) {
    std::string s(static_cast<size_t>(Int(0, maxLength)), ' ');
    for (char& c : s) c = alphabet[static_cast<size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))];
    return s;
}

std::string RandomSettings::Digits(int length) {
    std::string digits(static_cast<size_t>(length), '0');
    for (char& c : digits) c = static_cast<char>('0' + Int(0, 9));
    return digits;
}

std::string RandomSettings::ChannelName() {
    std::string name = Text(kNameChars, Int(0, 5) == 0 ? 16 : 12);
    if (plainNames) return Trimmed(name.substr(0, 12));
    if (!name.empty() && Int(0, 4) == 0)
        name[static_cast<size_t>(Int(0, static_cast<int>(name.size()) - 1))] = Pick<char>({'.', '+', '*', '(', ')'});
    return name;
}

void RandomSettings::FillImage(RadioImage& image) {
    for (uint8_t& b : image.bytes) b = static_cast<uint8_t>(Int(0, 255));
}

void RandomSettings::Marine(ChannelRecord& ch, bool sel1) {
    ch.Enable = Flag();
    ch.ScanMemory = Flag();
    ch.ChTag = ChannelName();
    ch.BaseCh = static_cast<int16_t>(Int(0, 255));
    ch.TxEnable = Int(0, 3) != 0;
    ch.TXPower = static_cast<uint8_t>(ch.TxEnable ? Int(1, 3) : 0);
    ch.LowPower = ch.TXPower == 1;
    ch.TxDisabled = !ch.TxEnable;
    ch.Duplex = static_cast<uint8_t>(Int(0, 3));
    ch.PowUp = Flag();
    ch.Scramble = static_cast<int16_t>(Int(0, 7));
    ch.Sel1Copy = sel1;
    ch.StatusIcon = Pick<std::string>({"", "A", "B"});
    const int prefix = Int(0, 15);
    ch.StatusNo = prefix == 0 ? "" : std::to_string(prefix * 10);
}

void RandomSettings::LandMobile(ChannelRecord& ch, int model) {
    ch.Enable = Flag();
    ch.ScanMemory = Flag();
    ch.ChTag = ChannelName();
    ch.TXPower = static_cast<uint8_t>(Int(0, 3));
    ch.LowPower = ch.TXPower == 1;
    ch.TxEnable = ch.TXPower != 0;  // power code 0: no transmission
    ch.ClockShift = Flag();
    ch.PowUp = Flag();
    ch.Scramble = static_cast<int16_t>(Int(0, 7));
    ch.Narrow = Flag();
    ch.LmrExp = Flag();
    ch.UsaGroup = Flag();
    ch.IntGroup = Flag();
    ch.CanGroup = Flag();
    ch.CHDisplayL = Pick<std::string>({"", " 7", "12", "AB", "-1", "x_"});
    ch.CHDisplayR = Pick<std::string>({"", " 5", "12", "ab", "/9"});
    ch.Rxfreq = Int(0, 3) == 0 ? 0.0 : (1000000 + Int(1, 999999)) / 10000.0;
    ch.Txfreq = Int(0, 3) == 0 ? 0.0 : (1000000 + Int(1, 999999)) / 10000.0;
    if (HasTones(model)) {
        ch.TxCTCSS = static_cast<int16_t>(Int(0, 62));
        ch.RxCTCSS = static_cast<int16_t>(Int(0, 62));
        ch.TxDCS = static_cast<int16_t>(Int(0, 208));
        ch.RxDCS = static_cast<int16_t>(Int(0, 208));
        ch.RxComp = ch.RxDCS <= 104 && Flag();
    }
}

RadioSettings RandomSettings::Make(int model, bool sel1) {
    RadioSettings s;
    for (int k = 0; k < 5; ++k) {
        UsableGroupSetup& g = s.UsableGroups[k];
        g.Enable = Flag();
        g.TxTot = Flag();
        g.StatusIcon = Flag();
        g.StatusName = Text(kNameChars, 8);
        g.PriorityCh = Int(0, 65535);
        g.Backup = Int(0, 255);
    }
    CommonSetup& c = s.Common;
    c.TxPoDisplay = static_cast<int16_t>(Int(0, 255));
    c.LastTxPower = static_cast<int16_t>(Int(0, 255));
    c.SQL = static_cast<int16_t>(Int(0, 15));
    c.LastChGroup = static_cast<int16_t>(Int(0, 255));
    c.LastDisplayCh = Int(0, 65535);
    c.MarineLmrCh = Int(0, 65535);
    c.SCAN = Flag();
    c.ResumeTime = static_cast<int16_t>(Int(0, 3));
    c.PttScanClear = Flag();
    c.DualWatch = Flag();
    c.OffsetTime = static_cast<int16_t>(Int(-3, 27));
    c.MagneticVariation = static_cast<int16_t>(Int(0, 1));
    c.Weater = static_cast<int16_t>(Int(0, 3));
    c.RotaryBeep = Flag();
    DscBasicSetup& b = s.DscBasic;
    for (bool& f : b.DscGroupUsable) f = Flag();
    b.UserMMSI = Flag() ? Digits(9) : "";
    b.DistressCancelCall = Flag();
    b.StanbyMode = Flag();
    b.PosRequest = Flag();
    b.PosSend = Flag();
    b.PosRequestLevel = Flag();
    b.PosSendLevel = Flag();
    for (bool& f : b.BeepOut) f = Flag();
    for (DscCallSetup& call : s.DscAdvanced.Calls)
        for (int i = 0; i < 4; ++i) {
            call.Enable[i] = Flag();
            call.Level[i] = Flag();
        }
    s.DscDisplay = {Flag(), Flag(), Flag()};
    for (bool& f : s.Atis.UsableAtisChGroup) f = Flag();
    for (bool& f : s.Atis.UsableAtisKillerChGroup) f = Flag();
    s.Atis.AtisCode = Digits(Int(0, 10));
    for (AtisCallSign& sign : s.Atis.CallSign) sign = {Text(kCallSignChars, 3), Text(kCallSignChars, 3)};
    for (int g = 0; g < 3; ++g)
        for (ChannelRecord& ch : s.Marine(g)) Marine(ch, sel1);
    for (ChannelRecord& ch : s.CHWX) {
        ch.Enable = Flag();
        ch.ScanMemory = Flag();
        ch.ChTag = ChannelName();
    }
    for (ChannelRecord& ch : s.CHEXP) LandMobile(ch, model);
    for (ChannelRecord& ch : s.CHRG) LandMobile(ch, model);
    const auto fillDirectory = [&](auto& entries) {
        const int inUse = Int(0, static_cast<int>(entries.size()));
        for (int i = 0; i < static_cast<int>(entries.size()); ++i)
            entries[i] = {i < inUse, plainNames ? (i < inUse ? Trimmed(Text(kNameChars, 11)) : "") : Text(kNameChars, 11),
                          i < inUse ? Digits(9) : ""};
    };
    fillDirectory(s.CHMMSID);
    fillDirectory(s.CHGRPID);
    return s;
}

// Model type 2 keeps its tone block over the last byte of Txfreq: the 1 kHz
// and 100 Hz digits are the nibbles of the block's first byte.
double Model2Txfreq(const ChannelRecord& ch) {
    long units = ch.Txfreq > 100.0 ? std::lround((ch.Txfreq - 100.0) * 10000.0) : 0;
    if (units > 999999) units = 0;
    const unsigned mode = ch.RxComp ? 2 : ch.RxDCS > 104 ? 1 : 0;
    const unsigned t0 = (ch.TxDCS > 104 ? 0x80u : 0u) | mode << 4 | ((static_cast<unsigned>(ch.RxCTCSS) >> 2) & 0x0F);
    int digits[6];
    for (int i = 3; i >= 0; --i) {
        units /= i == 3 ? 100 : 1;
        digits[i] = static_cast<int>(units % 10);
        units /= 10;
    }
    digits[4] = static_cast<int>(t0 >> 4);
    digits[5] = static_cast<int>(t0 & 0x0F);
    long whole = 0, fraction = 0, scale = 1;
    for (int i = 0; i < 6 && digits[i] <= 9; ++i) {
        if (i < 2) {
            whole = whole * 10 + digits[i];
        } else {
            fraction = fraction * 10 + digits[i];
            scale *= 10;
        }
    }
    const long value = whole * 10000 + fraction * (10000 / scale);
    return value > 0 && value < 1000000 ? (1000000 + value) / 10000.0 : 0.0;
}

RadioSettings ExpectedAfterRoundTrip(const RadioSettings& input, int model) {
    RadioSettings e = input;
    const bool dsc = IsDscModel(model);
    auto& groups = e.UsableGroups;
    const auto anyEnabled = [](const auto& channels, auto pred) {
        return std::any_of(channels.begin(), channels.end(), [&](const ChannelRecord& ch) { return ch.Enable && pred(ch); });
    };
    const auto all = [](const ChannelRecord&) { return true; };
    if (dsc) {  // groups without an enabled channel are switched off
        for (int g = 0; g < 3; ++g)
            if (!anyEnabled(e.Marine(g), all)) groups[g].Enable = false;
        if (!anyEnabled(e.CHEXP, all)) groups[kLmrGroup].Enable = groups[kExpGroup].Enable = false;
    }
    if (model == 5)  // a channel of a group that is not usable is stored disabled
        for (ChannelRecord& ch : e.CHEXP) ch.Enable = ch.Enable && groups[ch.LmrExp ? kLmrGroup : kExpGroup].Enable;
    const bool landMobile = groups[kLmrGroup].Enable || groups[kExpGroup].Enable;
    groups[kLmrGroup].Enable = landMobile && anyEnabled(e.CHEXP, [](const ChannelRecord& ch) { return ch.LmrExp; });
    groups[kExpGroup].Enable = landMobile && anyEnabled(e.CHEXP, [](const ChannelRecord& ch) { return !ch.LmrExp; });

    if (dsc) {
        e.Common.OffsetTime = std::clamp<int16_t>(e.Common.OffsetTime, 0, 24);
        e.DscBasic.UserMMSI = WithTenthZero(e.DscBasic.UserMMSI);
        // The MMSI is written after the backup bytes and holds 497..499.
        for (int g = 0; g < 3; ++g) groups[g].Backup = MmsiByte(input.DscBasic.UserMMSI, g + 1);
        for (std::span<DirectoryEntry> directory : {std::span<DirectoryEntry>(e.CHMMSID), std::span<DirectoryEntry>(e.CHGRPID)})
            for (DirectoryEntry& entry : directory) {
                entry.Mmsid = WithTenthZero(entry.Mmsid);
                entry.TagName = entry.Enable ? StoredName(entry.TagName, 11, false) : "";
            }
    }
    if (e.Atis.AtisCode.empty()) e.Atis.UsableAtisChGroup.fill(false);
    if (model == 0)
        for (AtisCallSign& sign : e.Atis.CallSign) sign = {Trimmed(sign.MID), Trimmed(sign.Display)};

    if (HasNames(model)) {
        for (int g = 0; g < 3; ++g)
            for (ChannelRecord& ch : e.Marine(g)) ch.ChTag = StoredName(ch.ChTag, 12, true);
        for (std::span<ChannelRecord> list : {std::span<ChannelRecord>(e.CHWX), std::span<ChannelRecord>(e.CHEXP),
                                              std::span<ChannelRecord>(e.CHRG)})
            for (ChannelRecord& ch : list) ch.ChTag = StoredName(ch.ChTag, 12, true);
    }
    // A land-mobile channel is offered in no marine group; RG channels never are land-mobile.
    for (std::span<ChannelRecord> list : {std::span<ChannelRecord>(e.CHEXP), std::span<ChannelRecord>(e.CHRG)})
        for (ChannelRecord& ch : list)
            if (ch.LmrExp) ch.UsaGroup = ch.IntGroup = ch.CanGroup = false;
    for (ChannelRecord& ch : e.CHRG) ch.LmrExp = false;
    if (model == 2)
        for (std::span<ChannelRecord> list : {std::span<ChannelRecord>(e.CHEXP), std::span<ChannelRecord>(e.CHRG)})
            for (ChannelRecord& ch : list) ch.Txfreq = Model2Txfreq(ch);
    return e;
}

}  // namespace kv::test
