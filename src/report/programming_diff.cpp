#include "report/programming_diff.h"

#include <cstdio>
#include <map>

#include "image/codec.h"
#include "image/defaults.h"
#include "report/converters.h"
#include "report/report.h"

namespace kv {
namespace {

// The image bits the encoder leaves as they are: encoding onto all-zero and
// onto all-one bytes tells them apart from the bits it writes.
std::vector<uint8_t> UncoveredBits(const RadioSession& session) {
    RadioSession zeros = session, ones = session;
    zeros.image.bytes.fill(0x00);
    ones.image.bytes.fill(0xFF);
    EncodeImage(zeros);
    EncodeImage(ones);
    std::vector<uint8_t> mask(static_cast<size_t>(session.image.size()));
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = zeros.image.bytes[i] ^ ones.image.bytes[i];
    // The checksum follows from the common area, which the settings cover.
    mask[map::Checksum] = 0;
    return mask;
}

std::string Hex(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// Readable names of the record fields whose keys are not readable as they are.
const std::map<std::string, std::string, std::less<>>& FieldNames() {
    static const std::map<std::string, std::string, std::less<>> names{
        {"Enable", "enabled"},           {"LowPower", "low power"},        {"TXPower", "TX power"},
        {"ClockShift", "clock shift"},   {"PowUp", "power-up"},            {"Duplex", "duplex"},
        {"DuplexMask", "duplex mask"},   {"TxEnable", "TX"},               {"DispayA", "display A"},
        {"ScanMemory", "scan memory"},   {"ChTag", "name"},                {"Scramble", "voice scrambler"},
        {"TxDisabled", "TX disabled"},   {"Narrow", "narrow"},             {"TxDCS", "TX DCS"},
        {"RxDCS", "RX DCS"},             {"TxCTCSS", "TX CTCSS"},          {"RxCTCSS", "RX CTCSS"},
        {"RxComp", "compander"},         {"CHDisplayL", "display (left)"}, {"CHDisplayR", "display (right)"},
        {"Txfreq", "TX frequency"},      {"Rxfreq", "RX frequency"},       {"LMR EXP", "LMR"},
        {"USA Group", "in USA group"},   {"INT Group", "in INTL group"},   {"CAN Group", "in CANADA group"},
        {"StatusNo", "status number"},   {"BaseCh", "base channel"},       {"StatusIcon", "status icon"},
        {"TagName", "name"},             {"Mmsid", "MMSI"},
    };
    return names;
}

std::string Readable(const SettingValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) return *b ? "on" : "off";
    const std::string text = SettingText(value);
    return text.empty() ? "(none)" : text;
}

// Walks both sessions and keeps the values that differ, with where they are.
class DiffCollector : public SettingsVisitor {
public:
    DiffCollector(const RadioSession& a, const RadioSession& b, std::vector<SettingChange>& out)
        : a_(a), b_(b), out_(out) {}

    bool Open(std::string_view key, int index, bool, bool same) override {
        if (same) return false;
        frames_.push_back({std::string(key), index});
        return true;
    }
    void Close(bool) override { frames_.pop_back(); }
    void Value(std::string_view key, int index, const SettingValue& a, const SettingValue& b) override {
        if (a == b) return;
        frames_.push_back({std::string(key), index});
        out_.push_back({Path(), a, b, Line(a, b)});
        frames_.pop_back();
    }

private:
    struct Frame {
        std::string key;
        int index;
    };

    std::string Path() const {
        std::string path;
        for (const Frame& f : frames_) {
            if (f.index >= 0) {
                path += "[" + std::to_string(f.index) + "]";
                continue;
            }
            if (!path.empty()) path += ".";
            path += f.key;
        }
        return path;
    }

