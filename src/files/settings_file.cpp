// Writing and reading the settings file. Keys, their order and their value
// forms are fixed: other copies of this program read the files we write.
#include "files/settings_file.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

#include "files/file_io.h"
#include "image/codec.h"
#include "model/tones.h"
#include "util/texts.h"

namespace kv {
namespace {

constexpr const char* kMarineSections[3] = {"CHUSA", "CHINT", "CHCAN"};
constexpr const char* kGroupKeys[3] = {"USA", "INTL", "Canada"};

std::string Spaced(const std::string& key, int index) { return key + " " + std::to_string(index); }
std::string Bare(const std::string& key, int index) { return key + std::to_string(index); }

// ---- Writing -----------------------------------------------------------------

class Writer {
public:
    void Section(const std::string& name) { Line("[" + name + "]"); }
    void Flag(const std::string& key, bool value) { Line(key + "=" + (value ? "1" : "0")); }
    void Int(const std::string& key, long value) { Line(key + "=" + std::to_string(value)); }
    void Marked(const std::string& key, const std::string& text) { Line(key + "=#" + text); }
    void Plain(const std::string& key, const std::string& text) { Line(key + "=" + text); }
    void Frequency(const std::string& key, double mhz) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, mhz, std::chars_format::general, 15).ptr;
        Line(key + "=" + std::string(digits, end));
    }
    void HexByte(const std::string& key, uint8_t value) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        Line(key + "=&H" + kHex[value >> 4] + kHex[value & 0x0F]);
    }
    std::string text;

private:
    void Line(const std::string& line) { text += line + "\r\n"; }
};

void WriteMain(Writer& w, const RadioSession& s) {
    w.Section("MAIN");
    w.Marked("MODEL", s.ModelName());
    w.Marked("TYPE", "TWS");
    w.Marked("VERSION", "2.00");
    w.Int("MODELTYPE", s.model);
    w.Flag("SEL1", s.Sel1());
    w.Flag("SEL2", s.Sel2());
    if (s.traits().region) w.Int("REGION", s.region);
}

void WriteUsableGroups(Writer& w, const RadioSession& s) {
    const auto& groups = s.settings.UsableGroups;
    w.Section("Usable CH Group Setup");
    for (int g = 0; g < 3; ++g) w.Flag(kGroupKeys[g], groups[g].Enable);
    w.Flag("LMR CH", groups[kLmrGroup].Enable);
    w.Flag("EXP CH", groups[kExpGroup].Enable);
    for (int k = 0; k <= kLmrGroup; ++k) w.Flag(Spaced("TX TOT", k), groups[k].TxTot);
    for (int g = 0; g < 3; ++g) {
        const std::string priority = Spaced("Priority CH", g);
        w.Int(priority, groups[g].PriorityCh);
        int written = 0;
        for (int j = 0; j < map::kChannelListSlots; ++j) {
            const int slot = ReadWordLE(s.image, map::ChannelListSlot(g, j));
            if (slot < kMemoryIndexEnd) w.Int(Spaced(priority + "-Cmb", ++written), slot);
        }
        w.Int(priority + "Backup", groups[g].Backup);
    }
    for (int k = 0; k <= kLmrGroup; ++k) w.Flag(Spaced("Status Icon", k), groups[k].StatusIcon);
    if (HasNames(s.model))
        for (int k = 0; k <= kLmrGroup; ++k) w.Plain(Spaced("Status name", k), groups[k].StatusName);
}

void WriteCommon(Writer& w, const CommonSetup& c) {
    w.Section("Common Setup");
    w.Int("TX Po Display", c.TxPoDisplay);
    w.Int("Last TX Power", c.LastTxPower);
    w.Int("Last CH Group", c.LastChGroup);
    w.Int("SQL", c.SQL);
    w.Int("Last Display CH", c.LastDisplayCh);
    w.Int("Marine_LMR CH", c.MarineLmrCh);
    w.Flag("SCAN", c.SCAN);
    w.Int("Resume Time", c.ResumeTime);
    w.Flag("PTT SCAN Clear", c.PttScanClear);
    w.Flag("Dual Watch", c.DualWatch);
    w.Int("Offset Time", c.OffsetTime);
    w.Int("Magnetic Variation", c.MagneticVariation);
    w.Int("Weater", c.Weater);
}

