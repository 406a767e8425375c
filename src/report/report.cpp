// Sections in report order; each appends a blank line and its banner, then
// its groups of rows, each group closed by a blank line.
#include "report/report.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string_view>

#include "model/channel_plans.h"
#include "report/converters.h"

namespace kv {

// Val() of a status prefix: its leading digits, 0 when there are none.
static long StatusPrefixValue(std::string_view statusNo) {
    constexpr size_t kMaxDigits = 9;
    long value = 0;
    size_t i = statusNo.find_first_not_of(' ');
    for (size_t digits = 0; i < statusNo.size() && digits < kMaxDigits && std::isdigit(static_cast<unsigned char>(statusNo[i])); ++i, ++digits)
        value = value * 10 + (statusNo[i] - '0');
    return value;
}

// StatusNo x 100 + BaseCh with at least two digits, then the StatusIcon.
std::string MarineChannelLabel(const ChannelRecord& ch) {
    const long number = StatusPrefixValue(ch.StatusNo) * 100 + ch.BaseCh;
    char text[24];
    std::snprintf(text, sizeof text, number < 0 ? "-%02ld" : "%02ld", number < 0 ? -number : number);
    return text + ch.StatusIcon;
}

// F1 is the ship frequency, F2 the coast frequency of the channel number.
// Numbers past the table and unknown duplex codes have no frequencies.
RxTx MarineFrequencies(const ChannelRecord& ch) {
    if (ch.BaseCh < 0 || ch.BaseCh >= kMarineFrequencyCount) return {};
    const MarineFrequency& f = MarineFrequencyTable()[static_cast<size_t>(ch.BaseCh)];
    switch (ch.Duplex) {
        case 0: return {f.ship, f.ship};
        case 1: return {f.coast, f.coast};
        case 2: return {f.coast, f.ship};
        case 3: return {f.ship, f.coast};
        default: return {};
    }
}

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;
constexpr size_t kTypicalReportSize = 64 * 1024;

class ReportText {
public:
    ReportText() { text_.reserve(kTypicalReportSize); }
    void Line(std::string_view content) {
        text_ += kReportLineBreak;
        text_ += content;
    }
    void Blank() { text_ += kReportLineBreak; }
    void Banner(std::string_view banner) {
        Blank();
        Line(banner);
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

// A label cell of 35 and one value cell of the given width per value.
std::string Row(std::string_view label, std::initializer_list<std::string> values, int width = kValueWidth) {
    std::string row = Pad(label, kLabelWidth);
    for (const std::string& value : values) row += Pad(value, width);
    return row;
}

bool ShowsExpGroup(int model) { return model == 5; }
bool ShowsAtis(int model) { return model != 5; }

// ---- Available CH Group Setup ----------------------------------------------

// A marine priority p names slot p - 1 of its group; numbers that name no
// slot (0, or past the group's slots) show as no channel. Memory indexes of
// EXP channels and "none" (0xFFFF, negative) convert unchanged.
std::string MarinePriorityText(const MarineGroup& slots, int priority, int model) {
    if (priority >= 1 && priority <= kMarineSlots)
        return ChannelText(slots[static_cast<size_t>(priority - 1)].BaseCh, model);
    if (priority >= 0 && priority < kFirstExpIndex) return "Off";
    return ChannelText(priority, model);
}

void AvailableGroups(ReportText& r, const RadioSession& s, bool printed = false) {
    const auto& g = s.settings.UsableGroups;
    const bool exp = ShowsExpGroup(s.model);
    r.Banner("##### Available CH Group Setup #####");
    std::string header = Row("", {"USA", "INTL", "Canada", LmrName(true, s.model) + " CH"});
    if (exp) header += Pad("EXP CH", kValueWidth);
    r.Line(header);
    // The EXP column of "TX TOT" and "Status Name" repeats the LMR group's.
    const auto row = [&](std::string_view label, auto text, bool expCell, int expRecord) {
        std::string line = Row(label, {text(g[kUsaGroup]), text(g[kIntlGroup]), text(g[kCanGroup]), text(g[kLmrGroup])});
        if (exp && expCell) line += Pad(text(g[static_cast<size_t>(expRecord)]), kValueWidth);
        r.Line(line);
    };
    row("Enable", [](const UsableGroupSetup& u) { return OnOff(u.Enable); }, true, kExpGroup);
    row("TX TOT", [](const UsableGroupSetup& u) { return OnOff(u.TxTot); }, true, kLmrGroup);
    r.Line(Row("Priority CH", {MarinePriorityText(s.settings.CHUSA, g[kUsaGroup].PriorityCh, s.model),
                               MarinePriorityText(s.settings.CHINT, g[kIntlGroup].PriorityCh, s.model),
                               MarinePriorityText(s.settings.CHCAN, g[kCanGroup].PriorityCh, s.model),
                               ChannelText(g[kLmrGroup].PriorityCh, s.model)}));
    row("Status Icon", [](const UsableGroupSetup& u) { return OnOff(u.StatusIcon); }, false, 0);
    row(printed ? "Status name" : "Status Name", [](const UsableGroupSetup& u) { return StatusNameText(u.StatusName); }, true, kLmrGroup);
    r.Blank();
}

// ---- Common Setup -------------------------------------------------------------

void CommonSetupSection(ReportText& r, const RadioSession& s, bool printed = false) {
    const CommonSetup& c = s.settings.Common;
    r.Banner("##### Common Setup #####");
    r.Line("[Starting TX Mode]");
    r.Line(Row("TX Po Display:", {TxPoText(c.TxPoDisplay)}, kLabelWidth));
    r.Blank();
    r.Line("[Scanning Function]");
    r.Line(Row("SCAN:", {OnOff(c.SCAN)}));
    r.Line(Row("Resume Time:", {ResumeText(c.ResumeTime)}));
    r.Line(Row("PTT SCAN Clear:", {OnOff(c.PttScanClear)}));
    r.Line(Row("Dual Watch:", {OnOff(c.DualWatch)}));
    r.Blank();
    if (IsDscModel(s.model) && !printed) {
        r.Line("[NMEA Data Input]");
        r.Line(Row("Offset Time:", {OffsetText(c.OffsetTime)}));
        r.Line(Row("Magnetic Variation:", {MagText(c.MagneticVariation)}));
        r.Blank();
    }
    r.Line("[Weather CH Function]");
    r.Line(Row("Weather Alert:", {s.model == 6 ? "----" : WeatherText(c.Weater)}, kLabelWidth));
    if (s.model == 0 && !printed) r.Line(Row("Rotary Beep:", {OnOff(c.RotaryBeep)}));
    r.Blank();
}

// ---- DSC setup (model types 0 and 3) -------------------------------------------

void DscBasicSection(ReportText& r, const RadioSession& s) {
    const DscBasicSetup& b = s.settings.DscBasic;
    constexpr int kDscGroupWidth = 20;
    r.Banner("##### DSC Setup (Basic Setup) #####");
    r.Line("[Available DSC CH Group]");
    r.Line(Row("USA:", {OnOff(b.DscGroupUsable[0])}, kDscGroupWidth));
    r.Line(Row("INTL:", {OnOff(b.DscGroupUsable[1])}, kDscGroupWidth));
    r.Line(Row("Canada:", {OnOff(b.DscGroupUsable[2])}, kDscGroupWidth));
    r.Blank();
    r.Line(Pad("User MMSI:", kLabelWidth) + Pad(b.UserMMSI, 12) + "-----" + " " + Label("Count", 7) +
           std::to_string(s.image[map::MmsiPermission]));
    r.Line(Row("Distress Cancel Call:", {OnOff(b.DistressCancelCall)}));
    r.Line(Row("Stanby Mode:", {OnOff(b.StanbyMode)}));
    r.Line(Row("POS Request:", {OnOff(b.PosRequest), HiLow(b.PosRequestLevel)}));
    r.Line(Row("POS Send:", {OnOff(b.PosSend), HiLow(b.PosSendLevel)}));
    r.Blank();
    // The beep flags are held in another order than the report lists them.
    enum Beep { kSendDistress, kAllShips, kGroup, kIndividual, kPosRequest, kPosSend, kGeographic };
    r.Line("[DSC Beep Output]");
    r.Line(Row("Send Distress Alert:", {OnOff(b.BeepOut[kSendDistress])}));
    r.Line(Row("Received All Ships:", {OnOff(b.BeepOut[kAllShips])}));
    r.Line(Row("Received Individual:", {OnOff(b.BeepOut[kIndividual])}));
    r.Line(Row("Received Group:", {OnOff(b.BeepOut[kGroup])}));
    r.Line(Row("Received Geografic:", {OnOff(b.BeepOut[kGeographic])}));
    r.Line(Row("Received POS Request:", {OnOff(b.BeepOut[kPosRequest])}));
    r.Line(Row("Received POS Send:", {OnOff(b.BeepOut[kPosSend])}));
    r.Blank();
}

void DscAdvancedSection(ReportText& r, const RadioSession& s) {
    constexpr std::array<const char*, 3> kCallKinds{"[All Ships Call]", "[Group Call]", "[Individual Call]"};
    constexpr std::array<const char*, 4> kPriorities{"Distress:", "Urgency:", "Safty:", "Routine:"};
    r.Banner("##### DSC Setup (Advanced Setup) #####");
    for (size_t kind = 0; kind < kCallKinds.size(); ++kind) {
        const DscCallSetup& call = s.settings.DscAdvanced.Calls[kind];
        r.Line(kCallKinds[kind]);
        for (size_t i = 0; i < kPriorities.size(); ++i) r.Line(Row(kPriorities[i], {OnOff(call.Enable[i]), HiLow(call.Level[i])}));
        r.Blank();
    }
}

void DscDisplaySection(ReportText& r, const RadioSession& s) {
    const DscDisplaySetup& d = s.settings.DscDisplay;
    r.Banner("##### DSC Setup (Display Setup) #####");
    r.Line(Row("Individual ACK Menu:", {OnOff(d.IndividualAckMenu)}));
    r.Line(Row("Individual ACK Message Menu:", {OnOff(d.IndividualAckMessageMenu)}));
    r.Line(Row("POS Request ACK Menu:", {OnOff(d.PosRequestAckMenu)}));
    r.Blank();
}

// ---- ATIS --------------------------------------------------------------------

std::string AtisGroupRow(std::string_view label, const std::array<bool, 4>& groups) {
    return Row(label, {OnOff(groups[0]), OnOff(groups[1]), OnOff(groups[2]), OnOff(groups[3])});
}

void AtisCommonSection(ReportText& r, const RadioSession& s) {
    const AtisSetup& a = s.settings.Atis;
    r.Banner("##### ATIS Setup (Common) #####");
    r.Line(Row("", {"USA", "INTL", "Canada", LmrName(true, s.model) + " CH"}));
    r.Line(AtisGroupRow("Usable ATIS CH Group:", a.UsableAtisChGroup));
    r.Line(Row("ATIS Code:", {a.AtisCode}));
    if (s.model == 0) r.Line(AtisGroupRow("Usable ATIS Killer CH Group:", a.UsableAtisKillerChGroup));
    r.Blank();
}

void AtisCallSignSection(ReportText& r, const RadioSession& s) {
    const auto& signs = s.settings.Atis.CallSign;
    constexpr int kRows = 10;
    r.Banner("##### ATIS Setup (Call Sign) #####");
    r.Line(Pad("", 10) + Pad("MID", 10) + Pad("Display", 18) + Pad("", 10) + Pad("MID", 10) + Pad("Display", 10));
    for (int k = 1; k <= kRows; ++k) {
        const AtisCallSign& left = signs[static_cast<size_t>(k - 1)];
        const AtisCallSign& right = signs[static_cast<size_t>(k - 1 + kRows)];
        r.Line(Pad("No." + std::to_string(k), 10) + Pad(left.MID, 10) + Pad(left.Display, 20) +
               Pad("No." + std::to_string(k + kRows), 10) + Pad(right.MID, 10) + Pad(right.Display, 10));
    }
    r.Blank();
}

// ---- Marine channel lists -------------------------------------------------------

struct ListHeading {
    const char* header;
    const char* rule;
};

ListHeading MarineHeading(int model) {
    switch (model) {
        case 1: return {"CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM", "---  -------  -------  --  ---  --  ---  ---"};
        case 4:
            return {"CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  VS  CH Name",
                    "---  -------  -------  --  ---  --  ---  --  ------------"};
        case 5:
        case 6:
            return {"CH     RX(MHz)  TX(MHz)  TX  LOW  UP  DUP          MEM  VS  CH Name",
                    "-----  -------  -------  --  ---  --  -----------  ---  --  ------------"};
        default:
            return {"CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name",
                    "---  -------  -------  --  ---  --  ---  ---  --  ------------"};
    }
}

std::string MarineRow(const ChannelRecord& ch, int model) {
    const RxTx f = MarineFrequencies(ch);
    std::string row = Pad(MarineChannelLabel(ch), 7) + Pad(Freq3(f.rx), 9) + Pad(Freq3Tx(f.tx, ch.TxDisabled), 9) +
                      Pad(TxText(ch.TxEnable), 4) + Pad(LowText(ch.LowPower), 5) + Pad(UpText(ch.PowUp), 4) +
                      Pad(DupText(ch.Duplex), 13);
    if (model != 4) row += Pad(MemText(ch.ScanMemory), 5);
    if (model != 1) row += Pad(VsText(ch.Scramble), 4) + Pad(ch.ChTag, 12);
    return row;
}

void MarineSection(ReportText& r, const RadioSession& s, std::string_view banner, const MarineGroup& slots) {
    const ListHeading heading = MarineHeading(s.model);
    r.Banner(banner);
    r.Line(heading.header);
    r.Line(heading.rule);
    for (const ChannelRecord& ch : slots)
        if (ch.Enable) r.Line(MarineRow(ch, s.model));
    r.Blank();
}

// ---- Weather channels -----------------------------------------------------------

ListHeading WeatherHeading(int model) {
    switch (model) {
        case 1: return {"CH  ENABLE  MEM", "--  ------  ---"};
        case 4: return {"CH  ENABLE  CH Name", "--  ------  ------------"};
        default: return {"CH  ENABLE  MEM  CH Name", "--  ------  ---  ------------"};
    }
}

void WeatherSection(ReportText& r, const RadioSession& s, bool printed = false) {
    const ListHeading heading = WeatherHeading(s.model);
    r.Banner(printed ? "##### Programable WX Channel #####" : "##### Programable Wx Channel #####");
    r.Line(heading.header);
    r.Line(heading.rule);
    int number = 1;
    for (const ChannelRecord& ch : s.settings.CHWX) {
        std::string row = Pad(std::to_string(number++), 4) + Pad(EnableText(ch.Enable), 8);
        if (s.model != 4) row += Pad(MemText(ch.ScanMemory), 5);
        if (s.model != 1) row += s.model == 6 ? std::string(12, '-') : Pad(ch.ChTag, 12);
        r.Line(row);
    }
    r.Blank();
}

// ---- EXP, LMR and RG channel lists ------------------------------------------------

// The LMR list holds the EXP channels flagged "LMR EXP", the EXP list the
// others; on model types 5 and 6 the RG channels (never flagged) list like
// EXP channels.
enum class LmrList { Lmr, Exp, Rg };

bool SplitsLmrAndExp(int model) { return model == 5 || model == 6; }
bool ShowsGroupUse(int model, LmrList list) { return SplitsLmrAndExp(model) && list != LmrList::Lmr; }

const char* LmrListHeader(int model, LmrList list) {
    if (ShowsGroupUse(model, list))
        return "CH  CHD   USA  INT  CAN  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  TXT";
    switch (model) {
        case 1: return "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM";
        case 2: return "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  TXT";
        case 4: return "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  VS  CH Name      W/N  RXT      CMP  TXT";
        case 5:
        case 6: return "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  TXT";
        default: return "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name";
    }
}

// Dashes under every column title. Titles are separated by two or more
// spaces; "CH Name" gets the twelve dashes of a name, as in the other lists.
std::string RuleUnder(std::string_view header) {
    std::string rule(header.size(), ' ');
    for (size_t i = 0; i < header.size(); ++i) {
        const bool inTitle = header[i] != ' ' || (i + 1 < header.size() && header[i + 1] != ' ' && i > 0 && header[i - 1] != ' ');
        if (inTitle) rule[i] = '-';
    }
    const size_t name = header.find("CH Name");
    if (name != std::string_view::npos) {
        rule.resize(std::max(rule.size(), name + 12), ' ');
        rule.replace(name, 12, 12, '-');
    }
    while (!rule.empty() && rule.back() == ' ') rule.pop_back();
    return rule;
}

// CHDisplayL left-justified and CHDisplayR right-justified in two
// characters each, as the radio's display shows them; "" when both are empty.
std::string ChannelDisplay(const ChannelRecord& ch) {
    if (ch.CHDisplayL.empty() && ch.CHDisplayR.empty()) return "";
    const std::string left = Pad(ch.CHDisplayL, 2);
    std::string right = std::string(2, ' ') + ch.CHDisplayR;
    right = right.substr(right.size() - 2);
    return LcdText(left) + LcdText(right);
}

std::string LmrMembershipCells(const ChannelRecord& ch, int model, LmrList list) {
    if (!SplitsLmrAndExp(model)) return Pad(EnableText(ch.Enable), 8);
    const bool belongs = ch.LmrExp == (list == LmrList::Lmr);
    if (list == LmrList::Lmr) return Pad(EnableText(ch.Enable && belongs), 8);
    return Pad(UseText(ch.UsaGroup && belongs, false), 5) + Pad(UseText(ch.IntGroup && belongs, false), 5) +
           Pad(UseText(ch.CanGroup && belongs, false), 5);
}

std::string ToneCells(const ChannelRecord& ch) {
    return Pad(NarrowText(ch.Narrow), 4) + Pad(ToneText(ch.RxCTCSS, ch.RxDCS), 9) + Pad(CmpText(ch.RxComp), 5) +
           Pad(ToneText(ch.TxCTCSS, ch.TxDCS), 7);
}

std::string LmrRow(const ChannelRecord& ch, int number, int model, LmrList list) {
    std::string row = Pad(std::to_string(number), 4) + Pad(ChannelDisplayText(ch), 6) +
                      LmrMembershipCells(ch, model, list) + Pad(Freq4(ch.Rxfreq), 10) + Pad(Freq4(ch.Txfreq), 10) +
                      Pad(LowText(ch.LowPower), 5) + Pad(UpText(ch.PowUp), 4);
    const std::string vs = Pad(VsText(ch.Scramble), 4);
    const std::string mem = Pad(MemText(ch.ScanMemory), 5);
    switch (model) {
        case 1: return row + mem;
        case 4: return row + vs + Pad(NameText(ch.ChTag), 14) + ToneCells(ch);
        case 2:
        case 5:
        case 6: return row + mem + vs + Pad(NameText(ch.ChTag), 14) + ToneCells(ch);
        default: return row + mem + vs + NameText(ch.ChTag);
    }
}

void LmrSection(ReportText& r, const RadioSession& s, std::string_view banner, std::span<const ChannelRecord> channels,
                LmrList list) {
    const std::string header = LmrListHeader(s.model, list);
    r.Banner(banner);
    r.Line(header);
    r.Line(RuleUnder(header));
    int number = 1;
    for (const ChannelRecord& ch : channels) r.Line(LmrRow(ch, number++, s.model, list));
    r.Blank();
}

// ---- MMSI directories --------------------------------------------------------------

void DirectorySection(ReportText& r, std::string_view banner, std::string_view header,
                      std::span<const DirectoryEntry> entries) {
    r.Banner(banner);
    r.Line(header);
    r.Line("---  ------------  ---------");
    int number = 1;
    for (const DirectoryEntry& e : entries) r.Line(Pad(std::to_string(number++), 5) + Pad(Name12(e.TagName), 14) + Mmsi9(e.Mmsid));
    r.Blank();
}

}  // namespace

std::string BuildReport(const RadioSession& s) {
    const RadioSettings& st = s.settings;
    const auto usable = [&](int group) { return st.UsableGroups[static_cast<size_t>(group)].Enable; };
    ReportText r;
    AvailableGroups(r, s);
    CommonSetupSection(r, s);
    if (IsDscModel(s.model)) {
        DscBasicSection(r, s);
        DscAdvancedSection(r, s);
        DscDisplaySection(r, s);
    }
    if (ShowsAtis(s.model)) AtisCommonSection(r, s);
    if (s.model == 0) AtisCallSignSection(r, s);
    if (usable(kUsaGroup)) MarineSection(r, s, "##### Programable USA Channel #####", st.CHUSA);
    if (usable(kIntlGroup)) MarineSection(r, s, "##### Programable International Channel #####", st.CHINT);
    if (usable(kCanGroup)) MarineSection(r, s, "##### Programable Canada Channel #####", st.CHCAN);
    if (s.model == 5) WeatherSection(r, s);
    LmrSection(r, s, "##### Programable RG Channel #####", st.CHRG, LmrList::Rg);
    if (IsDscModel(s.model)) {
        DirectorySection(r, "##### Memory ID Setting #####", "No.  Station Name  MMSI", st.CHMMSID);
        DirectorySection(r, "##### Group ID Setting #####", "No.  Group Name    MMSI", st.CHGRPID);
    }
    if (usable(kLmrGroup))
        LmrSection(r, s, "##### Programable " + LmrName(true, s.model) + " Channel #####", st.CHEXP, LmrList::Lmr);
    if (ShowsExpGroup(s.model) && usable(kExpGroup))
        LmrSection(r, s, "##### Programable EXP Channel #####", st.CHEXP, LmrList::Exp);
    return r.Take();
}

std::vector<std::string> PrintedPages(const RadioSession& s) {
    const RadioSettings& st = s.settings;
    const auto usable = [&](int group) { return st.UsableGroups[static_cast<size_t>(group)].Enable; };
    std::vector<std::string> pages;
    const auto page = [&pages](auto build) {
        ReportText r;
        build(r);
        pages.push_back(r.Take());
    };
    page([&](ReportText& r) {
        AvailableGroups(r, s, true);
        CommonSetupSection(r, s, true);
        if (ShowsAtis(s.model)) AtisCommonSection(r, s);
    });
    if (usable(kUsaGroup)) page([&](ReportText& r) { MarineSection(r, s, "##### Programable USA Channel #####", st.CHUSA); });
    if (usable(kIntlGroup))
        page([&](ReportText& r) { MarineSection(r, s, "##### Programable International Channel #####", st.CHINT); });
    if (usable(kCanGroup)) page([&](ReportText& r) { MarineSection(r, s, "##### Programable Canada Channel #####", st.CHCAN); });
    if (s.model != 6) page([&](ReportText& r) { WeatherSection(r, s, true); });
    page([&](ReportText& r) { LmrSection(r, s, "##### Programable RG Channel #####", st.CHRG, LmrList::Rg); });
    if (usable(kLmrGroup))
        page([&](ReportText& r) {
            LmrSection(r, s, "##### Programable " + LmrName(true, s.model) + " Channel #####", st.CHEXP, LmrList::Lmr);
        });
    if (s.model == 5 && usable(kExpGroup))
        page([&](ReportText& r) { LmrSection(r, s, "##### Programable EXP Channel #####", st.CHEXP, LmrList::Exp); });
    return pages;
}

int PrintedPageTotal(int model) { return model == 1 ? 7 : model == 5 ? 9 : 8; }

std::string PrintedPageHeader(const RadioSession& s, int page) {
    return s.ModelName() + " Tidewright    Page " + std::to_string(page) + " / " + std::to_string(PrintedPageTotal(s.model));
}

std::string ChannelDisplayText(const ChannelRecord& ch) { return ChdText(ChannelDisplay(ch)); }

std::string ChannelListHeader(int model, ReportChannelList list) {
    switch (list) {
        case ReportChannelList::Marine: return MarineHeading(model).header;
        case ReportChannelList::Weather: return WeatherHeading(model).header;
        case ReportChannelList::Rg: return LmrListHeader(model, LmrList::Rg);
        case ReportChannelList::Lmr: return LmrListHeader(model, LmrList::Lmr);
        case ReportChannelList::Exp: return LmrListHeader(model, LmrList::Exp);
    }
    return "";
}

std::string ReportFileText(const RadioSession& session) { return BuildReport(session) + kReportLineBreak; }

}  // namespace kv
