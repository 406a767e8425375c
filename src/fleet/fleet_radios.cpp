#include "fleet/fleet_radios.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>

#include "image/codec.h"
#include "image/defaults.h"
#include "rules/field_rules.h"
#include "util/delimited_text.h"

namespace kv {
namespace {

constexpr std::string_view kLabel = "label";
constexpr std::string_view kPort = "port";
constexpr std::string_view kAtisCode = "ATIS Setup.Atis Code";

struct Column {
    int number = 0;  // from 1
    std::string path;
    SettingValue kind;   // the template's value there
    uint32_t index = 0;  // into the paths of the settings
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Where(int row, const Column& column) {
    return "row " + std::to_string(row) + ", column " + std::to_string(column.number) + " (" + Quoted(column.path) + ")";
}

// The cell's text as a value of the setting's kind (true/false, a whole
// number, a number, text), as `kvtool show --json` prints them.
std::optional<SettingValue> ParseAs(const SettingValue& kind, const std::string& text) {
    if (std::holds_alternative<std::string>(kind)) return text;
    if (std::holds_alternative<bool>(kind)) {
        if (text == "true") return true;
        if (text == "false") return false;
        return std::nullopt;
    }
    const char* end = text.data() + text.size();
    if (std::holds_alternative<int64_t>(kind)) {
        int64_t n = 0;
        const auto [at, error] = std::from_chars(text.data(), end, n);
        if (error != std::errc() || at != end) return std::nullopt;
        return n;
    }
    double d = 0;
    const auto [at, error] = std::from_chars(text.data(), end, d);
    if (error != std::errc() || at != end || !std::isfinite(d)) return std::nullopt;
    return d;
}

std::string KindName(const SettingValue& kind) {
    if (std::holds_alternative<bool>(kind)) return "true or false";
    if (std::holds_alternative<int64_t>(kind)) return "a whole number";
    return "a number";
}

// The field rule of a text or frequency setting, by the path's last key.
std::optional<Field> RuleField(const std::string& path) {
    const auto endsWith = [&](std::string_view key) { return path.ends_with("." + std::string(key)); };
    if (path == kAtisCode) return Field::AtisCode;
    if (path.starts_with("ATIS Setup.Call Sign[") && endsWith("MID")) return Field::AtisMid;
    if (path.starts_with("ATIS Setup.Call Sign[") && endsWith("Display")) return Field::AtisDisp;
    if (path.starts_with("Usable CH Group Setup[") && endsWith("Status name")) return Field::StatusName;
    if (!path.starts_with("CH") || path.starts_with("CHMMSID") || path.starts_with("CHGRPID")) return std::nullopt;
    if (endsWith("ChTag")) return path.starts_with("CHWX") ? Field::WeatherName : Field::ChannelName;
    if (endsWith("Rxfreq")) return Field::RxFrequency;
    if (endsWith("Txfreq")) return Field::TxFrequency;
    return std::nullopt;
}

// The value as the editor would store it, or why the field refuses it.
std::string ApplyFieldRule(Field field, int model, SettingValue& value) {
    if (field == Field::RxFrequency || field == Field::TxFrequency) {
        const double mhz = std::get<double>(value);
        if (mhz != 0 && !FrequencyAllowed(model, mhz)) return "the radio takes " + FrequencyBandText(model);
        value = LeadingNumber(FrequencyText(mhz));  // to the 100 Hz of the text form
        return "";
    }
    std::string text = std::get<std::string>(value);
    const FieldRule& rule = RuleOf(field);
    std::string kept = FilterText(field, text, rule.maxLength);
    if (field == Field::ChannelName) std::transform(text.begin(), text.end(), text.begin(), ::toupper);
    if (kept != text) return rule.hint;
    if (field == Field::AtisCode && !CheckFixedLength(kept, 10, "", CheckMode::Restoring).valid) return rule.hint;
    if (field == Field::AtisMid) kept = FormatMid(kept);
    if (field == Field::StatusName) kept = NormaliseStatusName(kept);
    value = kept;
    return "";
}

// Two paths that lead to one file (a device, too: std::filesystem::equivalent
// does not compare devices).
bool SameFile(const std::string& a, const std::string& b) {
    struct stat x {}, y {};
    return stat(a.c_str(), &x) == 0 && stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

bool SameValue(const SettingValue& a, const SettingValue& b) {
    const double* x = std::get_if<double>(&a);
    const double* y = std::get_if<double>(&b);
    if (x && y) return std::abs(*x - *y) < 1e-7;
    return a == b;
}

// The radio keeps an MMSI in ten digits, the tenth always 0: the nine digits
// of an MMSI in use are the MMSI it holds with that 0 after them.
std::string AsHeld(std::string_view path, const std::string& value) {
    const bool mmsi = path.ends_with("MMSI") || path.ends_with(".Mmsid");
    const bool nineDigits = value.size() == 9 && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    return mmsi && nineDigits ? value + "0" : value;
}

// Settings each radio must hold a value of its own in: two radios with one
// ATIS code or one MMSI would both answer to it.
struct OwnValue {
    std::string_view path;
    std::string_view name;
};
constexpr OwnValue kOwnValues[] = {{kAtisCode, "ATIS code"}, {"DSC Basic Setup.User MMSI", "MMSI"}};

class Reader {
public:
    Reader(const RadioSession& templ, const std::vector<std::string>& ports, size_t mostRadios)
        : templ_(templ), ports_(ports), mostRadios_(mostRadios) {}

    FleetRadios Read(std::string_view csv) {
        const DelimitedText text = ReadDelimited(csv, ',');
        if (!text.error.empty()) return Fail("the radios' CSV: " + text.error);
        if (text.rows.size() < 2) return Fail("the radios' CSV names no radios: it needs a header line and a line per radio");
        if (text.rows.size() - 1 > mostRadios_)
            return Fail("the radios' CSV names " + std::to_string(text.rows.size() - 1) + " radios: a fleet takes at most " +
                        std::to_string(mostRadios_));
        if (!Header(text.rows.front())) return std::move(out_);
        // One scratch programming checks every row in turn; a radio keeps only its cells.
        scratch_ = templ_;
        held_ = templ_;
        out_.radios.reserve(text.rows.size() - 1);
        for (size_t r = 1; r < text.rows.size(); ++r) Radio(text.rows[r]);
        if (out_.errors.empty()) out_.errors = std::move(duplicates_);
        if (!out_.errors.empty()) out_.radios.clear();
        return std::move(out_);
    }

private:
    FleetRadios Fail(std::string error) {
        out_.errors.push_back(std::move(error));
        return std::move(out_);
    }

    bool Header(const TextRow& header) {
        columns_ = header.cells.size();
        std::map<std::string, int> seen;
        for (size_t i = 0; i < header.cells.size(); ++i) {
            Column column{static_cast<int>(i) + 1, header.cells[i], {}};
            if (const auto [at, added] = seen.emplace(column.path, column.number); !added) {
                out_.errors.push_back("column " + std::to_string(column.number) + " (" + Quoted(column.path) +
                                      "): named twice (also column " + std::to_string(at->second) + ")");
                continue;
            }
            if (column.path == kLabel) label_ = column.number;
            else if (column.path == kPort) port_ = column.number;
            else if (const std::string why = CheckColumn(column); !why.empty())
                out_.errors.push_back("column " + std::to_string(column.number) + " (" + Quoted(column.path) + "): " + why);
            else {
                column.index = static_cast<uint32_t>(out_.paths.size());
                out_.paths.push_back(column.path);
                settings_.push_back(column);
            }
        }
        if (label_ == 0) out_.errors.push_back("the radios' CSV has no \"label\" column");
        for (const OwnValue& own : kOwnValues) {
            const SettingAt at = FindSetting(templ_, own.path);
            if (at.notKept.empty()) owns_.push_back({own, std::get<std::string>(at.value), -1, {}});
        }
        for (Own& own : owns_)
            for (size_t c = 0; c < settings_.size(); ++c)
                if (settings_[c].path == own.what.path) own.column = static_cast<int>(settings_[c].index);
        return out_.errors.empty();
    }

    std::string CheckColumn(Column& column) const {
        const SettingAt at = FindSetting(templ_, column.path);
        column.kind = at.value;
        if (!at.found) return "no setting has this name (the names are those of kvtool show --json)";
        if (!at.settable) return "this setting cannot differ from radio to radio";
        if (!at.notKept.empty()) return at.notKept + ": a value here would be lost";
        return "";
    }

    static std::string Cell(const TextRow& row, int column) {
        return column > 0 && static_cast<size_t>(column) <= row.cells.size() ? row.cells[static_cast<size_t>(column) - 1] : "";
    }

    void Radio(const TextRow& row) {
        FleetRadio radio;
        radio.row = row.number;
        radio.label = Cell(row, label_);
        radio.port = Cell(row, port_);
        const std::string where = "row " + std::to_string(row.number);
        if (row.cells.size() > columns_) out_.errors.push_back(where + ": more cells than the header has columns");
        if (radio.label.empty()) out_.errors.push_back(where + ": no label");
        else if (const auto [at, added] = labels_.emplace(radio.label, row.number); !added)
            out_.errors.push_back(where + ": the label " + Quoted(radio.label) + " is that of row " + std::to_string(at->second) + " too");
        if (!radio.port.empty() && std::find(ports_.begin(), ports_.end(), radio.port) == ports_.end())
            out_.errors.push_back(where + ": the port " + Quoted(radio.port) + " is not among the ports to use");
        std::vector<const Column*> stored;
        for (const Column& column : settings_) {
            const std::string text = Cell(row, column.number);
            if (text.empty()) continue;  // the template's value
            auto value = Value(row.number, column, text);
            if (!value) continue;
            if (const std::string why = StoreSetting(scratch_, column.path, *value); !why.empty()) {
                out_.errors.push_back(Where(row.number, column) + ": " + Quoted(text) + ": " + why);
                continue;
            }
            stored.push_back(&column);
            radio.values.push_back({column.index, std::move(*value)});
        }
        CheckKept(row.number, stored, radio.values);
        for (const Column* column : stored) StoreSetting(scratch_, column->path, column->kind);
        CheckOwnValues(row.number, radio.values);
        out_.radios.push_back(std::move(radio));
    }

    // The cell as a value of the setting's kind that its field rule takes,
    // or nothing (and an error).
    std::optional<SettingValue> Value(int row, const Column& column, const std::string& text) {
        std::optional<SettingValue> value = ParseAs(column.kind, text);
        if (!value) {
            out_.errors.push_back(Where(row, column) + ": " + Quoted(text) + " is not " + KindName(column.kind));
            return std::nullopt;
        }
        const auto field = RuleField(column.path);
        if (const std::string why = field ? ApplyFieldRule(*field, templ_.model, *value) : ""; !why.empty()) {
            out_.errors.push_back(Where(row, column) + ": " + Quoted(text) + ": " + why);
            return std::nullopt;
        }
        return value;
    }

    // Every value as the radio will hold it: the scratch programming (the
    // template with the row's values) encoded as a program transfer encodes
    // it, and the image decoded again.
    void CheckKept(int row, const std::vector<const Column*>& stored, const std::vector<FleetValue>& values) {
        if (stored.empty()) return;
        scratch_.image = templ_.image;
        EncodeImage(scratch_);
        NormalizeImage(scratch_);
        ImageChecksum(scratch_.image);
        // The encoder switches off the groups it finds empty; the next row starts from the template's.
        scratch_.settings.UsableGroups = templ_.settings.UsableGroups;
        held_.image = scratch_.image;
        DecodeImage(held_);
        for (size_t i = 0; i < stored.size(); ++i) {
            const SettingValue kept = FindSetting(held_, stored[i]->path).value;
            if (SameValue(kept, values[i].value)) continue;
            const auto* text = std::get_if<std::string>(&values[i].value);
            if (text && SameValue(kept, AsHeld(stored[i]->path, *text))) continue;
            out_.errors.push_back(Where(row, *stored[i]) + ": the radio would not keep " + Quoted(SettingText(values[i].value)) +
                                  " (it would hold " + Quoted(SettingText(kept)) + ")");
        }
    }

    // A radio's own value, or the template's where the row leaves it empty.
    void CheckOwnValues(int row, const std::vector<FleetValue>& values) {
        for (Own& own : owns_) {
            std::string value = own.templateValue;
            for (const FleetValue& v : values)
                if (static_cast<int>(v.column) == own.column) value = std::get<std::string>(v.value);
            if (value.empty()) continue;
            if (const auto [at, added] = own.rows.emplace(AsHeld(own.what.path, value), row); !added)
                duplicates_.push_back("rows " + std::to_string(at->second) + " and " + std::to_string(row) + ": the same " +
                                      std::string(own.what.name) + " " + value + " (each radio needs its own)");
        }
    }

    struct Own {
        OwnValue what;
        std::string templateValue;
        int column = -1;  // into the paths, when the CSV has it
        std::unordered_map<std::string, int> rows;
    };

    const RadioSession& templ_;
    const std::vector<std::string>& ports_;
    size_t mostRadios_;
    FleetRadios out_;
    int label_ = 0, port_ = 0;
    std::vector<Column> settings_;
    std::vector<Own> owns_;
    std::unordered_map<std::string, int> labels_;
    std::vector<std::string> duplicates_;
    size_t columns_ = 0;
    RadioSession scratch_;  // the template and the row being checked
    RadioSession held_;     // what a radio programmed with it would hold
};

}  // namespace

FleetRadios ReadFleetRadios(std::string_view csv, const RadioSession& templ, const std::vector<std::string>& ports,
                            size_t mostRadios) {
    return Reader(templ, ports, mostRadios).Read(csv);
}

std::string ApplyRadioValues(RadioSession& session, const std::vector<std::string>& paths, const FleetRadio& radio) {
    for (const FleetValue& v : radio.values)
        if (const std::string why = StoreSetting(session, paths.at(v.column), v.value); !why.empty())
            return paths.at(v.column) + ": " + why;
    return "";
}

std::string CheckFleetPorts(const std::vector<std::string>& ports) {
    if (ports.empty()) return "no port to program the fleet on";
    for (size_t i = 0; i < ports.size(); ++i)
        for (size_t j = i + 1; j < ports.size(); ++j) {
            if (ports[i] == ports[j]) return "the port " + Quoted(ports[i]) + " is listed twice";
            // A link and the device it points to open one device twice.
            if (ports[i].starts_with("/") && ports[j].starts_with("/") && SameFile(ports[i], ports[j])) {
                std::error_code error;
                return "the ports " + Quoted(ports[i]) + " and " + Quoted(ports[j]) + " are one device (" +
                       std::filesystem::canonical(ports[i], error).string() + "): give it once";
            }
        }
    return "";
}

}  // namespace kv
