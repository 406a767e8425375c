// Writing and reading the settings file. Keys, their order and their value
// forms are fixed: other copies of this program read the files we write.
// A record's keys, their kinds and the model types that have them are the
// rows of model/field_table.h, in the file's order; the writer and the
// reader walk the same rows. Here are the sections, the keys built from an
// index, and what the image alone holds (combination lists, preset bytes).
#include "files/settings_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

#include "files/file_io.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "model/channel_plans.h"
#include "model/field_table.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

constexpr const char* kMarineSections[3] = {"CHUSA", "CHINT", "CHCAN"};
// The usable flag of each group: USA, INTL, Canada, LMR, EXP.
constexpr std::string_view kGroupEnableKeys[5] = {"USA", "INTL", "Canada", "LMR CH", "EXP CH"};
constexpr auto& kGroupEnable = RowNamed(kGroupRows, "Enable");
constexpr auto& kTxTot = RowNamed(kGroupRows, "TX TOT");
constexpr auto& kPriority = RowNamed(kGroupRows, "Priority CH");
constexpr auto& kStatusIcon = RowNamed(kGroupRows, "Status Icon");
constexpr auto& kStatusName = RowNamed(kGroupRows, "Status name");
constexpr auto& kBackup = RowNamed(kGroupRows, "Backup");
constexpr auto& kPosition = RowNamed(kChannelRows, "Position");

// The rows a kind of section can hold, in the table's order, picked when
// compiled: a section's walk asks only these whether the model has them.
template <class Row, size_t N>
struct Placed {
    std::array<const Row*, N> rows;
    size_t place;
};

template <class Row, size_t N>
constexpr size_t CountAt(const std::array<Row, N>& rows, size_t place) {
    size_t count = 0;
    for (const Row& row : rows) count += row.kind.form != Form::Unfiled && (row.models[place] | row.alsoRead) != 0;
    return count;
}

template <const auto& Rows, size_t Place = 0>
constexpr auto RowsAt() {
    using Row = typename std::remove_cvref_t<decltype(Rows)>::value_type;
    Placed<Row, CountAt(Rows, Place)> at{{}, Place};
    size_t i = 0;
    for (const Row& row : Rows)
        if (row.kind.form != Form::Unfiled && (row.models[Place] | row.alsoRead) != 0) at.rows[i++] = &row;
    return at;
}

constexpr auto kMarine = RowsAt<kChannelRows, kMarinePlace>();
constexpr auto kWeather = RowsAt<kChannelRows, kWeatherPlace>();
constexpr auto kLandMobile = RowsAt<kChannelRows, kLandMobilePlace>();
constexpr auto kCommon = RowsAt<kCommonRows>();
constexpr auto kAtis = RowsAt<kAtisRows>();
constexpr auto kDirectory = RowsAt<kDirectoryRows>();
// A marine section's first key is its position, which places the section
// before the rest of it is read.
static_assert(kMarine.rows[0] == &kPosition);

std::string Spaced(std::string_view key, int index) {
    std::string spaced(key);
    spaced += ' ';
    spaced += std::to_string(index);
    return spaced;
}
std::string Bare(std::string_view key, int index) {
    std::string bare(key);
    bare += std::to_string(index);
    return bare;
}

// ---- Writing -----------------------------------------------------------------

class Writer {
public:
    void Section(std::string_view name) {
        text += '[';
        text += name;
        text += "]\r\n";
    }
    void Flag(std::string_view key, bool value) { Line(key, value ? "1" : "0"); }
    void Int(std::string_view key, long value) { Line(key, std::to_string(value)); }
    void Marked(std::string_view key, std::string_view value) { Line(key, "#", value); }
    void Plain(std::string_view key, std::string_view value) { Line(key, value); }
    void Frequency(std::string_view key, double mhz) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, mhz, std::chars_format::general, 15).ptr;
        Line(key, std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    void HexByte(std::string_view key, uint8_t value) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const char digits[] = {'&', 'H', kHex[value >> 4], kHex[value & 0x0F]};
        Line(key, std::string_view(digits, sizeof digits));
    }
    std::string text;

