// One table of columns: each column's title, the text a record shows in it
// (the report's converter) and how a cell's text is written into a record
// (through the editor's own setters, so imported values obey the same cross
// rules as typed ones). A cell that reads as the record already shows leaves
// the record alone, so an export imports back without a change. The generic
// layout's columns are rows of the same table: they show a record in that
// layout, and on import say which of our cells a generic row makes, which
// then go through our columns like any other row.
#include "editor/channel_csv.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <span>

#include "editor/channel_screens.h"
#include "files/file_io.h"
#include "model/channel_plans.h"
#include "model/model_traits.h"
#include "model/tones.h"
#include "report/converters.h"
#include "report/programming_diff.h"
#include "report/report.h"
#include "rules/channel_lists.h"
#include "rules/field_rules.h"
#include "util/advice.h"
#include "util/delimited_text.h"
#include "util/texts.h"

namespace kv {
namespace {

enum class Family { Marine, Weather, Expansion, Generic };

struct ListContext {
    int model = kDefaultModel;
    ChannelList list = ChannelList::Usa;
    CivilDate today;
    int number = 0;  // the record's number in its list, from 1
};

Family FamilyOf(ChannelList list) {
    switch (list) {
        case ChannelList::Usa:
        case ChannelList::Intl:
        case ChannelList::Can: return Family::Marine;
        case ChannelList::Wx: return Family::Weather;
        default: return Family::Expansion;
    }
}

int MarineGroupOf(ChannelList list) { return list == ChannelList::Intl ? kIntlGroup : list == ChannelList::Can ? kCanGroup : kUsaGroup; }

ScreenKind EditorKind(ChannelList list) {
    return list == ChannelList::Rg ? ScreenKind::RgChannel : list == ChannelList::Lmr ? ScreenKind::LmrChannel : ScreenKind::ExpChannel;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// "---", an empty cell or any run of dashes: off, or none.
bool IsNone(std::string_view cell) {
    cell = Trim(cell);
    return cell.find_first_not_of('-') == std::string_view::npos;
}

// ---- cells ----------------------------------------------------------------------

using ShowCell = std::string (*)(const ChannelRecord&, const ListContext&);
// Writes a cell into the record; returns why it cannot, or "".
using ApplyCell = std::string (*)(ChannelRecord&, std::string_view, const ListContext&);

// A yes/no cell: the converter's text for yes, "---" (or empty) for no.
std::optional<bool> ParseFlag(std::string_view cell, const std::string& yes) {
    if (Upper(Trim(cell)) == Upper(Trim(yes))) return true;
    if (IsNone(cell)) return false;
    return std::nullopt;
}

std::string FlagRefusal(std::string_view cell, std::string (*text)(bool)) {
    return AdviceText(Advice::CsvFlag, {Quoted(Trim(cell)), Quoted(Trim(text(true))), Quoted(Trim(text(false)))});
}

// Applies a flag through a setter, or explains the refusal.
template <typename Set>
std::string ApplyFlag(std::string_view cell, std::string (*text)(bool), Set set) {
    const std::optional<bool> on = ParseFlag(cell, text(true));
    if (!on) return FlagRefusal(cell, text);
    return set(*on);
}

std::string ShowMarineLabel(const ChannelRecord& ch, const ListContext&) { return MarineChannelLabel(ch); }
std::string ShowNumber(const ChannelRecord&, const ListContext& c) { return std::to_string(c.number); }
std::string ShowMarineRx(const ChannelRecord& ch, const ListContext&) { return Freq3(MarineFrequencies(ch).rx); }
std::string ShowMarineTx(const ChannelRecord& ch, const ListContext&) {
    return Freq3Tx(MarineFrequencies(ch).tx, ch.TxDisabled);
}

std::string ShowTx(const ChannelRecord& ch, const ListContext&) { return TxText(ch.TxEnable); }
std::string ApplyTx(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    return ApplyFlag(cell, TxText, [&](bool on) { SetTransmit(ch, on); return std::string(); });
}

std::string ShowLow(const ChannelRecord& ch, const ListContext&) { return LowText(ch.LowPower); }
std::string ApplyLow(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    return ApplyFlag(cell, LowText, [&](bool on) {
        if (on && !ch.TxEnable) return std::string(KV_TEXT("Messages", "a channel that does not transmit has no power to choose"));
        SetLowPowerOnly(ch, on);
        return std::string();
    });
}

std::string ShowUp(const ChannelRecord& ch, const ListContext&) { return UpText(ch.PowUp); }
std::string ApplyUp(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    return ApplyFlag(cell, UpText, [&](bool on) { ch.PowUp = on; return std::string(); });
}

std::string ShowMem(const ChannelRecord& ch, const ListContext&) { return MemText(ch.ScanMemory); }
std::string ApplyMem(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    return ApplyFlag(cell, MemText, [&](bool on) { ch.ScanMemory = on; return std::string(); });
}

std::string ShowCmp(const ChannelRecord& ch, const ListContext&) { return CmpText(ch.RxComp); }
std::string ApplyCmp(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    return ApplyFlag(cell, CmpText, [&](bool on) { ch.RxComp = on; return std::string(); });
}

std::string ShowNarrow(const ChannelRecord& ch, const ListContext&) { return NarrowText(ch.Narrow); }
std::string ApplyNarrow(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    if (Upper(Trim(cell)) == "W") cell = {};  // wide, as the editor's option names it
    return ApplyFlag(cell, NarrowText, [&](bool on) { ch.Narrow = on; return std::string(); });
}

std::string ShowDup(const ChannelRecord& ch, const ListContext&) { return DupText(ch.Duplex); }
std::string ApplyDup(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    for (int mode = 0; mode < 4; ++mode)
        if (Upper(Trim(cell)) == Upper(DupText(mode))) {
            ch.Duplex = static_cast<uint8_t>(mode);
            return "";
        }
    return AdviceText(Advice::CsvDuplex, {Quoted(Trim(cell))});
}

std::string ShowVs(const ChannelRecord& ch, const ListContext&) { return VsText(ch.Scramble); }
// The scrambler is on with bit 0x04 and one of four codes in the low bits.
std::string ApplyVs(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    constexpr int kScramblerOn = 0x04;
    const std::string_view text = Trim(cell);
    if (IsNone(text)) ch.Scramble = 0;
    else if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') ch.Scramble = static_cast<int16_t>(kScramblerOn | (text[0] - '0'));
    else return AdviceText(Advice::CsvScrambler, {Quoted(text)});
    return "";
}

std::string ShowMarineName(const ChannelRecord& ch, const ListContext&) { return ch.ChTag; }
std::string ShowName(const ChannelRecord& ch, const ListContext&) { return NameText(ch.ChTag); }
// Lower case turns into upper case, as it does when typed.
std::string ApplyName(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    const std::string name = IsNone(cell) ? std::string() : Upper(Trim(cell));
    const int longest = RuleOf(Field::ChannelName).maxLength;
    if (name.size() > static_cast<size_t>(longest)) return AdviceText(Advice::CsvNameLength, {std::to_string(longest)});
    if (FilterText(Field::ChannelName, name, longest) != name)
        return AdviceText(Advice::CsvNameCharacter, {Quoted(name)});
    ch.ChTag = name;
    return "";
}

std::string ShowWeatherName(const ChannelRecord& ch, const ListContext&) { return ch.ChTag; }
// The radio keeps names in upper case.
std::string ApplyWeatherName(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    const std::string name = Upper(Trim(cell));
    const int longest = RuleOf(Field::WeatherName).maxLength;
    if (name.size() > static_cast<size_t>(longest)) return AdviceText(Advice::CsvNameLength, {std::to_string(longest)});
    ch.ChTag = name;
    return "";
}

// Whether the channel is enabled in the list shown (an LMR/EXP record in its own group's list only).
bool EnabledInList(const ChannelRecord& ch, const ListContext& c) {
    if (FamilyOf(c.list) != Family::Expansion || c.list == ChannelList::Rg) return ch.Enable;
    return EnabledInGroup(c.model, ch, c.list == ChannelList::Lmr);
}
std::string ShowEnable(const ChannelRecord& ch, const ListContext& c) { return EnableText(EnabledInList(ch, c)); }
std::string ApplyEnable(ChannelRecord& ch, std::string_view cell, const ListContext& c) {
    return ApplyFlag(cell, EnableText, [&](bool on) {
        if (FamilyOf(c.list) == Family::Expansion) SetChannelEnable(c.model, EditorKind(c.list), ch, on);
        else ch.Enable = on;
        return std::string();
    });
}

template <int Group>
std::string ShowGroup(const ChannelRecord& ch, const ListContext&) {
    return UseText(GroupBoxTicked(ch, Group), false);
}
template <int Group>
std::string ApplyGroup(ChannelRecord& ch, std::string_view cell, const ListContext& c) {
    return ApplyFlag(cell, [](bool on) { return UseText(on, false); }, [&](bool on) {
        if (!GroupBoxesUsable(c.model, EditorKind(c.list), ch))
            return std::string(KV_TEXT("Messages", "only an enabled EXP channel is offered in a marine group"));
        SetChannelGroup(ch, Group, on);
        return std::string();
    });
}

// The display's letters in the case the radio shows them (b d n o q r t y
// small, the others capital), so that the cell may be typed in either case.
std::string SegmentCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        c = std::string_view("BDNOQRTY").find(upper) != std::string_view::npos ? static_cast<char>(std::tolower(upper)) : upper;
    }
    return out;
}

std::string ShowDisplay(const ChannelRecord& ch, const ListContext&) { return ChannelDisplayText(ch); }
std::string ApplyDisplay(ChannelRecord& ch, std::string_view cell, const ListContext&) {
    if (IsNone(cell)) {
        ch.CHDisplayL.clear();
        ch.CHDisplayR.clear();
        return "";
    }
    std::string text = SegmentCase(TrimRight(cell));
    if (text.size() > 4) return AdviceText(Advice::CsvDisplayLength, {Quoted(text)});
    text.resize(4, ' ');
    const std::string left(Trim(text.substr(0, 2))), right(Trim(text.substr(2)));
    if (FilterText(Field::ChannelNumberFirst, left, 2) != left || FilterText(Field::ChannelNumberSecond, right, 2) != right)
        return AdviceText(Advice::CsvDisplayCharacter, {Quoted(Trim(cell))});
    ch.CHDisplayL = PadChannelNumber(left);
    ch.CHDisplayR = right;
    return "";
}

// The decimals of a frequency in MHz ("156.8" has 1), or nothing when the
// text is no such number.
std::optional<size_t> MhzDecimals(std::string_view text) {
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot), decimals = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    const auto digits = [](std::string_view s) { return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }); };
    if (whole.empty() || whole.size() > 3 || !digits(whole) || !digits(decimals)) return std::nullopt;
    return decimals.size();
}