void WriteAtis(Writer& w, const RadioSession& s) {
    const AtisSetup& a = s.settings.Atis;
    w.Section("ATIS Setup (Common)");
    for (int k = 0; k < 4; ++k) w.Flag(Bare("Usable ATIS CH Group", k), a.UsableAtisChGroup[k]);
    w.Marked("Atis Code", a.AtisCode);
    if (s.traits().callSigns)
        for (int k = 0; k < 4; ++k) w.Flag(Bare("Usable ATIS Kikker CH Group", k), a.UsableAtisKillerChGroup[k]);
}

void WriteMarine(Writer& w, const RadioSession& s) {
    for (int g = 0; g < 3; ++g)
        for (int n = 0; n < kMarineSlots; ++n) {
            const ChannelRecord& ch = s.settings.Marine(g)[n];
            w.Section(Bare(kMarineSections[g], n));
            w.Int("Position", ch.Position);
            w.Flag("Enable", ch.Enable);
            w.Flag("LowPower", ch.LowPower);
            w.Int("TXPower", ch.TXPower);
            w.Flag("PowUp", ch.PowUp);
            w.Int("Duplex", ch.Duplex);
            w.Flag("TxEnable", ch.TxEnable);
            w.Flag("DispayA", ch.DispayA);
            w.Flag("ScanMemory", ch.ScanMemory);
            if (HasNames(s.model)) {
                w.Int("Scramble", ch.Scramble);
                w.Marked("ChTag", ch.ChTag);
            }
            w.Plain("StatusIcon", ch.StatusIcon);
            w.Plain("StatusNo", ch.StatusNo);
            w.Int("BaseCh", ch.BaseCh);
        }
}

void WriteWeather(Writer& w, const RadioSettings& r) {
    for (int n = 0; n < kWeatherChannels; ++n) {
        w.Section(Bare("CHWX", n));
        w.Flag("Enable", r.CHWX[n].Enable);
        w.Flag("ScanMemory", r.CHWX[n].ScanMemory);
        w.Marked("ChTag", r.CHWX[n].ChTag);
    }
}

void WriteLandMobile(Writer& w, const RadioSession& s, const std::string& prefix, int n, const ChannelRecord& ch,
                     bool enable) {
    w.Section(Bare(prefix, n));
    w.Flag("Enable", enable);
    w.Flag("LMR EXP", ch.LmrExp);
    w.Plain("CHDisplayL", ch.CHDisplayL);
    w.Plain("CHDisplayR", ch.CHDisplayR);
    w.Frequency("Rxfreq", ch.Rxfreq);
    w.Frequency("Txfreq", ch.Txfreq);
    w.Flag("LowPower", ch.LowPower);
    w.Int("TXPower", ch.TXPower);
    w.Flag("PowUp", ch.PowUp);
    w.Flag("ScanMemory", ch.ScanMemory);
    w.Flag("ClockShift", ch.ClockShift);
    w.Flag("USA Group", !ch.UsaGroup);
    w.Flag("INT Group", !ch.IntGroup);
    w.Flag("CAN Group", !ch.CanGroup);
    if (!HasTones(s.model)) return;
    w.Int("Scramble", ch.Scramble);
    w.Marked("ChTag", ch.ChTag);
    w.Flag("Narrow", ch.Narrow);
    w.Int("TxDCS", ch.TxDCS);
    w.Int("RxDCS", ch.RxDCS);
    w.Flag("RxComp", ch.RxComp);
    w.Int("TxCTCSS", ch.TxCTCSS);
    w.Int("RxCTCSS", ch.RxCTCSS);
}

void WriteLandMobileGroups(Writer& w, const RadioSession& s) {
    const auto& groups = s.settings.UsableGroups;
    for (int n = 0; n < kExpChannels; ++n) {
        const ChannelRecord& ch = s.settings.CHEXP[n];
        WriteLandMobile(w, s, "CHEXP", n + 1, ch, ch.Enable && groups[ch.LmrExp ? kLmrGroup : kExpGroup].Enable);
    }
    // RG channels are no member of the LMR or EXP group: their flag is their own.
    for (int n = 0; n < kRgChannels; ++n) WriteLandMobile(w, s, "CHRG", n + 1, s.settings.CHRG[n], s.settings.CHRG[n].Enable);
}