private:
    void Line(std::string_view key, std::string_view value, std::string_view more = {}) {
        text += key;
        text += '=';
        text += value;
        text += more;
        text += "\r\n";
    }
};

// One value under key in its kind's form; a row of flags is one key per
// flag, the key and a bare index.
template <class T>
void WriteValue(Writer& w, std::string_view key, const Kind& kind, const T& value) {
    if constexpr (IsBoolArray<T>::value) {
        for (size_t i = 0; i < value.size(); ++i) WriteValue(w, Bare(key, static_cast<int>(i)), kind, value[i]);
    } else if constexpr (std::is_same_v<T, bool>) {
        w.Flag(key, kind.form == Form::Inverted ? !value : value);
    } else if constexpr (std::is_same_v<T, double>) {
        w.Frequency(key, value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (kind.form == Form::Marked) w.Marked(key, value);
        else w.Plain(key, value);
    } else {
        w.Int(key, value);
    }
}

template <class R, size_t P>
void WriteField(Writer& w, const FieldRow<R, P>& row, std::string_view key, const R& record) {
    std::visit([&](auto member) { WriteValue(w, key, row.kind, record.*member); }, row.member);
}

// Every field of a record that the model's file has at this place, in the table's order.
template <class Row, size_t N, class R>
void WriteRecord(Writer& w, const Placed<Row, N>& at, int model, const R& record) {
    for (const Row* row : at.rows)
        if (row->Written(at.place, model)) WriteField(w, *row, row->key, record);
}

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
    for (int g = 0; g <= kExpGroup; ++g) WriteField(w, kGroupEnable, kGroupEnableKeys[g], groups[g]);
    for (int k = 0; k <= kLmrGroup; ++k) WriteField(w, kTxTot, Spaced(kTxTot.key, k), groups[k]);
    for (int g = 0; g < 3; ++g) {
        const std::string priority = Spaced(kPriority.key, g);
        WriteField(w, kPriority, priority, groups[g]);
        int written = 0;
        for (int j = 0; j < map::kChannelListSlots; ++j) {
            const int slot = ReadWordLE(s.image, map::ChannelListSlot(g, j));
            if (slot < kMemoryIndexEnd) w.Int(Spaced(priority + "-Cmb", ++written), slot);
        }
        WriteField(w, kBackup, priority + std::string(kBackup.key), groups[g]);
    }
    for (int k = 0; k <= kLmrGroup; ++k) WriteField(w, kStatusIcon, Spaced(kStatusIcon.key, k), groups[k]);
    if (kStatusName.Written(0, s.model))
        for (int k = 0; k <= kLmrGroup; ++k) WriteField(w, kStatusName, Spaced(kStatusName.key, k), groups[k]);
}

void WriteMarine(Writer& w, const RadioSession& s) {
    for (int g = 0; g < 3; ++g)
        for (int n = 0; n < kMarineSlots; ++n) {
            w.Section(Bare(kMarineSections[g], n));
            WriteRecord(w, kMarine, s.model, s.settings.Marine(g)[n]);
        }
}

void WriteWeather(Writer& w, const RadioSession& s) {
    for (int n = 0; n < kWeatherChannels; ++n) {
        w.Section(Bare("CHWX", n));
        WriteRecord(w, kWeather, s.model, s.settings.CHWX[n]);
    }
}

// An EXP channel's "Enable" is its own flag and its group's (LMR or EXP);
// RG channels are no member of either group: their flag is their own.
void WriteLandMobileGroups(Writer& w, const RadioSession& s) {
    const auto& groups = s.settings.UsableGroups;
    for (int n = 0; n < kExpChannels; ++n) {
        ChannelRecord written = s.settings.CHEXP[n];
        written.Enable = written.Enable && groups[written.LmrExp ? kLmrGroup : kExpGroup].Enable;
        w.Section(Bare("CHEXP", n + 1));
        WriteRecord(w, kLandMobile, s.model, written);
    }
    for (int n = 0; n < kRgChannels; ++n) {
        w.Section(Bare("CHRG", n + 1));
        WriteRecord(w, kLandMobile, s.model, s.settings.CHRG[n]);
    }
}