// A frequency as stored: digits with at most four decimals (100 Hz), in the model's band.
std::string ApplyFrequency(double& target, std::string_view cell, int model) {
    const std::string_view text = Trim(cell);
    if (IsNone(text)) {
        target = 0;
        return "";
    }
    const std::optional<size_t> decimals = MhzDecimals(text);
    if (!decimals) return AdviceText(Advice::CsvNotFrequency, {Quoted(text)});
    if (*decimals > 4) return AdviceText(Advice::CsvDecimals, {Quoted(text)});
    const double mhz = LeadingNumber(text);
    if (!FrequencyAllowed(model, mhz)) return BandAdvice(model, Advice::CsvOutside, Advice::CsvOutsideInSteps, {Quoted(text)});
    target = std::round(mhz * 10000.0) / 10000.0;
    return "";
}

std::string ShowRx(const ChannelRecord& ch, const ListContext&) { return FrequencyText(ch.Rxfreq); }
std::string ApplyRx(ChannelRecord& ch, std::string_view cell, const ListContext& c) { return ApplyFrequency(ch.Rxfreq, cell, c.model); }
std::string ShowTxFreq(const ChannelRecord& ch, const ListContext&) { return FrequencyText(ch.Txfreq); }
std::string ApplyTxFreq(ChannelRecord& ch, std::string_view cell, const ListContext& c) { return ApplyFrequency(ch.Txfreq, cell, c.model); }

// A tone: "-------" (or "Off") for none, a CTCSS tone ("67.0Hz", "67.0") or a DCS code ("023N", "023I").
std::string ApplyTone(ChannelRecord& ch, std::string_view cell, bool transmit) {
    const std::string text = Upper(Trim(cell));
    if (IsNone(text) || text == "OFF") {
        SelectCtcss(ch, transmit, 0);
        SelectDcs(ch, transmit, 0);
        return "";
    }
    std::vector<std::string> tones;
    BuildCtcssList(tones);
    for (int i = 1; i < kCtcssCount; ++i) {
        const std::string tone = Upper(tones[static_cast<size_t>(i)]);
        if (text == tone || text + "HZ" == tone) {
            SelectCtcss(ch, transmit, i);
            return "";
        }
    }
    for (int v = 1; v <= 2 * kSecondDcsOffset; ++v)
        if (text == DcsText(v)) {
            SelectDcs(ch, transmit, v);
            return "";
        }
    return AdviceText(Advice::CsvTone, {Quoted(Trim(cell))});
}

std::string ShowRxTone(const ChannelRecord& ch, const ListContext&) { return ToneText(ch.RxCTCSS, ch.RxDCS); }
std::string ApplyRxTone(ChannelRecord& ch, std::string_view cell, const ListContext&) { return ApplyTone(ch, cell, false); }
std::string ShowTxTone(const ChannelRecord& ch, const ListContext&) { return ToneText(ch.TxCTCSS, ch.TxDCS); }
std::string ApplyTxTone(ChannelRecord& ch, std::string_view cell, const ListContext&) { return ApplyTone(ch, cell, true); }

// A marine channel's frequencies follow its channel number and mode: a cell
// may leave one out ("" or dashes) or repeat it (to the cell's decimals),
// never change it.
std::string CheckMarineFrequency(const ChannelRecord& ch, std::string_view cell, bool transmit) {
    const std::string_view text = Trim(cell);
    const RxTx f = MarineFrequencies(ch);
    const double actual = transmit ? f.tx : f.rx;
    const bool none = text.find_first_not_of("-.") == std::string_view::npos;  // "", "---.---"
    const std::optional<size_t> decimals = MhzDecimals(text);
    const double scale = decimals ? std::pow(10.0, static_cast<double>(*decimals)) : 0;
    if (none || (decimals && std::round(LeadingNumber(text) * scale) == std::round(actual * scale))) return "";
    return AdviceText(transmit ? Advice::CsvNotTransmit : Advice::CsvNotReceive,
                      {Quoted(text), MarineChannelLabel(ch), Freq3(actual)});
}
std::string CheckMarineRx(const ChannelRecord& ch, std::string_view cell, const ListContext&) { return CheckMarineFrequency(ch, cell, false); }
std::string CheckMarineTx(const ChannelRecord& ch, std::string_view cell, const ListContext&) { return CheckMarineFrequency(ch, cell, true); }

// ---- the generic layout ---------------------------------------------------------------

// A decimal number as a whole count of 10^-decimals ("156.8" with 6 decimals
// is 156800000); nothing when the text is no such number or is finer.
std::optional<long long> ScaledNumber(std::string_view text, size_t decimals) {
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot), fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    const auto digits = [](std::string_view s) { return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }); };
    if ((whole.empty() && fraction.empty()) || whole.size() > 9 || !digits(whole) || !digits(fraction)) return std::nullopt;
    if (fraction.size() > decimals && fraction.substr(decimals).find_first_not_of('0') != std::string_view::npos) return std::nullopt;
    long long value = 0;
    for (const char c : whole) value = value * 10 + (c - '0');
    for (size_t i = 0; i < decimals; ++i) value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return value;
}