void WriteDirectories(Writer& w, const RadioSettings& r) {
    const auto write = [&](const char* prefix, std::span<const DirectoryEntry> entries) {
        for (size_t i = 0; i < entries.size(); ++i) {
            w.Section(Bare(prefix, static_cast<int>(i) + 1));
            w.Flag("Enable", entries[i].Enable);
            w.Marked("TagName", entries[i].TagName);  // the mark keeps leading spaces
            w.Plain("Mmsid", entries[i].Mmsid);
        }
    };
    write("CHMMSID", r.CHMMSID);
    write("CHGRPID", r.CHGRPID);
}

void WritePresetBytes(Writer& w, const RadioImage& image) {
    w.Section("PRISETCH");
    for (int i = 0; i < map::PresetBytes.length; ++i) w.HexByte(Bare("A", i), image[map::PresetBytes.address + i]);
}

// ---- Reading -----------------------------------------------------------------

// A parsed file being applied, and the values it held that their fields
// cannot take: each leaves its field as it was and is told about once.
struct Reading {
    const SettingsTable& table;
    std::vector<std::string> warnings;

    const std::string* Find(std::string_view section, std::string_view key) const { return table.Find(section, key); }
    std::string LookupValue(std::string_view section, std::string_view key) const {
        return table.LookupValue(section, key);
    }
    size_t sectionCount() const { return table.sectionCount(); }
    void OutOfRange(std::string_view section, std::string_view key, const std::string& value, long lo, long hi) {
        warnings.push_back("[" + std::string(section) + "] " + std::string(key) + "=" + value + ": outside " +
                           std::to_string(lo) + ".." + std::to_string(hi) + ", left as it was");
    }
};


// A decimal number, whole: sign, digits, an optional fraction and exponent.
std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    double value = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A whole number that fits T (rounded half to even, as the classic
// conversion does); anything else leaves the field as it was.
template <class T>
bool ReadInteger(Reading& t, std::string_view section, std::string_view key, T& field,
                 long lo = std::numeric_limits<T>::min(), long hi = std::numeric_limits<T>::max()) {
    const std::string* text = t.Find(section, key);
    const auto value = text ? Number(*text) : std::nullopt;
    if (!value) return false;
    const double whole = std::nearbyint(*value);
    if (whole < static_cast<double>(lo) || whole > static_cast<double>(hi)) {
        t.OutOfRange(section, key, *text, lo, hi);
        return false;
    }
    field = static_cast<T>(whole);
    return true;
}

void ReadFlag(Reading& t, std::string_view section, std::string_view key, bool& field) {
    const std::string* text = t.Find(section, key);
    if (const auto value = text ? Number(*text) : std::nullopt) field = *value != 0;
}

// The largest value a field of the image holds.
constexpr long Top(const Bits& bits) { return (1L << bits.width) - 1; }
constexpr long kWordTop = 0xFFFF;

// A number the radio keeps in a field of `bits`; values past it stay out.
template <class T>
void ReadField(Reading& t, std::string_view section, std::string_view key, T& field, const Bits& bits) {
    ReadInteger(t, section, key, field, 0, Top(bits));
}

void ReadFrequency(Reading& t, std::string_view section, std::string_view key, double& field) {
    const std::string* text = t.Find(section, key);
    if (const auto value = text ? Number(*text) : std::nullopt) field = *value;
}

void ReadText(Reading& t, std::string_view section, std::string_view key, std::string& field) {
    field = t.LookupValue(section, key);
}

// "&H1F" or "31": the leading number of the text; 0 when there is none.
long NumericPrefix(const std::string& text) {
    long value = 0;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    } else {
        const char* begin = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
        std::from_chars(begin, text.data() + text.size(), value, 10);
    }
    return value;
}

