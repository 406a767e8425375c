#include "support/random_settings.h"

#include "model/channel_plans.h"
#include "rules/channel_lists.h"

namespace kv::test {
namespace {

const std::string kNameChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz -/,_";
const std::string kCallSignChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-/_,";

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
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
    SetTransmit(ch, Int(0, 3) != 0);
    SetLowPowerOnly(ch, Flag());
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
    SetTransmit(ch, Int(0, 3) != 0);
    SetLowPowerOnly(ch, Flag());
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
        for (const bool transmit : {true, false})  // a tone of either kind, or none
            Flag() ? SelectCtcss(ch, transmit, Int(0, 62)) : SelectDcs(ch, transmit, Int(0, 208));
        ch.RxComp = Flag();
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
        for (int n = 0; n < kMarineSlots; ++n) {
            ChannelRecord& ch = s.Marine(g)[n];
            Marine(ch, sel1);
            ch.Position = static_cast<int16_t>(n);  // each record in its own slot
            KeepReceiveOnly(g, ch);                 // as every load leaves a receive-only channel
        }
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

}  // namespace kv::test