void WriteDirectories(Writer& w, const RadioSession& s) {
    const auto write = [&](const char* prefix, std::span<const DirectoryEntry> entries) {
        for (size_t i = 0; i < entries.size(); ++i) {
            w.Section(Bare(prefix, static_cast<int>(i) + 1));
            WriteRecord(w, kDirectory, s.model, entries[i]);
        }
    };
    write("CHMMSID", s.settings.CHMMSID);
    write("CHGRPID", s.settings.CHGRPID);
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
    std::vector<std::string> missing;  // parts a complete file holds

    const std::string* Find(std::string_view section, std::string_view key) const { return table.Find(section, key); }
    std::string LookupValue(std::string_view section, std::string_view key) const {
        return table.LookupValue(section, key);
    }
    size_t sectionCount() const { return table.sectionCount(); }
    void OutOfRange(std::string_view section, std::string_view key, const std::string& value, long lo, long hi) {
        warnings.push_back("[" + std::string(section) + "] " + std::string(key) + "=" + value + ": outside " +
                           std::to_string(lo) + ".." + std::to_string(hi) + ", left as it was");
    }
    void NotANumber(std::string_view section, std::string_view key, const std::string& value) {
        warnings.push_back("[" + std::string(section) + "] " + std::string(key) + "=" + value +
                           ": not a number, left as it was");
    }
};