std::string Formatted(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
double Mhz(long long hz) { return static_cast<double>(hz) / 1e6; }
long long Steps(double mhz) { return std::llround(mhz * 10000.0); }  // of 100 Hz

// A generic row on its way into our cells: the row's cells by the generic
// column's title, and the cells of our list it makes, each with the generic
// column a refusal of it names.
struct GenericRow {
    int model = kDefaultModel;
    const std::vector<std::string_view>* ownTitles = nullptr;  // our list's columns
    std::vector<std::pair<std::string_view, std::string>> cells;
    long long topWatts = 0;  // in mW: the file's highest power written in watts
    std::optional<long long> rxHz;
    std::vector<std::pair<std::string, std::string>> own, blame, refusals, notes;

    bool Has(std::string_view ownTitle) const {
        return std::find(ownTitles->begin(), ownTitles->end(), ownTitle) != ownTitles->end();
    }
    std::optional<std::string> Cell(std::string_view title) const {
        for (const auto& [t, cell] : cells)
            if (t == title) return cell;
        return std::nullopt;
    }
    void Set(const char* ownTitle, std::string text, const char* genericTitle) {
        own.emplace_back(ownTitle, std::move(text));
        blame.emplace_back(ownTitle, genericTitle);
    }
    void Refuse(const char* title, std::string why) {
        const std::pair<std::string, std::string> refusal{title, std::move(why)};
        if (std::find(refusals.begin(), refusals.end(), refusal) == refusals.end()) refusals.push_back(refusal);
    }
};
using TranslateCell = void (*)(GenericRow&, const std::string&);

// A frequency cell in Hz on the radio's steps of 100 Hz, or a refusal.
std::optional<long long> RadioHz(GenericRow& g, const char* title, const std::string& text) {
    const std::optional<long long> hz = ScaledNumber(text, 6);
    if (!hz) g.Refuse(title, AdviceText(Advice::CsvNotFrequency, {Quoted(text)}));
    else if (*hz % 100 != 0) g.Refuse(title, AdviceText(Advice::CsvFiner, {Quoted(text)}));
    else return hz;
    return std::nullopt;
}
bool InBand(int model, long long hz) { return FrequencyAllowed(model, Mhz(hz)); }

std::string ShowLocation(const ChannelRecord&, const ListContext& c) { return std::to_string(c.number); }
std::string ShowTag(const ChannelRecord& ch, const ListContext&) { return ch.ChTag; }
std::string ShowFrequency(const ChannelRecord& ch, const ListContext&) { return Formatted("%.6f", ch.Rxfreq); }
std::string ShowBlank(const ChannelRecord&, const ListContext&) { return ""; }
std::string ShowStep(const ChannelRecord&, const ListContext&) { return "5.00"; }
std::string ShowSkip(const ChannelRecord& ch, const ListContext&) { return ch.ScanMemory ? "" : "S"; }
std::string ShowPower(const ChannelRecord& ch, const ListContext&) { return ch.LowPower ? "Low" : "High"; }
std::string ShowMode(const ChannelRecord& ch, const ListContext& c) {
    return ch.Narrow && TraitsOf(c.model).toneBlock ? "NFM" : "FM";
}

// Transmit at the frequency, above or below it by the offset, at the offset
// ("split": none here, as no transmit frequency is stored), or not at all.
std::string ShowDuplex(const ChannelRecord& ch, const ListContext&) {
    if (!ch.TxEnable) return "off";
    const long long rx = Steps(ch.Rxfreq), tx = Steps(ch.Txfreq);
    return tx == rx ? "" : tx <= 0 ? "split" : tx > rx ? "+" : "-";
}
std::string ShowOffset(const ChannelRecord& ch, const ListContext& c) {
    const std::string duplex = ShowDuplex(ch, c);
    const bool offset = duplex == "+" || duplex == "-";
    return Formatted("%.6f", offset ? static_cast<double>(std::llabs(Steps(ch.Txfreq) - Steps(ch.Rxfreq))) / 10000.0 : 0.0);
}

// A record's tones in the generic columns; columns a row does not use hold
// the usual values, so that every cell reads as a tone or a code.
struct GenericTones {
    std::string tone, rTone = "88.5", cTone = "88.5", dtcs = "023", polarity = "NN", rxDtcs = "023", cross = "Tone->Tone";
};
GenericTones TonesOf(const ChannelRecord& ch) {
    struct Side {
        const char* kind = "";  // "", "Tone", "DTCS"
        int index = 0;
        bool reversed = false;
    };
    const auto side = [](int ctcss, int dcs) {
        if (ctcss >= 1 && ctcss < kCtcssCount) return Side{"Tone", ctcss, false};  // as the report shows it: the tone first
        if (dcs >= 1 && dcs <= 2 * kSecondDcsOffset) return Side{"DTCS", (dcs - 1) % kSecondDcsOffset + 1, dcs > kSecondDcsOffset};
        return Side{};
    };
    const Side tx = side(ch.TxCTCSS, ch.TxDCS), rx = side(ch.RxCTCSS, ch.RxDCS);
    const auto tone = [](int index) { return Formatted("%.1f", CtcssTenthsHz(index) / 10.0); };
    const auto code = [](int index) { return Formatted("%03.0f", DcsCode(index)); };
    GenericTones g;
    g.polarity = {tx.reversed ? 'R' : 'N', rx.reversed ? 'R' : 'N'};
    const std::string_view txKind = tx.kind, rxKind = rx.kind;
    if (txKind == "Tone") g.rTone = tone(tx.index);
    if (rxKind == "Tone") g.cTone = tone(rx.index);
    if (txKind == "DTCS") g.dtcs = code(tx.index);
    if (rxKind == "DTCS") g.rxDtcs = code(rx.index);
    if (txKind.empty() && rxKind.empty()) g.tone = "";
    else if (txKind == "Tone" && rxKind.empty()) g.tone = "Tone";
    else if (txKind == rxKind && tx.index == rx.index) g.tone = txKind == "Tone" ? "TSQL" : "DTCS";
    else g.tone = "Cross", g.cross = std::string(txKind) + "->" + std::string(rxKind);
    return g;
}
template <std::string GenericTones::*Field>
std::string ShowTones(const ChannelRecord& ch, const ListContext& c) {
    return TraitsOf(c.model).toneBlock ? TonesOf(ch).*Field : GenericTones{}.*Field;
}

// Names are kept in upper case, as other tools' files seldom write them; a
// name longer than the field is cut, and said so.
void TranslateName(GenericRow& g, const std::string& cell) {
    const std::string typed = FromSpreadsheetText(cell);
    if (!g.Has("CH Name")) {
        if (!typed.empty()) g.notes.emplace_back("Name", AdviceText(Advice::CsvNameLeftOut, {Quoted(typed)}));
        return;
    }
    std::string name = Upper(typed);
    const size_t longest = static_cast<size_t>(RuleOf(Field::ChannelName).maxLength);
    if (name.size() > longest) {
        name.resize(longest);
        g.notes.emplace_back("Name", AdviceText(Advice::CsvNameShortened, {Quoted(typed), Quoted(name)}));
    }
    g.Set("CH Name", SpreadsheetText(name), "Name");
}

void TranslateFrequency(GenericRow& g, const std::string& cell) {
    if (cell.empty()) return g.Refuse("Frequency", KV_TEXT("Messages", "a channel needs a receive frequency"));
    g.rxHz = RadioHz(g, "Frequency", cell);
    if (g.rxHz && !InBand(g.model, *g.rxHz)) {
        g.Refuse("Frequency", BandAdvice(g.model, Advice::CsvOutside, Advice::CsvOutsideInSteps, {Quoted(cell)}));
        g.rxHz.reset();
    }
    if (g.rxHz) g.Set("RX(MHz)", FrequencyText(Mhz(*g.rxHz)), "Frequency");
}

// A channel that does not transmit keeps the transmit frequency it has.
void TranslateDuplex(GenericRow& g, const std::string& cell) {
    const std::string duplex = Lower(cell);
    const bool off = duplex == "off";
    if (!off && !duplex.empty() && duplex != "+" && duplex != "-" && duplex != "split")
        return g.Refuse("Duplex", AdviceText(Advice::CsvDuplexGeneric, {Quoted(cell)}));
    g.Set("TX", TxText(!off), "Duplex");
    if (off || !g.rxHz) return;
    long long tx = *g.rxHz;
    if (!duplex.empty()) {
        const std::string offset = g.Cell("Offset").value_or("");
        const std::optional<long long> hz = RadioHz(g, "Offset", offset.empty() && duplex != "split" ? "0" : offset);
        if (!hz) return;
        tx = duplex == "split" ? *hz : duplex == "+" ? tx + *hz : tx - *hz;
        if (!InBand(g.model, tx))
            return g.Refuse("Offset", BandAdvice(g.model, Advice::CsvOffsetOutside, Advice::CsvOffsetOutsideInSteps,
                                                 {Formatted("%.4f", Mhz(tx)), Quoted(cell)}));
    }
    g.Set("TX(MHz)", FrequencyText(Mhz(tx)), duplex.empty() ? "Frequency" : "Offset");
}

// One side of the tones as our tone cell, read from the generic column `source` ("": none).
std::optional<std::string> ToneSide(GenericRow& g, const char* source, size_t side) {
    if (!*source) return ToneText(0, 0);
    const std::string text = g.Cell(source).value_or("");
    if (std::string_view(source).ends_with("ToneFreq")) {
        const std::optional<long long> tenths = ScaledNumber(text, 1);
        for (int i = 1; tenths && i < kCtcssCount; ++i)
            if (CtcssTenthsHz(i) == *tenths) return ToneText(i, 0);
        g.Refuse(source, AdviceText(Advice::CsvCtcss, {Quoted(text)}));
        return std::nullopt;
    }
    const std::optional<long long> code = text.size() <= 3 ? ScaledNumber(text, 0) : std::nullopt;
    int index = 0;
    for (int i = 1; code && i < kDcsCount; ++i)
        if (DcsCode(i) == *code) index = i;
    if (!index) {
        g.Refuse(source, AdviceText(Advice::CsvDcs, {Quoted(text)}));
        return std::nullopt;
    }
    const std::string written = Upper(g.Cell("DtcsPolarity").value_or("")), polarity = written.empty() ? "NN" : written;
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
        g.Refuse("DtcsPolarity", AdviceText(Advice::CsvPolarity, {Quoted(written)}));
        return std::nullopt;
    }
    return DcsText(polarity[side] == 'R' ? index + kSecondDcsOffset : index);
}

void TranslateTone(GenericRow& g, const std::string& cell) {
    const std::string tone = Upper(cell);
    const char* tx = "";
    const char* rx = "";
    if (tone == "TONE") tx = "rToneFreq";
    else if (tone == "TSQL") tx = rx = "cToneFreq";
    else if (tone == "DTCS") tx = rx = "DtcsCode";
    else if (tone == "CROSS") {
        const std::string written = g.Cell("CrossMode").value_or(""), mode = Upper(written);
        const size_t arrow = mode.find("->");
        const auto kind = [](std::string_view k, const char* ctcss, const char* dcs) -> const char* {
            return k.empty() ? "" : k == "TONE" ? ctcss : k == "DTCS" ? dcs : nullptr;
        };
        tx = arrow == std::string::npos ? nullptr : kind(mode.substr(0, arrow), "rToneFreq", "DtcsCode");
        rx = arrow == std::string::npos ? nullptr : kind(mode.substr(arrow + 2), "cToneFreq", "RxDtcsCode");
        if (!tx || !rx) return g.Refuse("CrossMode", AdviceText(Advice::CsvCrossMode, {Quoted(written)}));
    } else if (!tone.empty()) {
        return g.Refuse("Tone", AdviceText(Advice::CsvToneMode, {Quoted(cell)}));
    }
    if (!g.Has("TXT")) {
        if (*tx || *rx) g.Refuse("Tone", KV_TEXT("Messages", "this radio keeps no tones"));
        return;
    }
    const std::optional<std::string> txTone = ToneSide(g, tx, 0), rxTone = ToneSide(g, rx, 1);
    if (!txTone || !rxTone) return;
    g.Set("TXT", *txTone, "Tone");
    g.Set("RXT", *rxTone, "Tone");
}

