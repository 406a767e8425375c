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

bool ShowsExpGroup(int model) { return TraitsOf(model).expGroup; }
bool ShowsAtis(int model) { return TraitsOf(model).reportSections & kReportAtis; }

// ---- Available CH Group Setup ----------------------------------------------

// A marine priority p names record p - 1 of its group (MarineRecordOf);
// numbers that name no record (0, or past the group's records) show as no
// channel. Memory indexes of EXP channels and "none" (0xFFFF, negative)
// convert unchanged.
std::string MarinePriorityText(const MarineGroup& slots, int priority, int model) {
    if (const int record = MarineRecordOf(priority); record >= 0)
        return ChannelText(slots[static_cast<size_t>(record)].BaseCh, model);
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
    if (s.traits().dsc && !printed) {
        r.Line("[NMEA Data Input]");
        r.Line(Row("Offset Time:", {OffsetText(c.OffsetTime)}));
        r.Line(Row("Magnetic Variation:", {MagText(c.MagneticVariation)}));
        r.Blank();
    }
    r.Line("[Weather CH Function]");
    r.Line(Row("Weather Alert:", {s.traits().weather ? WeatherText(c.Weater) : "----"}, kLabelWidth));
    if (s.traits().callSigns && !printed) r.Line(Row("Rotary Beep:", {OnOff(c.RotaryBeep)}));
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
    if (s.traits().callSigns) r.Line(AtisGroupRow("Usable ATIS Killer CH Group:", a.UsableAtisKillerChGroup));
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

// ---- Channel lists: one table of columns ----------------------------------------

// The LMR list holds the EXP channels flagged "LMR EXP", the EXP list the
// others; where the report shows group use, the RG channels (never flagged)
// list like EXP channels.
using List = ReportChannelList;

struct CellInput {
    const ChannelRecord& ch;
    int number;  // from 1, in list order
    int model;
    List list;
};
using Cell = std::string (*)(const CellInput&);

// Sets of model types and of lists, one bit each.
using ModelSet = uint8_t;
using ListSet = uint8_t;
constexpr ModelSet kAllModels = (1 << kModelCount) - 1;
constexpr ModelSet Models(std::initializer_list<int> codes) {
    ModelSet set = 0;
    for (int code : codes) set |= static_cast<ModelSet>(1 << code);
    return set;
}
template <typename Has>
constexpr ModelSet ModelsWhere(Has has) {
    ModelSet set = 0;
    for (int code = 0; code < kModelCount; ++code)
        if (has(kModelTraits[static_cast<size_t>(code)])) set |= static_cast<ModelSet>(1 << code);
    return set;
}
constexpr ListSet Lists(std::initializer_list<List> lists) {
    ListSet set = 0;
    for (List list : lists) set |= static_cast<ListSet>(1 << static_cast<int>(list));
    return set;
}

constexpr bool In(ListSet set, List list) { return (set >> static_cast<int>(list) & 1) != 0; }

constexpr ModelSet kNamed = ModelsWhere([](const ModelTraits& t) { return t.names; });
constexpr ModelSet kToned = ModelsWhere([](const ModelTraits& t) { return t.toneBlock != 0; });
constexpr ModelSet kGroupUse = ModelsWhere([](const ModelTraits& t) { return t.groupUse; });
constexpr ModelSet kWideMarine = Models({5, 6});  // marine headers as wide as their cells
constexpr ModelSet kWideChd = Models({4, 5, 6});  // a wider "CHD" title
constexpr ModelSet kScanMemory = kAllModels & ~Models({4});
constexpr ListSet kLandMobile = Lists({List::Rg, List::Lmr, List::Exp});
constexpr ListSet kMarine = Lists({List::Marine});
constexpr ListSet kWeather = Lists({List::Weather});
constexpr int kAsIs = 0;  // a cell width: the text as it is, unpadded
constexpr const char* kNameRule = "------------";

// Where the report shows group use, a channel of the LMR list counts only
// when it is flagged "LMR EXP", one of the RG and EXP lists only when not.
bool Belongs(const CellInput& in) {
    const bool split = TraitsOf(in.model).groupUse && In(kLandMobile, in.list);
    return !split || in.ch.LmrExp == (in.list == List::Lmr);
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

// A column of the channel lists: the lists and model types that show it,
// its title as the header prints it (with the spaces after it), the dashes
// of the rule under it, and its cell's width and text in each row. A list
// prints the columns that it and the model show, in this order.
struct ListColumn {
    ListSet lists;
    ModelSet models;
    const char* title;
    const char* rule;
    int width;
    Cell cell;
};

// clang-format off
constexpr ListColumn kListColumns[] = {
    {kMarine, kAllModels & ~kWideMarine, "CH   ", "---", 7, [](const CellInput& in) { return MarineChannelLabel(in.ch); }},
    {kMarine, kWideMarine, "CH     ", "-----", 7, [](const CellInput& in) { return MarineChannelLabel(in.ch); }},
    {kWeather | kLandMobile, kAllModels, "CH  ", "--", 4, [](const CellInput& in) { return std::to_string(in.number); }},
    {kLandMobile, kAllModels & ~kWideChd, "CHD  ", "---", 6, [](const CellInput& in) { return ChannelDisplayText(in.ch); }},
    {kLandMobile, kWideChd, "CHD   ", "---", 6, [](const CellInput& in) { return ChannelDisplayText(in.ch); }},
    {kWeather | kLandMobile, kAllModels & ~kGroupUse, "ENABLE  ", "------", 8,
     [](const CellInput& in) { return EnableText(in.ch.Enable && Belongs(in)); }},
    {kWeather | Lists({List::Lmr}), kGroupUse, "ENABLE  ", "------", 8,
     [](const CellInput& in) { return EnableText(in.ch.Enable && Belongs(in)); }},
    {Lists({List::Rg, List::Exp}), kGroupUse, "USA  ", "---", 5,
     [](const CellInput& in) { return UseText(in.ch.UsaGroup && Belongs(in), false); }},
    {Lists({List::Rg, List::Exp}), kGroupUse, "INT  ", "---", 5,
     [](const CellInput& in) { return UseText(in.ch.IntGroup && Belongs(in), false); }},
    {Lists({List::Rg, List::Exp}), kGroupUse, "CAN  ", "---", 5,
     [](const CellInput& in) { return UseText(in.ch.CanGroup && Belongs(in), false); }},
    {kMarine, kAllModels, "RX(MHz)  ", "-------", 9, [](const CellInput& in) { return Freq3(MarineFrequencies(in.ch).rx); }},
    {kMarine, kAllModels, "TX(MHz)  ", "-------", 9,
     [](const CellInput& in) { return Freq3Tx(MarineFrequencies(in.ch).tx, in.ch.TxDisabled); }},
    {kLandMobile, kAllModels, "RX(MHz)   ", "-------", 10, [](const CellInput& in) { return Freq4(in.ch.Rxfreq); }},
    {kLandMobile, kAllModels, "TX(MHz)   ", "-------", 10, [](const CellInput& in) { return Freq4(in.ch.Txfreq); }},
    {kMarine, kAllModels, "TX  ", "--", 4, [](const CellInput& in) { return TxText(in.ch.TxEnable); }},
    {kMarine | kLandMobile, kAllModels, "LOW  ", "---", 5, [](const CellInput& in) { return LowText(in.ch.LowPower); }},
    {kMarine | kLandMobile, kAllModels, "UP  ", "--", 4, [](const CellInput& in) { return UpText(in.ch.PowUp); }},
    {kMarine, kAllModels & ~kWideMarine, "DUP  ", "---", 13, [](const CellInput& in) { return DupText(in.ch.Duplex); }},
    {kMarine, kWideMarine, "DUP          ", "-----------", 13, [](const CellInput& in) { return DupText(in.ch.Duplex); }},
    {kMarine | kWeather | kLandMobile, kScanMemory, "MEM  ", "---", 5, [](const CellInput& in) { return MemText(in.ch.ScanMemory); }},
    {kMarine | kLandMobile, kNamed, "VS  ", "--", 4, [](const CellInput& in) { return VsText(in.ch.Scramble); }},
    {kMarine, kNamed, "CH Name", kNameRule, 12, [](const CellInput& in) { return in.ch.ChTag; }},
    {kWeather, kNamed, "CH Name", kNameRule, 12,
     [](const CellInput& in) { return TraitsOf(in.model).weather ? in.ch.ChTag : std::string(kNameRule); }},
    {kLandMobile, kNamed & ~kToned, "CH Name", kNameRule, kAsIs, [](const CellInput& in) { return NameText(in.ch.ChTag); }},
    {kLandMobile, kToned, "CH Name      ", kNameRule, 14, [](const CellInput& in) { return NameText(in.ch.ChTag); }},
    {kLandMobile, kToned, "W/N  ", "---", 4, [](const CellInput& in) { return NarrowText(in.ch.Narrow); }},
    {kLandMobile, kToned, "RXT      ", "---", 9, [](const CellInput& in) { return ToneText(in.ch.RxCTCSS, in.ch.RxDCS); }},
    {kLandMobile, kToned, "CMP  ", "---", 5, [](const CellInput& in) { return CmpText(in.ch.RxComp); }},
    {kLandMobile, kToned, "TXT", "---", 7, [](const CellInput& in) { return ToneText(in.ch.TxCTCSS, in.ch.TxDCS); }},
};
// clang-format on

// The columns a list shows on a model, in order.
std::vector<const ListColumn*> ColumnsOf(int model, List list) {
    std::vector<const ListColumn*> columns;
    for (const ListColumn& column : kListColumns)
        if (In(column.lists, list) && IsValidModel(model) && (column.models >> model & 1))
            columns.push_back(&column);
    return columns;
}

void TrimEnd(std::string& line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
}

std::string HeaderOf(const std::vector<const ListColumn*>& columns) {
    std::string header;
    for (const ListColumn* column : columns) header += column->title;
    TrimEnd(header);
    return header;
}

std::string RuleOf(const std::vector<const ListColumn*>& columns) {
    std::string rule;
    for (const ListColumn* column : columns) {
        const size_t start = rule.size();
        rule += column->rule;
        rule.resize(std::max(rule.size(), start + std::string_view(column->title).size()), ' ');
    }
    TrimEnd(rule);
    return rule;
}

// Each cell cut or padded to its width, as Pad() makes it.
std::string RowOf(const std::vector<const ListColumn*>& columns, const CellInput& in) {
    std::string row;
    row.reserve(128);
    for (const ListColumn* column : columns) {
        const std::string text = column->cell(in);
        if (column->width == kAsIs) {
            row += text;
            continue;
        }
        const size_t width = static_cast<size_t>(column->width);
        row.append(text, 0, width);
        row.append(width - std::min(text.size(), width), ' ');
    }
    return row;
}

// A list's banner, header and rule, then a row per channel (marine lists:
// per enabled channel).
void ChannelListSection(ReportText& r, const RadioSession& s, std::string_view banner, List list,
                        std::span<const ChannelRecord> channels) {
    const std::vector<const ListColumn*> columns = ColumnsOf(s.model, list);
    r.Banner(banner);
    r.Line(HeaderOf(columns));
    r.Line(RuleOf(columns));
    int number = 1;
    for (const ChannelRecord& ch : channels)
        if (list != List::Marine || ch.Enable) r.Line(RowOf(columns, {ch, number++, s.model, list}));
    r.Blank();
}

constexpr const char* kUsaBanner = "##### Programable USA Channel #####";
constexpr const char* kIntlBanner = "##### Programable International Channel #####";
constexpr const char* kCanBanner = "##### Programable Canada Channel #####";

void MarineSection(ReportText& r, const RadioSession& s, std::string_view banner, const MarineGroup& slots) {
    ChannelListSection(r, s, banner, List::Marine, slots);
}

void WeatherSection(ReportText& r, const RadioSession& s, bool printed = false) {
    ChannelListSection(r, s, printed ? "##### Programable WX Channel #####" : "##### Programable Wx Channel #####",
                       List::Weather, s.settings.CHWX);
}

void RgSection(ReportText& r, const RadioSession& s) {
    ChannelListSection(r, s, "##### Programable RG Channel #####", List::Rg, s.settings.CHRG);
}

void LmrSection(ReportText& r, const RadioSession& s) {
    ChannelListSection(r, s, "##### Programable " + LmrName(true, s.model) + " Channel #####", List::Lmr,
                       s.settings.CHEXP);
}

void ExpSection(ReportText& r, const RadioSession& s) {
    ChannelListSection(r, s, "##### Programable EXP Channel #####", List::Exp, s.settings.CHEXP);
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
    if (s.traits().dsc) {
        DscBasicSection(r, s);
        DscAdvancedSection(r, s);
        DscDisplaySection(r, s);
    }
    if (ShowsAtis(s.model)) AtisCommonSection(r, s);
    if (s.traits().callSigns) AtisCallSignSection(r, s);
    if (usable(kUsaGroup)) MarineSection(r, s, kUsaBanner, st.CHUSA);
    if (usable(kIntlGroup)) MarineSection(r, s, kIntlBanner, st.CHINT);
    if (usable(kCanGroup)) MarineSection(r, s, kCanBanner, st.CHCAN);
    if (s.traits().reportSections & kReportWeatherList) WeatherSection(r, s);
    RgSection(r, s);
    if (s.traits().directories) {
        DirectorySection(r, "##### Memory ID Setting #####", "No.  Station Name  MMSI", st.CHMMSID);
        DirectorySection(r, "##### Group ID Setting #####", "No.  Group Name    MMSI", st.CHGRPID);
    }
    if (usable(kLmrGroup)) LmrSection(r, s);
    if (ShowsExpGroup(s.model) && usable(kExpGroup)) ExpSection(r, s);
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
    if (usable(kUsaGroup)) page([&](ReportText& r) { MarineSection(r, s, kUsaBanner, st.CHUSA); });
    if (usable(kIntlGroup)) page([&](ReportText& r) { MarineSection(r, s, kIntlBanner, st.CHINT); });
    if (usable(kCanGroup)) page([&](ReportText& r) { MarineSection(r, s, kCanBanner, st.CHCAN); });
    if (s.traits().weather) page([&](ReportText& r) { WeatherSection(r, s, true); });
    page([&](ReportText& r) { RgSection(r, s); });
    if (usable(kLmrGroup)) page([&](ReportText& r) { LmrSection(r, s); });
    if (ShowsExpGroup(s.model) && usable(kExpGroup)) page([&](ReportText& r) { ExpSection(r, s); });
    return pages;
}

int PrintedPageTotal(int model) { return TraitsOf(model).pageTotal; }

std::string PrintedPageHeader(const RadioSession& s, int page) {
    return s.ModelName() + " Tidewright    Page " + std::to_string(page) + " / " + std::to_string(PrintedPageTotal(s.model));
}

std::string ChannelDisplayText(const ChannelRecord& ch) { return ChdText(ChannelDisplay(ch)); }

std::string ChannelListHeader(int model, ReportChannelList list) { return HeaderOf(ColumnsOf(model, list)); }

std::string ReportFileText(const RadioSession& session) { return BuildReport(session) + kReportLineBreak; }

}  // namespace kv
