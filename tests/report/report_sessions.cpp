#include "report/report_sessions.h"

#include "image/codec.h"
#include "image/defaults.h"

namespace kv::test {
namespace {

// Marine groups usable per model: USA always; the International group on
// even model types, the Canadian group on odd ones.
bool MarineGroupUsable(int model, int group) { return group == kUsaGroup || (group == kIntlGroup) == (model % 2 == 0); }

void EditGroups(RadioSession& s) {
    auto& g = s.settings.UsableGroups;
    for (int group = kUsaGroup; group <= kCanGroup; ++group) g[group].Enable = MarineGroupUsable(s.model, group);
    g[kLmrGroup].Enable = g[kExpGroup].Enable = true;
    g[kUsaGroup].TxTot = g[kLmrGroup].TxTot = true;
    g[kIntlGroup].StatusIcon = g[kLmrGroup].StatusIcon = true;
    g[kUsaGroup].PriorityCh = 14;    // slot 13: channel 16
    g[kIntlGroup].PriorityCh = 0;    // names no slot
    g[kCanGroup].PriorityCh = 240;   // EXP channel 1
    if (HasNames(s.model)) {
        g[kUsaGroup].StatusName = "MARINA";
        g[kIntlGroup].StatusName = "   ";
        g[kLmrGroup].StatusName = "FLEET";
    }
}

void EditCommon(RadioSession& s) {
    CommonSetup& c = s.settings.Common;
    c.TxPoDisplay = static_cast<int16_t>(s.model % 3);
    c.SCAN = true;
    c.ResumeTime = 2;
    c.PttScanClear = false;
    c.DualWatch = true;
    c.OffsetTime = s.model == 0 ? 17 : 0;  // +5:00, -12:00
    c.MagneticVariation = s.model == 0 ? 1 : 0;
    c.Weater = s.model % 2 == 0 ? 3 : 0;
    c.RotaryBeep = true;
}

void EditDsc(RadioSession& s) {
    DscBasicSetup& b = s.settings.DscBasic;
    b.DscGroupUsable = {true, false, true};
    b.UserMMSI = "366123450";
    b.DistressCancelCall = true;
    b.StanbyMode = false;
    b.PosRequest = true;
    b.PosRequestLevel = true;
    b.PosSend = false;
    b.PosSendLevel = false;
    // Held order: distress, all ships, group, individual, POS request,
    // POS send, geographic, (unlabelled).
    b.BeepOut = {true, false, true, false, false, true, true, false};
    auto& calls = s.settings.DscAdvanced.Calls;
    calls[kAllShipsCall] = {{true, true, false, false}, {true, false, true, false}};
    calls[kGroupCall] = {{false, true, true, true}, {false, false, false, true}};
    calls[kIndividualCall] = {{true, false, false, true}, {true, true, false, false}};
    s.settings.DscDisplay = {true, false, true};
    s.settings.CHMMSID[0] = {true, "COAST GUARD", "366999000"};
    s.settings.CHMMSID[1] = {true, "", "211000001"};
    s.settings.CHMMSID[2] = {true, "TUG 2", "244123456"};
    s.settings.CHGRPID[0] = {true, "FLOTILLA", "036600001"};
}

void EditAtis(RadioSession& s) {
    AtisSetup& a = s.settings.Atis;
    a.UsableAtisChGroup = {true, false, true, true};
    a.AtisCode = s.model == 0 ? "9211234567" : "98765";
    a.UsableAtisKillerChGroup = {false, true, false, true};
    a.CallSign[0] = {"211", "ABC"};
    a.CallSign[1] = {"1", "-/_"};
    a.CallSign[9] = {"366", "X,Y"};
    a.CallSign[10] = {"244", "B2"};
    a.CallSign[19] = {"9", "Z"};
}

ChannelRecord ExtraMarineChannel(int16_t baseCh, const char* statusNo, const char* icon, uint8_t duplex) {
    ChannelRecord ch;
    ch.Enable = true;
    ch.TxEnable = true;
    ch.TXPower = 3;
    ch.DuplexMask = 0xFFFF;
    ch.BaseCh = baseCh;
    ch.StatusNo = statusNo;
    ch.StatusIcon = icon;
    ch.Duplex = duplex;
    return ch;
}

// The first 36 slots of each plan stay (receive-only channel 70 among
// them in the USA plan), a few are changed, and three channels are added.
void EditMarine(MarineGroup& slots) {
    constexpr int kKeptSlots = 36;
    for (int n = kKeptSlots; n < kMarineSlots; ++n) slots[n].Enable = false;
    slots[0].ChTag = "harbor 1";
    slots[2].Enable = false;
    slots[3].ScanMemory = true;
    slots[3].Scramble = 5;
    slots[4].Scramble = 3;
    slots[4].Duplex = 3;
    slots[4].PowUp = true;
    slots[5].LowPower = true;
    slots[6].Duplex = 1;
    slots[7].ChTag = "";
    slots[54] = ExtraMarineChannel(16, "10", "A", 0);
    slots[55] = ExtraMarineChannel(100, "20", "B", 2);
    slots[56] = ExtraMarineChannel(125, "", "", 0);  // past the frequency table
}

void EditWeather(RadioSession& s) {
    s.settings.CHWX[0].ChTag = "noaa 1";
    s.settings.CHWX[1].Enable = false;
    s.settings.CHWX[2].ScanMemory = true;
}

ChannelRecord LandMobile(bool lmr, double rx, double tx, const char* name) {
    ChannelRecord ch;
    ch.Enable = true;
    ch.LmrExp = lmr;
    ch.Rxfreq = rx;
    ch.Txfreq = tx;
    ch.ChTag = name;
    ch.TXPower = 3;
    return ch;
}

void EditExp(RadioSession& s) {
    auto& exp = s.settings.CHEXP;
    exp[0] = LandMobile(true, 157.0125, 157.0123, "patrol");
    exp[0].CHDisplayL = "BN";
    exp[0].CHDisplayR = "7";
    exp[0].LowPower = true;
    exp[0].TXPower = 1;
    exp[0].Narrow = true;
    exp[0].RxCTCSS = 13;
    exp[0].RxComp = true;
    exp[0].TxDCS = 150;  // second DCS mode: code 46
    exp[0].ScanMemory = true;
    exp[0].Scramble = 7;
    exp[1] = LandMobile(false, 161.0, 0, "");
    exp[1].UsaGroup = exp[1].CanGroup = true;
    exp[1].RxDCS = 64;
    exp[1].TxCTCSS = 50;
    exp[2] = LandMobile(true, 150.8, 150.8, "WIDE");
    exp[2].Enable = false;
    exp[3] = LandMobile(true, 140.5, 145.25, "OUT OF BAND");
    exp[3].CHDisplayL = "TQ";
    exp[3].CHDisplayR = "OY";
    exp[3].PowUp = true;
    exp[3].RxCTCSS = 1;
    exp[3].RxDCS = 5;  // the CTCSS tone wins
    exp[3].TxDCS = 104;
    exp[4] = LandMobile(false, 173.99, 173.99, "PILOT");
    exp[4].IntGroup = true;
    exp[4].Scramble = 4;
    exp[4].RxDCS = 208;
}

void EditRg(RadioSession& s) {
    auto& rg = s.settings.CHRG;
    rg[0] = LandMobile(false, 156.8, 156.8, "work");
    rg[0].CHDisplayL = "R";
    rg[0].CHDisplayR = "1";
    rg[0].UsaGroup = rg[0].IntGroup = true;
    rg[0].ScanMemory = true;
    rg[0].TxCTCSS = 9;
    rg[1] = LandMobile(false, 163.2751, 0, "");
    rg[1].Enable = false;
    rg[1].CanGroup = true;
    rg[1].Scramble = 6;
}

}  // namespace

RadioSession ReportSession(int model) {
    RadioSession s;
    s.model = model;
    s.today = [] { return CivilDate{2026, 1, 15}; };
    ResetToDefaults(s);
    EditGroups(s);
    EditCommon(s);
    if (IsDscModel(model)) EditDsc(s);
    EditAtis(s);
    for (int group = kUsaGroup; group <= kCanGroup; ++group) EditMarine(s.settings.Marine(group));
    EditWeather(s);
    EditExp(s);
    EditRg(s);
    EncodeImage(s);
    s.image[map::MmsiPermission] = 3;
    DecodeImage(s);
    return s;
}

}  // namespace kv::test