void TranslateMode(GenericRow& g, const std::string& cell) {
    const std::string mode = Upper(cell);
    if (mode.empty()) return;
    if (mode != "FM" && mode != "NFM") return g.Refuse("Mode", AdviceText(Advice::CsvMode, {Quoted(cell)}));
    if (g.Has("W/N")) g.Set("W/N", NarrowText(mode == "NFM"), "Mode");
    else if (mode == "NFM") g.Refuse("Mode", KV_TEXT("Messages", "this radio has no narrow channels"));
}

void TranslateSkip(GenericRow& g, const std::string& cell) {
    const std::string skip = Upper(cell);
    if (!skip.empty() && skip != "S") return g.Refuse("Skip", AdviceText(Advice::CsvFlagScanned, {Quoted(cell)}));
    g.Set("MEM", MemText(skip.empty()), "Skip");
}

// A power cell in mW: "High" the most, "Low" -1, watts as written ("5.0W", "1 W").
std::optional<long long> PowerLevel(std::string_view cell) {
    const std::string power = Upper(cell);
    if (power == "HIGH") return LLONG_MAX;
    if (power == "LOW") return -1;
    if (!power.ends_with('W')) return std::nullopt;
    return ScaledNumber(Trim(std::string_view(power).substr(0, power.size() - 1)), 3);
}

// The radio has two levels: "Low" and any watts below the file's highest are low power.
void TranslatePower(GenericRow& g, const std::string& cell) {
    if (cell.empty()) return;
    const std::optional<long long> level = PowerLevel(cell);
    if (!level) return g.Refuse("Power", AdviceText(Advice::CsvPower, {Quoted(cell)}));
    const bool silent = Lower(g.Cell("Duplex").value_or("")) == "off";  // has no power to choose
    g.Set("LOW", LowText(!silent && *level < g.topWatts), "Power");
}

void TranslateComment(GenericRow& g, const std::string& cell) {
    if (!cell.empty()) g.notes.emplace_back("Comment", AdviceText(Advice::CsvCommentLeftOut, {Quoted(cell)}));
}

// ---- the table ------------------------------------------------------------------------

using CheckCell = std::string (*)(const ChannelRecord&, std::string_view, const ListContext&);

struct Column {
    Family family;
    const char* title;
    ShowCell show;
    ApplyCell apply = nullptr;   // null: the cell is derived (marine frequencies) or places the row ("CH")
    bool leadingSpaces = false;  // the cell's leading spaces mean something (the display)
    bool text = false;           // the user's own text (a name): written so that a spreadsheet shows it as text
    CheckCell check = nullptr;   // a derived cell: why it does not match the record the row made, or ""
    bool decimal = false;        // a number: a semicolon file writes it with a decimal comma
    TranslateCell translate = nullptr;  // a generic column: the cells of ours its cell makes
};

// Cells are written into a record in this order: whether a channel is
// enabled and transmits decides what its other cells may hold.
const std::vector<Column>& Columns() {
    static const std::vector<Column> columns{
        {Family::Marine, "CH", ShowMarineLabel, nullptr},
        {Family::Marine, "RX(MHz)", ShowMarineRx, nullptr, false, false, CheckMarineRx, true},
        {Family::Marine, "TX(MHz)", ShowMarineTx, nullptr, false, false, CheckMarineTx, true},
        {Family::Marine, "TX", ShowTx, ApplyTx},
        {Family::Marine, "LOW", ShowLow, ApplyLow},
        {Family::Marine, "UP", ShowUp, ApplyUp},
        {Family::Marine, "DUP", ShowDup, ApplyDup},
        {Family::Marine, "MEM", ShowMem, ApplyMem},
        {Family::Marine, "VS", ShowVs, ApplyVs},
        {Family::Marine, "CH Name", ShowMarineName, ApplyName, false, true},

        {Family::Weather, "CH", ShowNumber, nullptr},
        {Family::Weather, "ENABLE", ShowEnable, ApplyEnable},
        {Family::Weather, "MEM", ShowMem, ApplyMem},
        {Family::Weather, "CH Name", ShowWeatherName, ApplyWeatherName, false, true},

        {Family::Expansion, "CH", ShowNumber, nullptr},
        {Family::Expansion, "ENABLE", ShowEnable, ApplyEnable},
        {Family::Expansion, "CHD", ShowDisplay, ApplyDisplay, true},
        {Family::Expansion, "USA", ShowGroup<kUsaGroup>, ApplyGroup<kUsaGroup>},
        {Family::Expansion, "INT", ShowGroup<kIntlGroup>, ApplyGroup<kIntlGroup>},
        {Family::Expansion, "CAN", ShowGroup<kCanGroup>, ApplyGroup<kCanGroup>},
        {Family::Expansion, "RX(MHz)", ShowRx, ApplyRx, false, false, nullptr, true},
        {Family::Expansion, "TX(MHz)", ShowTxFreq, ApplyTxFreq, false, false, nullptr, true},
        {Family::Expansion, "TX", ShowTx, ApplyTx},
        {Family::Expansion, "LOW", ShowLow, ApplyLow},
        {Family::Expansion, "UP", ShowUp, ApplyUp},
        {Family::Expansion, "MEM", ShowMem, ApplyMem},
        {Family::Expansion, "VS", ShowVs, ApplyVs},
        {Family::Expansion, "CH Name", ShowName, ApplyName, false, true},
        {Family::Expansion, "W/N", ShowNarrow, ApplyNarrow},
        {Family::Expansion, "RXT", ShowRxTone, ApplyRxTone, false, false, nullptr, true},
        {Family::Expansion, "CMP", ShowCmp, ApplyCmp},
        {Family::Expansion, "TXT", ShowTxTone, ApplyTxTone, false, false, nullptr, true},

        // The generic layout, in its own order; an import translates its cells in this order.
        {Family::Generic, "Location", ShowLocation},
        {.family = Family::Generic, .title = "Name", .show = ShowTag, .text = true, .translate = TranslateName},
        {.family = Family::Generic, .title = "Frequency", .show = ShowFrequency, .decimal = true, .translate = TranslateFrequency},
        {.family = Family::Generic, .title = "Duplex", .show = ShowDuplex, .translate = TranslateDuplex},
        {.family = Family::Generic, .title = "Offset", .show = ShowOffset, .decimal = true},
        {.family = Family::Generic, .title = "Tone", .show = ShowTones<&GenericTones::tone>, .translate = TranslateTone},
        {.family = Family::Generic, .title = "rToneFreq", .show = ShowTones<&GenericTones::rTone>, .decimal = true},
        {.family = Family::Generic, .title = "cToneFreq", .show = ShowTones<&GenericTones::cTone>, .decimal = true},
        {Family::Generic, "DtcsCode", ShowTones<&GenericTones::dtcs>},
        {Family::Generic, "DtcsPolarity", ShowTones<&GenericTones::polarity>},
        {Family::Generic, "RxDtcsCode", ShowTones<&GenericTones::rxDtcs>},
        {Family::Generic, "CrossMode", ShowTones<&GenericTones::cross>},
        {.family = Family::Generic, .title = "Mode", .show = ShowMode, .translate = TranslateMode},
        {.family = Family::Generic, .title = "TStep", .show = ShowStep, .decimal = true},
        {.family = Family::Generic, .title = "Skip", .show = ShowSkip, .translate = TranslateSkip},
        {.family = Family::Generic, .title = "Power", .show = ShowPower, .translate = TranslatePower},
        {.family = Family::Generic, .title = "Comment", .show = ShowBlank, .translate = TranslateComment},
        {Family::Generic, "URCALL", ShowBlank},
        {Family::Generic, "RPT1CALL", ShowBlank},
        {Family::Generic, "RPT2CALL", ShowBlank},
        {Family::Generic, "DVCODE", ShowBlank},
    };
    return columns;
}

const Column* FindColumn(Family family, std::string_view title) {
    for (const Column& column : Columns())
        if (column.family == family && title == column.title) return &column;
    return nullptr;
}

// The column a header cell names, in any case.
const Column* NamedColumn(const std::vector<const Column*>& columns, std::string_view cell) {
    for (const Column* column : columns)
        if (Upper(Trim(cell)) == Upper(column->title)) return column;
    return nullptr;
}

std::vector<const Column*> GenericColumns() {
    std::vector<const Column*> columns;
    for (const Column& column : Columns())
        if (column.family == Family::Generic) columns.push_back(&column);
    return columns;
}

ReportChannelList ReportListOf(int model, ChannelList list) {
    switch (FamilyOf(list)) {
        case Family::Marine: return ReportChannelList::Marine;
        case Family::Weather: return ReportChannelList::Weather;
        default: break;
    }
    if (list == ChannelList::Rg) return ReportChannelList::Rg;
    return list == ChannelList::Exp && TraitsOf(model).expGroup ? ReportChannelList::Exp : ReportChannelList::Lmr;
}

// The report's titles (separated by two or more spaces), then the columns
// the editor changes that the report leaves out.
std::vector<const Column*> ListColumns(int model, ChannelList list, CsvLayout layout = CsvLayout::Kvprog) {
    if (layout == CsvLayout::Generic) return GenericColumns();
    const Family family = FamilyOf(list);
    std::vector<const Column*> columns;
    const std::string header = ChannelListHeader(model, ReportListOf(model, list));
    for (size_t start = 0; start < header.size();) {
        size_t end = header.find("  ", start);
        if (end == std::string::npos) end = header.size();
        if (const Column* column = FindColumn(family, header.substr(start, end - start))) columns.push_back(column);
        start = header.find_first_not_of(' ', end);
    }
    std::vector<const char*> extra;
    switch (family) {
        case Family::Marine: extra = {"MEM"}; break;
        case Family::Weather: extra = {"ENABLE", "MEM"}; if (HasNames(model)) extra.push_back("CH Name"); break;
        case Family::Expansion: extra = {"ENABLE", "TX", "MEM"}; break;
        case Family::Generic: break;
    }
    for (const char* title : extra) {
        const Column* column = FindColumn(family, title);
        if (std::find(columns.begin(), columns.end(), column) == columns.end()) columns.push_back(column);
    }
    return columns;
}