    // "USA channel 16 (row 14) name: DISTRESS -> CALL", "Common Setup SQL: 3 -> 5".
    std::string Line(const SettingValue& a, const SettingValue& b) const {
        std::string where;
        if (const std::string channel = ChannelWhere(); !channel.empty()) {
            where = channel;
            for (size_t i = 2; i < frames_.size(); ++i) where += " " + FieldName(frames_[i]);
        } else {
            for (const Frame& f : frames_) where += f.index >= 0 ? " " + std::to_string(f.index + 1) : " " + f.key;
            where.erase(0, 1);
        }
        return where + ": " + Readable(a) + " -> " + Readable(b);
    }

    static std::string FieldName(const Frame& f) {
        if (f.index >= 0) return std::to_string(f.index + 1);
        const auto found = FieldNames().find(f.key);
        return found == FieldNames().end() ? f.key : found->second;
    }

    // "USA channel 16 (row 14)" for a value inside a channel or directory record.
    std::string ChannelWhere() const {
        if (frames_.size() < 3 || frames_[1].index < 0) return "";
        const std::string& list = frames_[0].key;
        const int i = frames_[1].index;
        const std::string row = " (row " + std::to_string(i + 1) + ")";
        const RadioSettings& sa = a_.settings;
        const RadioSettings& sb = b_.settings;
        const auto marine = [&](const char* name, const MarineGroup& ga, const MarineGroup& gb) {
            const ChannelRecord& ch = gb[static_cast<size_t>(i)].Enable ? gb[static_cast<size_t>(i)]
                                                                         : ga[static_cast<size_t>(i)];
            return std::string(name) + (ch.Enable ? " channel " + MarineChannelLabel(ch) : "") + row;
        };
        if (list == "CHUSA") return marine("USA", sa.CHUSA, sb.CHUSA);
        if (list == "CHINT") return marine("INTL", sa.CHINT, sb.CHINT);
        if (list == "CHCAN") return marine("CANADA", sa.CHCAN, sb.CHCAN);
        const std::string number = " channel " + std::to_string(i + 1);
        if (list == "CHWX") return "WX" + number;
        if (list == "CHRG") return "RG" + number;
        if (list == "CHEXP") return LmrName(sb.CHEXP[static_cast<size_t>(i)].LmrExp, b_.model) + number;
        if (list == "CHMMSID") return "Individual directory entry " + std::to_string(i + 1);
        if (list == "CHGRPID") return "Group directory entry " + std::to_string(i + 1);
        return "";
    }

    const RadioSession& a_;
    const RadioSession& b_;
    std::vector<SettingChange>& out_;
    std::vector<Frame> frames_;
};

void AddUncoveredBytes(const RadioSession& a, const RadioSession& b, std::vector<SettingChange>& out) {
    const std::vector<uint8_t> maskA = UncoveredBits(a);
    const std::vector<uint8_t> maskB = UncoveredBits(b);
    for (int i = 0; i < a.image.size(); ++i) {
        const uint8_t x = a.image[i], y = b.image[i];
        if (((x ^ y) & maskA[static_cast<size_t>(i)] & maskB[static_cast<size_t>(i)]) == 0) continue;
        const std::string path = "image[" + Hex(i, 4) + "]";
        // The one uncovered byte with a meaning: every program transfer marks the image.
        const std::string name = i == map::clone::ProgramMark ? "program mark (image byte " + Hex(i, 4) + ")"
                                                              : "image byte " + Hex(i, 4);
        out.push_back({path, int64_t{x}, int64_t{y}, name + ": " + Hex(x, 2) + " -> " + Hex(y, 2)});
    }
}

}  // namespace

void AsProgrammed(RadioSession& session) {
    EncodeImage(session);
    NormalizeImage(session);
    ImageChecksum(session.image);
    DecodeImage(session);
}

ProgrammingDiff DiffProgrammings(const RadioSession& a, const RadioSession& b) {
    ProgrammingDiff diff;
    if (a.model != b.model) {
        diff.error = "the programmings are of different model types (" + std::to_string(a.model) + " and " +
                     std::to_string(b.model) + "): only programmings of one model type can be compared";
        return diff;
    }
    DiffCollector collector(a, b, diff.changes);
    VisitSettings(a, b, collector);
    AddUncoveredBytes(a, b, diff.changes);
    return diff;
}

}  // namespace kv