void ApplyUsableGroups(RadioSession& s, Reading& t) {
    const std::string_view section = "Usable CH Group Setup";
    auto& groups = s.settings.UsableGroups;
    for (int g = 0; g < 3; ++g) ReadFlag(t, section, kGroupKeys[g], groups[g].Enable);
    // The land-mobile flags come back too: without them the channels of a
    // group that the defaults leave off would be programmed disabled.
    ReadFlag(t, section, "LMR CH", groups[kLmrGroup].Enable);
    ReadFlag(t, section, "EXP CH", groups[kExpGroup].Enable);
    for (int k = 0; k <= kLmrGroup; ++k) ReadFlag(t, section, Spaced("TX TOT", k), groups[k].TxTot);
    for (int g = 0; g < 3; ++g) {
        const std::string priority = Spaced("Priority CH", g);
        ReadInteger(t, section, priority, groups[g].PriorityCh, -1, kWordTop);  // -1: none
        for (int j = 0; j < map::kChannelListSlots; ++j) {
            long slot = -1;
            ReadInteger(t, section, Spaced(priority + "-Cmb", j + 1), slot, 0, 0xFFFF);
            const int address = map::ChannelListSlot(g, j);
            s.image[address] = static_cast<uint8_t>(slot < 0 ? 0xFF : slot & 0xFF);
            s.image[address + 1] = static_cast<uint8_t>(slot < 0 ? 0xFF : slot >> 8);
        }
        ReadInteger(t, section, priority + "Backup", groups[g].Backup, 0, 255);
    }
    for (int k = 0; k <= kLmrGroup; ++k) ReadFlag(t, section, Spaced("Status Icon", k), groups[k].StatusIcon);
    if (HasNames(s.model))
        for (int k = 0; k <= kLmrGroup; ++k) ReadText(t, section, Spaced("Status name", k), groups[k].StatusName);
}

void ApplyCommon(CommonSetup& c, Reading& t) {
    const std::string_view section = "Common Setup";
    ReadField(t, section, "TX Po Display", c.TxPoDisplay, map::TxPoDisplay);
    ReadField(t, section, "Last TX Power", c.LastTxPower, map::LastTxPower);
    ReadField(t, section, "Last CH Group", c.LastChGroup, map::LastChGroup);
    ReadField(t, section, "SQL", c.SQL, map::SQL);
    ReadInteger(t, section, "Last Display CH", c.LastDisplayCh, 0, kWordTop);
    ReadInteger(t, section, "Marine_LMR CH", c.MarineLmrCh, 0, kWordTop);
    ReadFlag(t, section, "SCAN", c.SCAN);
    ReadField(t, section, "Resume Time", c.ResumeTime, map::ResumeTime);
    ReadFlag(t, section, "PTT SCAN Clear", c.PttScanClear);
    ReadFlag(t, section, "Dual Watch", c.DualWatch);
    ReadInteger(t, section, "Offset Time", c.OffsetTime, 0, 24);  // -12..+12 hours
    ReadField(t, section, "Magnetic Variation", c.MagneticVariation, map::MagneticVariation);
    ReadField(t, section, "Weater", c.Weater, map::Weater);
}

void ApplyAtis(RadioSession& s, Reading& t) {
    const std::string_view section = "ATIS Setup (Common)";
    AtisSetup& a = s.settings.Atis;
    for (int k = 0; k < 4; ++k) ReadFlag(t, section, Bare("Usable ATIS CH Group", k), a.UsableAtisChGroup[k]);
    ReadText(t, section, "Atis Code", a.AtisCode);
    if (IsDscModel(s.model))
        for (int k = 0; k < 4; ++k) ReadFlag(t, section, Bare("Usable ATIS Kikker CH Group", k), a.UsableAtisKillerChGroup[k]);
}

void ApplyMarineChannel(Reading& t, const std::string& section, bool names, ChannelRecord& ch) {
    const ChannelRecord plan = ch;
    ReadFlag(t, section, "Enable", ch.Enable);
    ReadFlag(t, section, "LowPower", ch.LowPower);
    ReadField(t, section, "TXPower", ch.TXPower, map::marine::PowerCode);
    ReadFlag(t, section, "PowUp", ch.PowUp);
    ReadField(t, section, "Duplex", ch.Duplex, map::marine::Duplex);
    ReadFlag(t, section, "TxEnable", ch.TxEnable);
    // Whether a channel transmits is the channel's own, wherever the list
    // has moved it (the file keeps no TxDisabled).
    ch.TxDisabled = !ch.TxEnable;
    ReadFlag(t, section, "DispayA", ch.DispayA);
    ReadFlag(t, section, "ScanMemory", ch.ScanMemory);
    if (names) {
        ReadField(t, section, "Scramble", ch.Scramble, map::marine::Scramble);
        ReadText(t, section, "ChTag", ch.ChTag);
    }
    ReadText(t, section, "StatusIcon", ch.StatusIcon);
    ReadText(t, section, "StatusNo", ch.StatusNo);
    ReadField(t, section, "BaseCh", ch.BaseCh, map::marine::BaseCh);
    // The plan's mask decides which bits a file may change: a receive-only
    // channel keeps the plan's mode (the CMB broadcasts are heard on the
    // coast frequency, Duplex 2). It belongs to the plan's channel, so it
    // holds only while the slot still holds that channel: an insert or a
    // delete in the list moves channels to other slots.
    const bool planChannel = ch.BaseCh == plan.BaseCh && ch.StatusNo == plan.StatusNo && ch.StatusIcon == plan.StatusIcon;
    if (!planChannel) ch.DuplexMask = 0xFFFF;
    ch.Duplex = static_cast<uint8_t>((ch.Duplex & ch.DuplexMask) | (plan.Duplex & ~ch.DuplexMask));
}