std::string Cell(const Column& column, const ChannelRecord& ch, const ListContext& c) {
    return std::string(TrimRight(column.show(ch, c)));
}

std::string NormalCell(const Column& column, std::string_view text) {
    return Upper(column.leadingSpaces ? TrimRight(text) : Trim(text));
}

std::vector<std::string> RowCells(const std::vector<const Column*>& columns, const ChannelRecord& ch, const ListContext& c,
                                  char separator = ',') {
    std::vector<std::string> cells;
    for (const Column* column : columns) {
        std::string cell = Cell(*column, ch, c);
        const bool number = cell.find_first_of("0123456789") != std::string::npos;  // not "---.----"
        if (column->decimal && number && separator == ';') std::replace(cell.begin(), cell.end(), '.', ',');
        // (A name's dashes for "none" are the program's own text.)
        cells.push_back(column->text && !IsNone(cell) ? SpreadsheetText(cell) : cell);
    }
    return cells;
}

// The cell's text as the user meant it (without a spreadsheet's text mark;
// a semicolon file's numbers with a decimal point).
std::string CellText(const Column& column, std::string_view cell, char separator) {
    std::string text = column.text ? FromSpreadsheetText(cell) : std::string(cell);
    if (column.decimal && separator == ';') std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// The records a list shows, in order: a marine list's listed channels, every record of the others.
std::span<const ChannelRecord> ListRecords(const RadioSettings& s, ChannelList list) {
    switch (list) {
        case ChannelList::Usa: return s.CHUSA;
        case ChannelList::Intl: return s.CHINT;
        case ChannelList::Can: return s.CHCAN;
        case ChannelList::Wx: return s.CHWX;
        case ChannelList::Rg: return s.CHRG;
        default: return s.CHEXP;
    }
}

std::vector<int> ShownRecords(const RadioSettings& s, ChannelList list) {
    if (FamilyOf(list) == Family::Marine) return ListedRecords(s.Marine(MarineGroupOf(list)));
    std::vector<int> records(ListRecords(s, list).size());
    for (size_t i = 0; i < records.size(); ++i) records[i] = static_cast<int>(i);
    return records;
}

// The records an export writes: the generic layout holds the enabled channels only.
std::vector<int> ExportedRecords(const RadioSession& s, ChannelList list, CsvLayout layout) {
    std::vector<int> records = ShownRecords(s.settings, list);
    if (layout == CsvLayout::Generic) {
        const ListContext context{s.model, list, {}, 0};
        const std::span<const ChannelRecord> all = ListRecords(s.settings, list);
        std::erase_if(records, [&](int r) { return !EnabledInList(all[static_cast<size_t>(r)], context); });
    }
    return records;
}

// ---- reading rows -------------------------------------------------------------------

// What a cell of a row holds that an import refuses or changes.
std::string CellNote(int row, const std::string& column, const std::string& what) {
    return AdviceText(Advice::CsvCell, {std::to_string(row), column, what});
}

class Problems {
public:
    void Add(int row, const std::string& column, const std::string& why) {
        list_.push_back(CellNote(row, column, why));
    }
    bool Any() const { return !list_.empty(); }
    size_t Count() const { return list_.size(); }
    std::vector<std::string> Take() { return std::move(list_); }

private:
    std::vector<std::string> list_;
};

struct ListReader {
    const RadioSession& session;
    ChannelList list;
    char separator;
    std::vector<const Column*> columns;       // our list's, in the order of our layout's cells
    std::vector<const Column*> generic;       // a generic text's columns in the order of its cells (null: unknown); empty: our layout
    std::vector<const Column*> genericOrder;  // the generic layout's columns in translation order
    std::vector<std::string_view> ownTitles;  // our list's columns
    ListContext context;
    Problems problems;
    std::vector<std::string> notes;
    int taken = 0;            // rows placed
    long long topWatts = 0;   // the highest power in watts (mW) a generic text writes
    std::vector<std::pair<std::string, std::string>> blame;  // of a generic row: our column, the generic one it came from

    // A cell a row changed, to be checked against what the radio keeps.
    struct ChangedCell {
        int number;  // the row in the text
        int row;     // the row of the list it went into
        const Column* column;
        std::string title;  // the column of the text
    };
    std::vector<ChangedCell> lastChanged;  // of the row last applied
    std::vector<ChangedCell> changedCells;

    ListReader(const RadioSession& s, ChannelList l, char sep)
        : session(s), list(l), separator(sep), columns(ListColumns(s.model, l)), genericOrder(GenericColumns()),
          context{s.model, l, s.today(), 0} {
        for (const Column* column : columns) ownTitles.push_back(column->title);
    }

    bool Generic() const { return !generic.empty(); }
    const std::vector<const Column*>& CellColumns() const { return Generic() ? generic : columns; }
    const char* NumberTitle() const { return Generic() ? "Location" : "CH"; }

    // The text's column a problem with one of our cells names.
    std::string Blame(std::string_view title) const {
        for (const auto& [own, theirs] : blame)
            if (own == title) return theirs;
        return std::string(title);
    }

    size_t IndexOf(std::string_view title) const {
        for (size_t i = 0; i < columns.size(); ++i)
            if (title == columns[i]->title) return i;
        return columns.size();
    }

    const std::string& CellOf(const TextRow& row, std::string_view title) const {
        static const std::string kNone;
        const std::vector<const Column*>& cells = CellColumns();
        for (size_t i = 0; i < cells.size() && i < row.cells.size(); ++i)
            if (cells[i] && title == cells[i]->title) return row.cells[i];
        return kNone;
    }

    void CheckHeader(const TextRow& row) {
        for (size_t i = 0; i < std::max(row.cells.size(), columns.size()); ++i) {
            const std::string where = std::to_string(i + 1);
            if (i >= columns.size())
                problems.Add(row.number, where, AdviceText(Advice::CsvNotOurColumn, {Quoted(Trim(row.cells[i])), ChannelListName(list)}));
            else if (i >= row.cells.size())
                problems.Add(row.number, where, AdviceText(Advice::CsvRowEnds, {Quoted(columns[i]->title)}));
            else if (Upper(Trim(row.cells[i])) != Upper(columns[i]->title))
                problems.Add(row.number, where, AdviceText(Advice::CsvExpected, {Quoted(columns[i]->title), Quoted(Trim(row.cells[i]))}));
        }
    }

    // The generic layout's columns, in any order; an import needs "Location" to place its rows.
    void CheckGenericHeader(const TextRow& row, bool import) {
        for (size_t i = 0; i < row.cells.size(); ++i) {
            const Column* column = NamedColumn(genericOrder, row.cells[i]);
            const auto before = std::find(generic.begin(), generic.end(), column);
            if (!column)
                problems.Add(row.number, std::to_string(i + 1), AdviceText(Advice::CsvNotGenericColumn, {Quoted(Trim(row.cells[i]))}));
            else if (before != generic.end())
                problems.Add(row.number, std::to_string(i + 1),
                             AdviceText(Advice::CsvColumnTwice, {Quoted(column->title), std::to_string(before - generic.begin() + 1)}));
            generic.push_back(column && before == generic.end() ? column : nullptr);
        }
        for (const char* needed : {"Location", "Frequency"})
            if ((import || needed != std::string_view("Location")) && std::find(generic.begin(), generic.end(), FindColumn(Family::Generic, needed)) == generic.end())
                problems.Add(row.number, needed, KV_TEXT("Messages", "missing; the generic layout's rows need it"));
        if (!LayoutHoldsList(CsvLayout::Generic, list))
            problems.Add(row.number, "1", AdviceText(Advice::CsvGenericLists, {ChannelListName(list)}));
    }

    // A header row: our columns in any order (which then is the cells' order), or the generic layout's.
    bool TakeHeader(const TextRow& row, bool import) {
        std::vector<const Column*> order;
        for (const std::string& cell : row.cells)
            if (const Column* column = NamedColumn(columns, cell); column && std::find(order.begin(), order.end(), column) == order.end())
                order.push_back(column);
        if (order.size() == columns.size() && row.cells.size() == columns.size()) {
            columns = std::move(order);
            return true;
        }
        // A pasted first row is a generic header only with a Frequency column: a
        // row of ours may hold a name such as "TONE".
        const std::vector<const Column*> named{import ? genericOrder : std::vector{FindColumn(Family::Generic, "Frequency")}};
        if (std::none_of(row.cells.begin(), row.cells.end(), [&](const std::string& cell) { return NamedColumn(named, cell); }))
            return false;
        CheckGenericHeader(row, import);
        return true;
    }

    // A row with a cell for every column, or a problem naming the first cell too few or too many.
    bool HasShape(const TextRow& row) {
        const std::vector<const Column*>& cells = CellColumns();
        const char other = separator == ';' ? ',' : ';';
        if (separator != '\t' && row.cells.size() == 1 && cells.size() > 1 && row.cells[0].find(other) != std::string::npos) {
            problems.Add(row.number, "1", AdviceText(Advice::CsvSeparators, {std::string(1, other), std::string(1, separator)}));
            return false;
        }
        if (row.cells.size() < cells.size()) {
            const Column* missing = cells[row.cells.size()];
            problems.Add(row.number, missing ? missing->title : std::to_string(row.cells.size() + 1),
                         AdviceText(Advice::CsvCellsMissing, {std::to_string(row.cells.size()), std::to_string(cells.size())}));
            return false;
        }
        if (row.cells.size() > cells.size()) {
            problems.Add(row.number, std::to_string(cells.size() + 1),
                         AdviceText(Advice::CsvColumnCount, {ChannelListName(list), std::to_string(cells.size())}));
            return false;
        }
        return true;
    }

    // The row written over `base`: every cell that reads otherwise than the
    // base shows it goes through its column's rule. `whole`: no cell of the
    // row was refused before, so the channel is checked as the editor would.
    ChannelRecord Apply(const TextRow& row, const ChannelRecord& base, int number, bool whole = true) {
        context.number = number;
        ChannelRecord ch = base;
        std::vector<bool> changed(columns.size(), false);
        const size_t problemsBefore = problems.Count();
        lastChanged.clear();
        for (const Column& column : Columns()) {
            const size_t i = IndexOf(column.title);
            if (column.family != FamilyOf(list) || i == columns.size() || !column.apply) continue;
            const std::string cell = CellText(column, row.cells[i], separator);
            if (NormalCell(column, cell) == NormalCell(column, Cell(column, base, context))) continue;
            changed[i] = true;
            if (const std::string why = column.apply(ch, cell, context); !why.empty())
                problems.Add(row.number, Blame(column.title), why);
            else
                Changed(row, column, cell, ch);
        }
        for (const Column* column : columns)
            if (column->check)
                if (const std::string why = column->check(ch, CellText(*column, CellOf(row, column->title), separator), context); !why.empty())
                    problems.Add(row.number, column->title, why);
        const bool cellsTaken = whole && problems.Count() == problemsBefore;
        if (FamilyOf(list) == Family::Expansion && cellsTaken && !(ch == base)) CheckChannel(row, ch, changed);
        return ch;
    }

    // A generic row written over `base`: its cells make ours (the channel
    // enabled, numbered as the list numbers it when it has no number yet), and
    // the cells it leaves out read as the record shows them.
    ChannelRecord TakeGeneric(const TextRow& row, const ChannelRecord& base, int number) {
        context.number = number;
        GenericRow g;
        g.model = context.model;
        g.ownTitles = &ownTitles;
        g.topWatts = topWatts;
        for (size_t i = 0; i < generic.size(); ++i)
            if (generic[i]) g.cells.emplace_back(generic[i]->title, Trim(CellText(*generic[i], row.cells[i], separator)));
        for (const Column* column : genericOrder)
            if (column->translate)
                if (const std::optional<std::string> cell = g.Cell(column->title)) column->translate(g, *cell);
        TextRow own{row.number, RowCells(columns, base, context)};
        const auto set = [&](std::string_view title, const std::string& text) {
            if (const size_t i = IndexOf(title); i < columns.size()) own.cells[i] = text;
        };
        set("ENABLE", EnableText(true));
        if (Trim(base.CHDisplayL).empty()) set("CHD", std::to_string(number));
        for (const auto& [title, text] : g.own) set(title, text);
        for (const auto& [title, why] : g.refusals) problems.Add(row.number, title, why);
        for (const auto& [title, what] : g.notes) notes.push_back(CellNote(row.number, title, what));
        blame = std::move(g.blame);
        blame.insert(blame.end(), {{"CHD", "Location"}, {"ENABLE", "Location"}});
        ChannelRecord ch = Apply(own, base, number, g.refusals.empty());
        blame.clear();
        return ch;
    }

    ChannelRecord Take(const TextRow& row, const ChannelRecord& base, int number) {
        return Generic() ? TakeGeneric(row, base, number) : Apply(row, base, number);
    }

    // A name is kept in upper case, as it is typed: said, not done in silence.
    // What else the radio would not keep of a name or a receive tone is
    // checked once the list is whole.
    void Changed(const TextRow& row, const Column& column, std::string_view cell, const ChannelRecord& ch) {
        const std::string title = Blame(column.title);
        const std::string typed(Trim(cell)), shown = Cell(column, ch, context);
        if (column.text && typed != shown && Upper(typed) == Upper(shown))
            notes.push_back(CellNote(row.number, title, AdviceText(Advice::CsvKeptAs, {Quoted(typed), Quoted(shown)})));
        // A receive tone shares its bits with CMP: a reversed code and CMP do not go together.
        if (column.text || column.apply == ApplyRxTone) lastChanged.push_back({row.number, 0, &column, title});
    }

    // The row last applied went into row `row` of the list.
    void Placed(int row) {
        ++taken;
        for (ChangedCell& cell : lastChanged) {
            cell.row = row;
            changedCells.push_back(std::move(cell));
        }
        lastChanged.clear();
    }

    // Every name and receive tone the rows changed as the radio would hold it: programmed and read back.
    void CheckKept(const RadioSettings& settings) {
        if (changedCells.empty() || problems.Any()) return;
        RadioSession programmed = session;
        programmed.settings = settings;
        AsProgrammed(programmed);
        const std::vector<int> records = ShownRecords(settings, list);
        for (const ChangedCell& cell : changedCells) {
            const size_t record = static_cast<size_t>(records.at(static_cast<size_t>(cell.row)));
            const std::string wanted = Cell(*cell.column, ListRecords(settings, list)[record], context);
            const std::string kept = Cell(*cell.column, ListRecords(programmed.settings, list)[record], context);
            if (wanted != kept)
                problems.Add(cell.number, cell.title, AdviceText(Advice::CsvNotKept, {Quoted(wanted), Quoted(kept)}));
        }
    }

    // What the single-channel editor asks of a channel it changed: an enabled
    // one has a receive frequency and a channel number, and one the
    // narrowband rule names is narrow (written so, unless the row asks for
    // wide; a generic row's wide channel is taken narrow, and said so).
    void CheckChannel(const TextRow& row, ChannelRecord& ch, const std::vector<bool>& changed) {
        const bool enabled = list == ChannelList::Rg ? ch.Enable : EnabledInGroup(context.model, ch, list == ChannelList::Lmr);
        if (enabled && !(ch.Rxfreq > 0))
            problems.Add(row.number, Blame("RX(MHz)"), KV_TEXT("Messages", "an enabled channel needs a receive frequency"));
        else if (enabled && !ChannelComplete(FrequencyText(ch.Rxfreq), ch.CHDisplayL))
            problems.Add(row.number, Blame("CHD"), KV_TEXT("Messages", "an enabled channel needs a channel number"));
        if (!BandwidthFor(context.model, ch, context.today).forceNarrow || ch.Narrow) return;
        const size_t narrow = IndexOf("W/N");
        if (Generic())
            notes.push_back(CellNote(row.number, Blame("W/N"),
                                     KV_TEXT("Messages", "wide is taken as narrow (NFM): a land-mobile channel in 150 - 174 MHz must be narrow")));
        else if (narrow < columns.size() && changed[narrow])
            problems.Add(row.number, "W/N", KV_TEXT("Messages", "a land-mobile channel in 150 - 174 MHz must be narrow"));
        ch.Narrow = true;
    }

    // The channel a marine "CH" cell names ("16", "1A", "1019"): the group
    // plan's channel when the plan has it, else a channel of the channel
    // table as the Add panel makes it (prefix "10" or "20", suffix A or B).
    std::optional<ChannelRecord> MarineChannelOf(const TextRow& row) {
        const std::string text = Upper(Trim(CellOf(row, "CH")));
        const size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
        const std::string suffix = text.substr(digits);
        const int number = digits > 0 && digits <= 4 ? std::stoi(text.substr(0, digits)) : -1;
        const int prefix = number >= 1000 ? number / 100 : 0;
        MarinePanel panel;
        panel.baseCh = prefix ? number % 100 : number;
        panel.power = PanelPower::High;
        panel.statusNo = prefix / 10;
        panel.statusIcon = suffix.empty() ? 0 : suffix == "A" ? 1 : suffix == "B" ? 2 : -1;
        const bool inTable = number >= 0 && panel.baseCh < kMarineFrequencyCount && (prefix == 0 || prefix == 10 || prefix == 20) &&
                             panel.statusIcon >= 0;
        if (!inTable) {
            problems.Add(row.number, "CH", AdviceText(Advice::CsvNoMarineChannel, {Quoted(Trim(CellOf(row, "CH")))}));
            return std::nullopt;
        }
        char designation[16];
        std::snprintf(designation, sizeof designation, "%02d%s", number, suffix.c_str());
        if (std::optional<ChannelRecord> plan = PlanChannel(MarineGroupOf(list), designation)) return plan;
        ChannelRecord ch = EmptyMarineSlot(0);
        WritePanel(panel, ch);
        return ch;
    }

    // A marine row: a listed channel at the same place keeps what the row
    // does not show; another channel starts from its plan entry.
    std::optional<ChannelRecord> MarineRow(const TextRow& row, const ChannelRecord* atPlace) {
        const std::optional<ChannelRecord> plan = MarineChannelOf(row);
        if (!plan) return std::nullopt;
        const bool same = atPlace && atPlace->Enable && MarineChannelLabel(*atPlace) == MarineChannelLabel(*plan);
        ChannelRecord ch = Apply(row, same ? *atPlace : *plan, 0);
        if (const auto kept = KeepReceiveOnly(MarineGroupOf(list), ch))
            problems.Add(row.number, "SIMP/DUP", KeptReceiveOnlyText(*kept));
        return ch;
    }

    // The rows after the header (required: an import) or an optional header
    // (a paste). Empty cells past the last column (a spreadsheet pads rows to
    // its widest) go.
    std::vector<const TextRow*> DataRows(DelimitedText& text, bool import) {
        std::vector<TextRow*> rows;
        for (TextRow& row : text.rows) rows.push_back(&row);
        if (rows.empty()) {
            if (import) problems.Add(1, "1", KV_TEXT("Messages", "the header row is missing"));
            return {};
        }
        TextRow header = *rows.front();
        while (header.cells.size() > 1 && Trim(header.cells.back()).empty()) header.cells.pop_back();
        if (TakeHeader(header, import)) {
            rows.erase(rows.begin());
        } else if (import) {
            if (std::any_of(header.cells.begin(), header.cells.end(), [&](const std::string& cell) { return NamedColumn(columns, cell); }))
                CheckHeader(header);
            else
                problems.Add(header.number, "1",
                             AdviceText(Advice::CsvNoHeader, {ChannelListName(list), columns[0]->title, columns[1]->title}));
            rows.erase(rows.begin());
        }
        if (Generic() && !LayoutHoldsList(CsvLayout::Generic, list)) return {};
        const size_t width = CellColumns().size();
        std::vector<const TextRow*> data;
        for (TextRow* row : rows) {
            while (row->cells.size() > width && Trim(row->cells.back()).empty()) row->cells.pop_back();
            if (HasShape(*row)) data.push_back(row);
        }
        if (const Column* power = FindColumn(Family::Generic, "Power"); Generic())
            for (const TextRow* row : data)
                if (const auto level = PowerLevel(Trim(CellText(*power, CellOf(*row, "Power"), separator))); level && *level != LLONG_MAX)
                    topWatts = std::max(topWatts, *level);
        return data;
    }

    ChannelChange Result(RadioSettings settings) {
        CheckKept(settings);
        if (problems.Any()) return {std::nullopt, problems.Take(), {}, 0};
        return {std::move(settings), {}, std::move(notes), taken};
    }
};

std::span<ChannelRecord> FixedRecords(RadioSettings& s, ChannelList list) {
    if (list == ChannelList::Wx) return s.CHWX;
    if (list == ChannelList::Rg) return s.CHRG;
    return s.CHEXP;
}

std::string TooMany(int most) { return AdviceText(Advice::CsvTooMany, {std::to_string(most)}); }

// The slots an imported marine list of n rows takes: those of the listed
// channels, in order, then the free slots after the last of them; a list that
// does not fit so is packed from the first slot.
std::vector<int> MarinePlaces(const MarineGroup& old, size_t n) {
    std::vector<int> places = ListedRecords(old);
    if (places.size() >= n) {
        places.resize(n);
        return places;
    }
    for (int slot = places.empty() ? 0 : places.back() + 1; places.size() < n && slot < kMarineSlots; ++slot)
        places.push_back(slot);
    if (places.size() < n)
        for (size_t i = 0; i < n; ++i) places[i] = static_cast<int>(i);
    return places;
}

// The group's priority follows its channel into the imported rows (the row
// at its old place when that names it, else the first that does); a list
// without that channel turns the priority "Off", and says so. A value that
// named no channel does not come to name one.
void FollowPriority(ListReader& r, RadioSettings& settings, int group) {
    int32_t& priority = settings.UsableGroups[static_cast<size_t>(group)].PriorityCh;
    const int before = priority;
    RadioSession after = r.session;
    after.settings = settings;
    const std::vector<ListEntry> oldEntries = PriorityEntries(r.session, group), newEntries = PriorityEntries(after, group);
    const int position = EntryPosition(oldEntries, before);
    const std::string list = ChannelListName(r.list);
    if (position == 0) {
        if (before == kNoPriority || EntryPosition(newEntries, before) == 0) return;
        priority = kNoPriority;
        r.notes.push_back(AdviceText(Advice::CsvPriorityNone, {list}));
        return;
    }
    const MarineGroup& oldSlots = r.session.settings.Marine(group);
    const std::string label = MarineChannelLabel(oldSlots[static_cast<size_t>(RecordOfRow(oldSlots, position - 1))]);
    const MarineGroup& slots = settings.Marine(group);
    const std::vector<int> listed = ListedRecords(slots);
    std::optional<size_t> row;
    for (size_t j = 0; j < listed.size(); ++j)
        if (MarineChannelLabel(slots[static_cast<size_t>(listed[j])]) == label && (!row || j == static_cast<size_t>(position - 1)))
            row = j;
    priority = row ? newEntries[*row + 1].value : kNoPriority;
    if (!row) r.notes.push_back(AdviceText(Advice::CsvPriorityGone, {list, label}));
}

ChannelChange ImportMarine(ListReader& r, const std::vector<const TextRow*>& rows) {
    const int group = MarineGroupOf(r.list);
    RadioSettings settings = r.session.settings;
    const MarineGroup& old = r.session.settings.Marine(group);
    MarineGroup& slots = settings.Marine(group);
    if (rows.empty() && !r.Generic()) r.problems.Add(2, "CH", KV_TEXT("Messages", "a marine list keeps at least one channel"));
    if (rows.size() > static_cast<size_t>(kMaxMarineRows)) r.problems.Add(rows[kMaxMarineRows]->number, "CH", TooMany(kMaxMarineRows));
    const std::vector<int> listed = ListedRecords(old);
    const std::vector<int> places = MarinePlaces(old, std::min(rows.size(), static_cast<size_t>(kMaxMarineRows)));
    std::vector<bool> taken(slots.size(), false);
    for (size_t i = 0; i < places.size(); ++i) {
        const size_t slot = static_cast<size_t>(places[i]);
        const ChannelRecord* atPlace = i < listed.size() ? &old[static_cast<size_t>(listed[i])] : nullptr;
        if (const auto ch = r.MarineRow(*rows[i], atPlace)) {
            slots[slot] = *ch;
            slots[slot].Position = old[slot].Position;
            r.Placed(static_cast<int>(i));
        }
        taken[slot] = true;
    }
    // Channels no row took leave free slots; disabled records stay as they were.
    for (size_t i = 0; i < slots.size(); ++i)
        if (old[i].Enable && !taken[i]) slots[i] = EmptyMarineSlot(old[i].Position);
    FollowPriority(r, settings, group);
    return r.Result(std::move(settings));
}

ChannelChange ImportFixed(ListReader& r, const std::vector<const TextRow*>& rows) {
    RadioSettings settings = r.session.settings;
    const std::span<ChannelRecord> records = FixedRecords(settings, r.list);
    std::vector<int> placedBy(records.size(), 0);
    for (const TextRow* row : rows) {
        const std::string_view text = Trim(r.CellOf(*row, r.NumberTitle()));
        const bool numeric = !text.empty() && text.size() <= 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int number = numeric ? std::stoi(std::string(text)) : 0;
        if (number < 1 || number > static_cast<int>(records.size())) {
            r.problems.Add(row->number, r.NumberTitle(),
                           AdviceText(Advice::CsvNoChannel, {Quoted(text), ChannelListName(r.list), std::to_string(records.size())}));
            continue;
        }
        int& placed = placedBy[static_cast<size_t>(number - 1)];
        if (placed) {
            r.problems.Add(row->number, r.NumberTitle(), AdviceText(Advice::CsvChannelTwice, {std::to_string(number), std::to_string(placed)}));
            continue;
        }
        placed = row->number;
        ChannelRecord& ch = records[static_cast<size_t>(number - 1)];
        ch = r.Take(*row, ch, number);
        r.Placed(number - 1);
    }
    return r.Result(std::move(settings));
}

}  // namespace