// A decimal number, whole: sign, digits, an optional fraction and exponent.
std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    // Most values are a few digits, perhaps signed: counted at once (exact
    // up to 15 digits, and "-0" stays a negative zero as below).
    const size_t signs = text[0] == '-' || text[0] == '+';
    if (text.size() > signs && text.size() - signs <= 15 &&
        std::all_of(text.begin() + static_cast<std::ptrdiff_t>(signs), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        double digits = 0;
        for (size_t i = signs; i < text.size(); ++i) digits = digits * 10 + (text[i] - '0');
        return text[0] == '-' ? -digits : digits;
    }
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    double value = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The number a key holds; a value that is none (an empty one aside) is told
// and leaves its field as it was.
std::optional<double> NumberOf(Reading& t, std::string_view section, std::string_view key) {
    const std::string* text = t.Find(section, key);
    if (!text) return std::nullopt;
    const auto value = Number(*text);
    if (!value && !text->empty()) t.NotANumber(section, key, *text);
    return value;
}

// A whole number that fits T (rounded half to even, as the classic
// conversion does); anything else leaves the field as it was.
template <class T>
bool ReadInteger(Reading& t, std::string_view section, std::string_view key, T& field,
                 long lo = std::numeric_limits<T>::min(), long hi = std::numeric_limits<T>::max()) {
    const auto value = NumberOf(t, section, key);
    if (!value) return false;
    const double whole = std::nearbyint(*value);
    if (whole < static_cast<double>(lo) || whole > static_cast<double>(hi)) {
        t.OutOfRange(section, key, *t.Find(section, key), lo, hi);
        return false;
    }
    field = static_cast<T>(whole);
    return true;
}

void ReadFlag(Reading& t, std::string_view section, std::string_view key, bool& field) {
    if (const auto value = NumberOf(t, section, key)) field = *value != 0;
}

void ReadFrequency(Reading& t, std::string_view section, std::string_view key, double& field) {
    if (const auto value = NumberOf(t, section, key)) field = *value;
}

void ReadText(Reading& t, std::string_view section, std::string_view key, std::string& field) {
    field = t.LookupValue(section, key);
}

// One value under key, as its kind reads it; a row of flags is one key per
// flag, the key and a bare index.
template <class T>
void ReadValue(Reading& t, std::string_view section, std::string_view key, const Kind& kind, T& field) {
    if constexpr (IsBoolArray<T>::value) {
        for (size_t i = 0; i < field.size(); ++i) ReadValue(t, section, Bare(key, static_cast<int>(i)), kind, field[i]);
    } else if constexpr (std::is_same_v<T, bool>) {
        if (kind.form != Form::Inverted) return ReadFlag(t, section, key, field);
        const std::string* text = t.Find(section, key);
        field = text && *text == "0";
    } else if constexpr (std::is_same_v<T, double>) {
        ReadFrequency(t, section, key, field);
    } else if constexpr (std::is_same_v<T, std::string>) {
        ReadText(t, section, key, field);
    } else {
        ReadInteger(t, section, key, field, kind.lo, kind.hi);
    }
}

template <class R, size_t P>
void ReadField(Reading& t, std::string_view section, const FieldRow<R, P>& row, std::string_view key, R& record) {
    std::visit([&](auto member) { ReadValue(t, section, key, row.kind, record.*member); }, row.member);
}

// Every field of a record that the model's reader takes at this place.
template <class Row, size_t N, class R>
void ReadRecord(Reading& t, std::string_view section, const Placed<Row, N>& at, int model, R& record,
                size_t first = 0) {
    for (size_t i = first; i < N; ++i)
        if (at.rows[i]->Read(at.place, model)) ReadField(t, section, *at.rows[i], at.rows[i]->key, record);
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
    // The land-mobile flags come back too: without them the channels of a
    // group that the defaults leave off would be programmed disabled.
    for (int g = 0; g <= kExpGroup; ++g) ReadField(t, section, kGroupEnable, kGroupEnableKeys[g], groups[g]);
    for (int k = 0; k <= kLmrGroup; ++k) ReadField(t, section, kTxTot, Spaced(kTxTot.key, k), groups[k]);
    for (int g = 0; g < 3; ++g) {
        const std::string priority = Spaced(kPriority.key, g);
        ReadField(t, section, kPriority, priority, groups[g]);
        for (int j = 0; j < map::kChannelListSlots; ++j) {
            long slot = -1;
            ReadInteger(t, section, Spaced(priority + "-Cmb", j + 1), slot, 0, 0xFFFF);
            const int address = map::ChannelListSlot(g, j);
            s.image[address] = static_cast<uint8_t>(slot < 0 ? 0xFF : slot & 0xFF);
            s.image[address + 1] = static_cast<uint8_t>(slot < 0 ? 0xFF : slot >> 8);
        }
        ReadField(t, section, kBackup, priority + std::string(kBackup.key), groups[g]);
    }
    for (int k = 0; k <= kLmrGroup; ++k) ReadField(t, section, kStatusIcon, Spaced(kStatusIcon.key, k), groups[k]);
    if (kStatusName.Read(0, s.model))
        for (int k = 0; k <= kLmrGroup; ++k) ReadField(t, section, kStatusName, Spaced(kStatusName.key, k), groups[k]);
}

void ApplyMarineChannel(Reading& t, const std::string& section, int model, int group, ChannelRecord& ch) {
    ReadRecord(t, section, kMarine, model, ch, 1);  // after the position, which placed the section
    // Whether a channel transmits is the channel's own, wherever the list
    // has moved it (the file keeps no TxDisabled).
    ch.TxDisabled = !ch.TxEnable;
    // A receive-only channel keeps its plan's mode (the CMB broadcasts are
    // heard on the coast frequency, Duplex 2) in whatever slot the file
    // puts it; what the slot held before, from an earlier section or file,
    // plays no part.
    if (const auto kept = KeepReceiveOnly(group, ch)) {
        const std::string* duplex = t.Find(section, "Duplex");
        t.warnings.push_back("[" + section + "] Duplex" + (duplex ? "=" + *duplex : std::string(" missing")) + ": " +
                             KeptReceiveOnlyText(*kept));
    }
}

// Sections prefix0, prefix1, ... until the first without a "Position".
void ApplyMarineGroup(RadioSession& s, Reading& t, int group) {
    MarineGroup& channels = s.settings.Marine(group);
    for (size_t n = 0; n <= t.sectionCount(); ++n) {
        const std::string section = Bare(kMarineSections[group], static_cast<int>(n));
        const std::string* position = t.Find(section, kPosition.key);
        if (!position || position->empty()) {
            // The list ends at the first section without a position.
            for (size_t k = n + 1; k <= t.sectionCount(); ++k) {
                const std::string later = Bare(kMarineSections[group], static_cast<int>(k));
                if (!t.Find(later, kPosition.key)) continue;
                t.missing.push_back("[" + later + "] and after: not read, the list ends at [" + section + "]");
                break;
            }
            return;
        }
        int16_t p = -1;
        if (!ReadInteger(t, section, kPosition.key, p, kPosition.kind.lo, kPosition.kind.hi)) continue;
        channels[static_cast<size_t>(p)].Position = p;
        ApplyMarineChannel(t, section, s.model, group, channels[static_cast<size_t>(p)]);
    }
}

void ApplyDirectory(RadioSession& s, Reading& t, const char* prefix, std::span<DirectoryEntry> entries) {
    for (size_t i = 0; i < entries.size(); ++i)
        ReadRecord(t, Bare(prefix, static_cast<int>(i) + 1), kDirectory, s.model, entries[i]);
}

void ApplyLandMobile(Reading& t, const std::string& section, int model, ChannelRecord& ch) {
    ReadRecord(t, section, kLandMobile, model, ch);
    if (ch.CHDisplayL.size() == 1) ch.CHDisplayL.insert(ch.CHDisplayL.begin(), ' ');
    // The file keeps no transmit flag of these channels: the power code is it.
    ch.TxEnable = LandMobilePowerCode(ch) != 0;
}

void ApplyPresetBytes(RadioImage& image, Reading& t) {
    for (int i = 0; i < map::PresetBytes.length; ++i) {
        const long value = NumericPrefix(t.LookupValue("PRISETCH", Bare("A", i)));
        if (value >= 0 && value <= 255) image[map::PresetBytes.address + i] = static_cast<uint8_t>(value);
    }
}

// What a complete file of the model holds: the sections and keys the writer
// writes, in its order, less the keys that only inform ("MODEL", "TYPE",
// "VERSION") and the directories, which the files of the classic program
// never held.
struct ExpectedSection {
    std::string name;
    std::vector<std::string> keys;
};

std::vector<ExpectedSection> CompleteFileOf(int model) {
    RadioSession s;
    s.model = model;
    ResetToDefaults(s);
    std::vector<ExpectedSection> sections;
    const std::string text = SettingsFileText(s);
    for (size_t at = 0, end; at < text.size(); at = end + 2) {
        end = text.find("\r\n", at);
        const std::string_view line(text.data() + at, end - at);
        if (line.starts_with('[')) {
            sections.push_back({std::string(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const std::string_view key = line.substr(0, line.find('='));
        const bool informs = sections.size() == 1 && (key == "MODEL" || key == "TYPE" || key == "VERSION");
        if (!informs) sections.back().keys.emplace_back(key);
    }
    std::erase_if(sections, [](const ExpectedSection& e) {
        return e.name.starts_with("CHMMSID") || e.name.starts_with("CHGRPID");
    });
    return sections;
}

// The parts of a complete file that this one lacks, a run of sections
// lacking the same in one line: "[CHCAN60] to [PRISETCH]: missing" (a file
// cut short), "[CHINT57] ChTag, BaseCh: missing" (cut inside a section).
std::vector<std::string> MissingParts(const SettingsTable& table, int model) {
    static const auto files = [] {
        std::array<std::vector<ExpectedSection>, kModelCount> all;
        for (int m = 0; m < kModelCount; ++m) all[static_cast<size_t>(m)] = CompleteFileOf(m);
        return all;
    }();
    std::vector<std::string> lines;
    std::string first, last, lacking;  // the run, and what its sections lack ("" for all)
    bool inRun = false;
    const auto endRun = [&] {
        if (inRun)
            lines.push_back("[" + first + "]" + (last == first ? "" : " to [" + last + "]") + lacking + ": missing");
        inRun = false;
    };
    for (const ExpectedSection& section : files[static_cast<size_t>(model)]) {
        std::string keys;
        size_t found = 0;
        for (const std::string& key : section.keys) {
            if (table.Find(section.name, key)) ++found;
            else keys += (keys.empty() ? " " : ", ") + key;
        }
        if (found == 0) keys.clear();
        const bool complete = found == section.keys.size();
        if (inRun && (complete || keys != lacking)) endRun();
        if (complete) continue;
        if (!inRun) first = section.name, lacking = keys, inRun = true;
        last = section.name;
    }
    endRun();
    return lines;
}

Message DifferentModel(const SettingsTable& table) {
    return Advised(Advice::SettingsModel, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok,
                   {ReadProfileValue(table, "MAIN", "MODELTYPE")});
}

}  // namespace

std::string SettingsFileText(const RadioSession& s) {
    Writer w;
    WriteMain(w, s);
    WriteUsableGroups(w, s);
    w.Section("Common Setup");
    WriteRecord(w, kCommon, s.model, s.settings.Common);
    w.Section("ATIS Setup (Common)");
    WriteRecord(w, kAtis, s.model, s.settings.Atis);
    WriteMarine(w, s);
    WriteWeather(w, s);
    WriteLandMobileGroups(w, s);
    // The directories follow the RG sections, so DSC radios keep them.
    if (IsDscModel(s.model)) WriteDirectories(w, s);
    WritePresetBytes(w, s.image);
    return std::move(w.text);
}

FileOutcome SaveSettingsFile(const RadioSession& s, const std::filesystem::path& path, ReadOnlyFiles readOnly) {
    const std::string text = SettingsFileText(s);
    const std::string error = WriteFileAtomically(path, text.data(), text.size(), readOnly);
    if (error.empty()) return {true, {}, ""};
    return {false, {FileSaveMessage(error)}, error};
}

int SettingsFileModel(const SettingsTable& table) {
    Reading reading{table, {}, {}};
    int16_t model = -1;
    return ReadInteger(reading, "MAIN", "MODELTYPE", model) ? model : -1;
}

SettingsLoad ApplySettingsTable(RadioSession& s, const SettingsTable& table) {
    const int model = SettingsFileModel(table);
    if (model != s.model) {
        if (TraitsOf(model).offered) return {LoadResult::SwitchModel, model, {}, "", {}, {}};
        return {LoadResult::OtherModel, -1, {DifferentModel(table)}, "", {}, {}};
    }
    Reading t{table, {}, MissingParts(table, s.model)};
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
    ReadRecord(t, "Common Setup", kCommon, s.model, s.settings.Common);
    ReadRecord(t, "ATIS Setup (Common)", kAtis, s.model, s.settings.Atis);
    for (int g = 0; g < 3; ++g) ApplyMarineGroup(s, t, g);
    for (int n = 0; n < kWeatherChannels; ++n)
        ReadRecord(t, Bare("CHWX", n), kWeather, s.model, s.settings.CHWX[n]);
    ApplyDirectory(s, t, "CHMMSID", s.settings.CHMMSID);
    ApplyDirectory(s, t, "CHGRPID", s.settings.CHGRPID);
    for (int n = 0; n < kExpChannels; ++n) ApplyLandMobile(t, Bare("CHEXP", n + 1), s.model, s.settings.CHEXP[n]);
    for (int n = 0; n < kRgChannels; ++n) ApplyLandMobile(t, Bare("CHRG", n + 1), s.model, s.settings.CHRG[n]);
    ApplyPresetBytes(s.image, t);
    WriteFlag(s.image, map::Sel1, sel1 == "1");
    WriteFlag(s.image, map::Sel2, sel2 == "1");
    SettingsLoad load{LoadResult::Loaded, s.model, {}, "", t.missing, t.missing};
    load.warnings.insert(load.warnings.end(), t.warnings.begin(), t.warnings.end());
    return load;
}

SettingsLoad LoadSettingsFile(RadioSession& s, const std::filesystem::path& path) {
    const FileBytes file = ReadFileBytes(path, kLargestSettingsFile);
    if (!file.ok)
        return {LoadResult::Unreadable, -1,
                {{text::kFileReadError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok,
                  AdviceText(Advice::FileRead, {file.error})}},
                file.error, {}, {}};
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    return ApplySettingsTable(s, SettingsTable::Parse(text));
}

}  // namespace kv