// Sections prefix0, prefix1, ... until the first without a "Position".
void ApplyMarineGroup(RadioSession& s, Reading& t, int group) {
    MarineGroup& channels = s.settings.Marine(group);
    for (size_t n = 0; n <= t.sectionCount(); ++n) {
        const std::string section = Bare(kMarineSections[group], static_cast<int>(n));
        const std::string* position = t.Find(section, "Position");
        if (!position || position->empty()) return;
        int16_t p = -1;
        if (!ReadInteger(t, section, "Position", p, 0, kMarineSlots - 1)) continue;
        channels[static_cast<size_t>(p)].Position = p;
        ApplyMarineChannel(t, section, HasNames(s.model), channels[static_cast<size_t>(p)]);
    }
}

void ApplyWeather(RadioSettings& r, Reading& t) {
    for (int n = 0; n < kWeatherChannels; ++n) {
        const std::string section = Bare("CHWX", n);
        ReadFlag(t, section, "Enable", r.CHWX[n].Enable);
        ReadFlag(t, section, "ScanMemory", r.CHWX[n].ScanMemory);
        ReadText(t, section, "ChTag", r.CHWX[n].ChTag);
    }
}

void ApplyDirectory(Reading& t, const char* prefix, std::span<DirectoryEntry> entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string section = Bare(prefix, static_cast<int>(i) + 1);
        ReadFlag(t, section, "Enable", entries[i].Enable);
        ReadText(t, section, "TagName", entries[i].TagName);
        ReadText(t, section, "Mmsid", entries[i].Mmsid);
    }
}

void ApplyLandMobile(Reading& t, const std::string& section, int model, ChannelRecord& ch) {
    ReadFlag(t, section, "Enable", ch.Enable);
    ReadFlag(t, section, "LMR EXP", ch.LmrExp);
    ReadText(t, section, "CHDisplayL", ch.CHDisplayL);
    if (ch.CHDisplayL.size() == 1) ch.CHDisplayL.insert(ch.CHDisplayL.begin(), ' ');
    ReadText(t, section, "CHDisplayR", ch.CHDisplayR);
    ReadFrequency(t, section, "Rxfreq", ch.Rxfreq);
    ReadFrequency(t, section, "Txfreq", ch.Txfreq);
    ReadFlag(t, section, "LowPower", ch.LowPower);
    ReadField(t, section, "TXPower", ch.TXPower, map::lmr::PowerCode);
    ReadFlag(t, section, "PowUp", ch.PowUp);
    ReadFlag(t, section, "ScanMemory", ch.ScanMemory);
    ReadFlag(t, section, "ClockShift", ch.ClockShift);
    // The file keeps no transmit flag of these channels: the power code is it.
    ch.TxEnable = LandMobilePowerCode(ch) != 0;
    ch.UsaGroup = t.LookupValue(section, "USA Group") == "0";
    ch.IntGroup = t.LookupValue(section, "INT Group") == "0";
    ch.CanGroup = t.LookupValue(section, "CAN Group") == "0";
    if (!HasTones(model)) return;
    ReadField(t, section, "Scramble", ch.Scramble, map::lmr::Scramble);
    ReadText(t, section, "ChTag", ch.ChTag);
    ReadFlag(t, section, "Narrow", ch.Narrow);
    // DCS codes come in two modes; a CTCSS field's top value marks "no tone".
    ReadInteger(t, section, "TxDCS", ch.TxDCS, 0, 2 * kSecondDcsOffset);
    ReadInteger(t, section, "RxDCS", ch.RxDCS, 0, 2 * kSecondDcsOffset);
    ReadFlag(t, section, "RxComp", ch.RxComp);
    ReadInteger(t, section, "TxCTCSS", ch.TxCTCSS, 0, Top(map::tone::TxCtcss) - 1);
    ReadInteger(t, section, "RxCTCSS", ch.RxCTCSS, 0, Top(map::tone::TxCtcss) - 1);
}