// ---- the lists ------------------------------------------------------------------------

namespace {
struct ListName {
    ChannelList list;
    const char* key;
    const char* name;
};
constexpr ListName kListNames[] = {
    {ChannelList::Usa, "usa", "USA"}, {ChannelList::Intl, "intl", "INTL"}, {ChannelList::Can, "can", "CANADA"},
    {ChannelList::Wx, "wx", "WX"},    {ChannelList::Rg, "rg", "RG"},       {ChannelList::Lmr, "lmr", "LMR"},
    {ChannelList::Exp, "exp", "EXP"},
};
}  // namespace

std::optional<ChannelList> ParseChannelList(std::string_view name) {
    for (const ListName& entry : kListNames)
        if (Upper(name) == Upper(entry.key)) return entry.list;
    return std::nullopt;
}

std::string ChannelListName(ChannelList list) {
    for (const ListName& entry : kListNames)
        if (entry.list == list) return entry.name;
    return "";
}

bool ModelHasList(int model, ChannelList list) { return list != ChannelList::Wx || TraitsOf(model).weather; }

std::optional<ChannelList> ListOfScreen(ScreenKind kind, int group) {
    switch (kind) {
        case ScreenKind::MarineGrid:
        case ScreenKind::MarineChannel:
            return group == kIntlGroup ? ChannelList::Intl : group == kCanGroup ? ChannelList::Can : ChannelList::Usa;
        case ScreenKind::WeatherGrid: return ChannelList::Wx;
        case ScreenKind::RgGrid:
        case ScreenKind::RgChannel: return ChannelList::Rg;
        case ScreenKind::LmrGrid:
        case ScreenKind::LmrChannel: return ChannelList::Lmr;
        case ScreenKind::ExpGrid:
        case ScreenKind::ExpChannel: return ChannelList::Exp;
        default: return std::nullopt;
    }
}

bool LayoutHoldsList(CsvLayout layout, ChannelList list) {
    return layout == CsvLayout::Kvprog || FamilyOf(list) == Family::Expansion;
}

char ListSeparatorFor(char decimalPoint) { return decimalPoint == ',' ? ';' : ','; }

std::vector<std::string> CsvColumns(int model, ChannelList list, CsvLayout layout) {
    std::vector<std::string> titles;
    for (const Column* column : ListColumns(model, list, layout)) titles.emplace_back(column->title);
    return titles;
}

namespace {
// The rows of a list (only some of them, by their rows, when `only` is given).
std::vector<std::vector<std::string>> ListRows(const RadioSession& s, ChannelList list, const std::vector<int>* only,
                                               CsvFormat format = {}) {
    const std::vector<const Column*> columns = ListColumns(s.model, list, format.layout);
    ListContext context{s.model, list, {}, 0};
    const std::span<const ChannelRecord> records = ListRecords(s.settings, list);
    const std::vector<int> shown = ExportedRecords(s, list, format.layout);
    std::vector<std::vector<std::string>> rows;
    for (size_t row = 0; row < shown.size(); ++row) {
        if (only && std::find(only->begin(), only->end(), static_cast<int>(row)) == only->end()) continue;
        context.number = shown[row] + 1;
        rows.push_back(RowCells(columns, records[static_cast<size_t>(shown[row])], context, format.separator));
    }
    return rows;
}
}  // namespace