void ApplyPresetBytes(RadioImage& image, Reading& t) {
    for (int i = 0; i < map::PresetBytes.length; ++i) {
        const long value = NumericPrefix(t.LookupValue("PRISETCH", Bare("A", i)));
        if (value >= 0 && value <= 255) image[map::PresetBytes.address + i] = static_cast<uint8_t>(value);
    }
}

Message DifferentModel() { return {"different model!!", text::kWindowTitle, MessageIcon::Critical, Buttons::Ok}; }

}  // namespace

std::string SettingsFileText(const RadioSession& s) {
    Writer w;
    WriteMain(w, s);
    WriteUsableGroups(w, s);
    WriteCommon(w, s.settings.Common);
    WriteAtis(w, s);
    WriteMarine(w, s);
    WriteWeather(w, s.settings);
    WriteLandMobileGroups(w, s);
    // The directories follow the RG sections, so DSC radios keep them.
    if (IsDscModel(s.model)) WriteDirectories(w, s.settings);
    WritePresetBytes(w, s.image);
    return std::move(w.text);
}

FileOutcome SaveSettingsFile(const RadioSession& s, const std::filesystem::path& path, ReadOnlyFiles readOnly) {
    const std::string text = SettingsFileText(s);
    const std::string error = WriteFileAtomically(path, text.data(), text.size(), readOnly);
    if (error.empty()) return {true, {}, ""};
    return {false, {{text::kFileSaveError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok}}, error};
}

int SettingsFileModel(const SettingsTable& table) {
    Reading reading{table, {}};
    int16_t model = -1;
    return ReadInteger(reading, "MAIN", "MODELTYPE", model) ? model : -1;
}

SettingsLoad ApplySettingsTable(RadioSession& s, const SettingsTable& table) {
    const int model = SettingsFileModel(table);
    if (model != s.model) {
        if (TraitsOf(model).offered) return {LoadResult::SwitchModel, model, {}, "", {}};
        return {LoadResult::OtherModel, -1, {DifferentModel()}, "", {}};
    }
    Reading t{table, {}};
    std::string sel1 = ReadProfileValue(table, "MAIN", "SEL1");
    std::string sel2 = ReadProfileValue(table, "MAIN", "SEL2");
    if (sel1 != "0" && sel1 != "1") sel1 = "1";
    if (sel2 != "0" && sel2 != "1") sel2 = "0";
    if (s.traits().region) {
        uint8_t region = s.image[map::RegionByte];
        if (ReadInteger(t, "MAIN", "REGION", region, 0, 255)) s.image[map::RegionByte] = region;
        s.region = RegionFromByte(s.model, s.image[map::RegionByte]);
    }
    ApplyUsableGroups(s, t);
    ApplyCommon(s.settings.Common, t);
    ApplyAtis(s, t);
    for (int g = 0; g < 3; ++g) ApplyMarineGroup(s, t, g);
    ApplyWeather(s.settings, t);
    ApplyDirectory(t, "CHMMSID", s.settings.CHMMSID);
    ApplyDirectory(t, "CHGRPID", s.settings.CHGRPID);
    for (int n = 0; n < kExpChannels; ++n) ApplyLandMobile(t, Bare("CHEXP", n + 1), s.model, s.settings.CHEXP[n]);
    for (int n = 0; n < kRgChannels; ++n) ApplyLandMobile(t, Bare("CHRG", n + 1), s.model, s.settings.CHRG[n]);
    ApplyPresetBytes(s.image, t);
    WriteFlag(s.image, map::Sel1, sel1 == "1");
    WriteFlag(s.image, map::Sel2, sel2 == "1");
    return {LoadResult::Loaded, s.model, {}, "", std::move(t.warnings)};
}

SettingsLoad LoadSettingsFile(RadioSession& s, const std::filesystem::path& path) {
    const FileBytes file = ReadFileBytes(path, kLargestSettingsFile);
    if (!file.ok)
        return {LoadResult::Unreadable, -1, {{text::kFileReadError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok}}, file.error, {}};
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    return ApplySettingsTable(s, SettingsTable::Parse(text));
}

}  // namespace kv