int ChannelRowCount(const RadioSession& s, ChannelList list, CsvLayout layout) {
    return static_cast<int>(ExportedRecords(s, list, layout).size());
}

std::string ExportChannelsCsv(const RadioSession& s, ChannelList list, CsvFormat format) {
    std::string text = WriteDelimitedRow(CsvColumns(s.model, list, format.layout), format.separator, "\r\n");
    for (const auto& row : ListRows(s, list, nullptr, format)) text += WriteDelimitedRow(row, format.separator, "\r\n");
    return text;
}

namespace {
// `source` names the text in a refusal of it as a whole ("PATH: "). The
// header's separator is the file's.
ChannelChange ImportCsvText(const RadioSession& s, ChannelList list, std::string_view csv, const std::string& source) {
    const char separator = HeaderSeparator(csv);
    if (!separator)
        return {std::nullopt, {source + KV_TEXT("Messages", "row 1: the header mixes \",\" and \";\" as separators")}, {}, 0};
    DelimitedText text = ReadDelimited(csv, separator);
    if (!text.error.empty()) return {std::nullopt, {source + text.error}, {}, 0};
    ListReader reader(s, list, separator);
    const std::vector<const TextRow*> rows = reader.DataRows(text, true);
    return FamilyOf(list) == Family::Marine ? ImportMarine(reader, rows) : ImportFixed(reader, rows);
}
}  // namespace

ChannelChange ImportChannelsCsv(const RadioSession& s, ChannelList list, std::string_view csv) {
    return ImportCsvText(s, list, csv, "");
}

ChannelChange ImportChannelsCsvFile(const RadioSession& s, ChannelList list, const std::filesystem::path& path) {
    const FileBytes file = ReadFileBytes(path, kLargestDelimitedText);
    if (!file.ok) return {std::nullopt, {file.error}, {}, 0};
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    return ImportCsvText(s, list, text, path.string() + ": ");
}

std::string ExportChannelsCsvFile(const RadioSession& s, ChannelList list, const std::filesystem::path& path, CsvFormat format) {
    const std::string text = ExportChannelsCsv(s, list, format);
    return WriteFileAtomically(path, text.data(), text.size());
}

std::string SuggestedCsvName(const std::filesystem::path& currentFile, ChannelList list) {
    std::string name;
    for (const ListName& entry : kListNames)
        if (entry.list == list) name = entry.key;
    const std::string stem = currentFile.stem().string();
    return (stem.empty() ? "" : stem + "-") + name + ".csv";
}

std::string CopyChannelRows(const RadioSession& s, ChannelList list, const std::vector<int>& rows) {
    std::string text;
    for (const auto& row : ListRows(s, list, &rows)) text += WriteDelimitedRow(row, '\t', "\n");
    return text;
}

ChannelChange PasteChannelRows(const RadioSession& s, ChannelList list, int selected, std::string_view tsv) {
    DelimitedText text = ReadDelimited(tsv, '\t');
    if (!text.error.empty()) return {std::nullopt, {text.error}, {}, 0};
    ListReader reader(s, list, '\t');
    const std::vector<const TextRow*> rows = reader.DataRows(text, false);
    RadioSettings settings = s.settings;
    if (FamilyOf(list) == Family::Marine) {
        const int group = MarineGroupOf(list);
        const int room = kMaxMarineRows - ListedChannelCount(s.settings.Marine(group));
        int row = selected;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (static_cast<int>(i) >= room) {
                reader.problems.Add(rows[i]->number, "CH", TooMany(kMaxMarineRows));
                break;
            }
            const auto ch = reader.MarineRow(*rows[i], nullptr);
            if (!ch) continue;
            row = InsertMarineRow(settings, group, row, *ch);
            reader.Placed(row);
        }
        return reader.Result(std::move(settings));
    }
    const std::span<ChannelRecord> records = FixedRecords(settings, list);
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t at = static_cast<size_t>(std::max(selected, 0)) + i;
        if (at >= records.size()) {
            reader.problems.Add(rows[i]->number, "CH", TooMany(static_cast<int>(records.size())));
            break;
        }
        records[at] = reader.Take(*rows[i], records[at], static_cast<int>(at) + 1);
        reader.Placed(static_cast<int>(at));
    }
    return reader.Result(std::move(settings));
}

Message ChannelProblemsMessage(std::string_view what, const std::vector<std::string>& problems) {
    constexpr size_t kShown = 20;
    std::string text(what);
    for (size_t i = 0; i < problems.size() && i < kShown; ++i) text += "\r\n" + problems[i];
    if (problems.size() > kShown) text += "\r\n" + AdviceText(Advice::AndMore, {std::to_string(problems.size() - kShown)});
    return {text, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok};
}

Message ChannelsTakenMessage(ChannelList list, int channels, ChannelsTaken how, const std::filesystem::path& path,
                             const std::vector<std::string>& notes) {
    const bool one = channels == 1, exported = how == ChannelsTaken::Exported;
    using enum Advice;
    const Advice said = exported ? (one ? ExportedOne : Exported) : (one ? ImportedOne : Imported);
    Message taken =
        ChannelProblemsMessage(AdviceMainText(said, {std::to_string(channels), ChannelListName(list), path.string()}), notes);
    taken.icon = MessageIcon::Information;
    return taken;
}

Message NoChannelListMessage(CsvLayout layout) {
    return {layout == CsvLayout::Generic
                ? KV_TEXT("Messages", "Select a channel list (RG, LMR or EXP) first.")
                : KV_TEXT("Messages", "Select a channel list (USA, INTL, CANADA, Weather, RG, LMR or EXP) first."),
            text::kWindowTitle, MessageIcon::Information, Buttons::Ok};
}

Message ChannelChangesQuestion(ChannelList list, int channels, const std::filesystem::path& path,
                               const std::vector<std::string>& notes) {
    Message ask = ChannelProblemsMessage(
        AdviceMainText(channels == 1 ? Advice::ChangesOne : Advice::Changes,
                       {std::to_string(channels), ChannelListName(list), path.string()}),
        notes);
    ask.text += "\r\n\r\n" + std::string(KV_TEXT("Messages", "Import them?"));
    ask.icon = MessageIcon::Question;
    ask.buttons = Buttons::OkCancel;
    return ask;
}

std::optional<RadioSettings> DeleteMarineRows(const RadioSession& s, int group, const std::vector<int>& rows) {
    RadioSettings settings = s.settings;
    std::vector<int> records;
    for (const int row : rows)
        if (const int record = RecordOfRow(s.settings.Marine(group), row); record >= 0) records.push_back(record);
    std::sort(records.rbegin(), records.rend());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    bool deleted = false;
    for (const int record : records) {
        if (!DeleteMarineChannel(settings.Marine(group), record)) continue;
        int32_t& priority = settings.UsableGroups[static_cast<size_t>(group)].PriorityCh;
        priority = PriorityAfterDelete(priority, record);
        deleted = true;
    }
    if (!deleted) return std::nullopt;
    return settings;
}

std::optional<Message> PriorityDeletedMessage(const RadioSession& before, int group, const RadioSettings& after) {
    const int priority = before.settings.UsableGroups[static_cast<size_t>(group)].PriorityCh;
    const int record = MarineRecordOf(priority);
    if (record < 0 || after.UsableGroups[static_cast<size_t>(group)].PriorityCh != kNoPriority) return std::nullopt;
    const std::string label = MarineChannelLabel(before.settings.Marine(group)[static_cast<size_t>(record)]);
    return Advised(Advice::PriorityDeleted, text::kProductWord, MessageIcon::Information, Buttons::Ok,
                   {label, ChannelListName(static_cast<ChannelList>(group))});
}

}  // namespace kv
