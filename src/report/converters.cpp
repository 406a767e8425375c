#include "report/converters.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "model/channel_plans.h"
#include "model/models.h"
#include "model/tones.h"

namespace kv {
namespace {

// Picks the text of a small code, or fallback outside the list.
template <size_t N>
std::string Pick(const std::array<const char*, N>& texts, int value, const char* fallback) {
    return value >= 0 && value < static_cast<int>(N) ? texts[static_cast<size_t>(value)] : fallback;
}

// Blank, negative and non-numbers (from a damaged settings file) are no frequency.
bool HasFrequency(double mhz) { return std::isfinite(mhz) && mhz > 0; }

std::string FormatMhz(double mhz, const char* format) {
    char text[48];
    std::snprintf(text, sizeof text, format, mhz);
    return text;
}

// Frequencies held in units of 100 Hz, rounded so that binary fractions
// such as 157.0125 land on their decimal value.
constexpr double kUnitsPerMhz = 10000;
constexpr double kLargestUnitCount = 9e15;  // well inside long long and exact in a double

bool ToUnits(double mhz, long long& units) {
    const double scaled = std::round(mhz * kUnitsPerMhz);
    if (!std::isfinite(scaled) || std::fabs(scaled) > kLargestUnitCount) return false;
    units = static_cast<long long>(scaled);
    return true;
}

const std::vector<std::string>& CtcssTexts() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> l;
        BuildCtcssList(l);
        return l;
    }();
    return list;
}

const std::vector<std::string>& DcsTexts() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> l;
        BuildDcsList(l);
        return l;
    }();
    return list;
}

std::string FilledOrDashes(std::string_view text, int width) {
    return text.empty() ? std::string(static_cast<size_t>(width), '-') : Pad(text, width);
}

}  // namespace

std::string Pad(std::string_view text, int n) {
    if (n <= 0) return "";
    std::string cell(text.substr(0, static_cast<size_t>(n)));
    cell.resize(static_cast<size_t>(n), ' ');
    return cell;
}

std::string Label(std::string_view text, int n) { return Pad(text, n - 1) + ": "; }

std::string OnOff(bool on) { return on ? "On" : "Off"; }
std::string HiLow(bool high) { return high ? "Hi" : "Low"; }

std::string ResumeText(int resumeTime) {
    return Pick(std::array{"--", "1Sec", "2Sec", "3Sec"}, resumeTime, "");
}

std::string TxPoText(int txPo) {
    return Pick(std::array{"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}, txPo, "");
}

std::string WeatherText(int weater) { return weater == 0 ? "Off" : weater == 3 ? "On" : ""; }

std::string MagText(int magnetic) { return Pick(std::array{"True", "Mag"}, magnetic, ""); }

const std::array<std::string, kOffsetTimeCount>& OffsetTable() {
    static const auto table = [] {
        std::array<std::string, kOffsetTimeCount> t;
        for (int i = 0; i < kOffsetTimeCount; ++i) {
            const int hours = i - 12;
            char text[16];
            // "#0.00" below zero, " 0.00" at zero, "+#0.00" above, with ":" for the point.
            std::snprintf(text, sizeof text, hours < 0 ? "%d:00" : hours == 0 ? " 0:00" : "+%d:00", hours);
            t[static_cast<size_t>(i)] = text;
        }
        return t;
    }();
    return table;
}

std::string OffsetText(int offsetTime) {
    return offsetTime >= 0 && offsetTime < kOffsetTimeCount ? OffsetTable()[static_cast<size_t>(offsetTime)] : "";
}

std::string LmrName(bool lmr, int model) { return lmr && HasLmrChannels(model) ? "LMR" : "EXP"; }

std::string ChannelText(int channel, int model) {
    if (channel >= 0 && channel < kMarineFrequencyCount) return MarineFrequencyTable()[static_cast<size_t>(channel)].text;
    // Channel numbers past the frequency table still show as numbers, like
    // the CH column of the channel lists shows them.
    if (channel >= kMarineFrequencyCount && channel < kFirstExpIndex) return std::to_string(channel);
    if (channel >= kFirstExpIndex && channel < kFirstWeatherIndex)
        return std::to_string(channel - (kFirstExpIndex - 1)) + LmrName(true, model);
    return "Off";
}

std::string StatusNameText(std::string_view statusName) {
    return statusName.find_first_not_of(' ') == std::string_view::npos ? "----" : std::string(statusName);
}

std::string Freq3(double mhz) { return HasFrequency(mhz) ? FormatMhz(mhz, "%07.3f") : "---.---"; }

std::string Freq3Tx(double mhz, bool inhibit) { return inhibit ? "---.---" : Freq3(mhz); }

std::string Freq4(double mhz) { return HasFrequency(mhz) ? FormatMhz(SnapFreq(mhz), "%08.4f") : "---.----"; }

double SnapFreq(double mhz) {
    long long units = 0;
    if (!ToUnits(mhz, units)) return mhz;
    constexpr long long k5kHz = 50, k12_5kHz = 125;
    if (units % k5kHz == 0 || units % k12_5kHz == 0) return mhz;
    return static_cast<double>(units - units % k5kHz) / kUnitsPerMhz;
}

bool On25kHz(double mhz) {
    long long units = 0;
    return ToUnits(mhz, units) && units % 250 == 0;
}

std::string EnableText(bool enable) { return enable ? "ENABLE" : "------"; }
std::string UseText(bool member, bool blank) { return member ? "USE" : blank ? "   " : "---"; }
std::string TxText(bool txEnable) { return txEnable ? "TX" : "--"; }
std::string LowText(bool lowPower) { return lowPower ? "LOW" : "---"; }
std::string UpText(bool powUp) { return powUp ? "UP" : "--"; }

std::string DupText(int duplex) { return Pick(std::array{"TX SIMP", "RX SIMP", "DUP", "Reverse DUP"}, duplex, "---"); }

std::string MemText(bool scanMemory) { return scanMemory ? "MEM" : "---"; }
std::string CmpText(bool rxComp) { return rxComp ? "CMP" : "---"; }
std::string NarrowText(bool narrow) { return narrow ? "N " : "--"; }

std::string VsText(int scramble) {
    constexpr int kScramblerOn = 0x04, kCodeBits = 0x03;
    return scramble & kScramblerOn ? std::to_string(scramble & kCodeBits) : "--";
}

std::string ChdText(std::string_view display) { return display.empty() ? "----" : Pad(display, 4); }
std::string NameText(std::string_view name) { return FilledOrDashes(name, 12); }
std::string Name12(std::string_view name) { return FilledOrDashes(name, 12); }
std::string Mmsi9(std::string_view mmsi) { return FilledOrDashes(mmsi, 9); }

std::string ToneText(int ctcss, int dcs) {
    if (ctcss >= 1 && ctcss < kCtcssCount) return CtcssTexts()[static_cast<size_t>(ctcss)];
    const std::string code = dcs >= 1 ? DcsText(dcs) : "";
    return code.empty() ? "-------" : code;
}

std::string DcsText(int dcs) {
    constexpr int kCodes = kDcsCount - 1;
    if (dcs >= 1 && dcs <= kCodes) return DcsTexts()[static_cast<size_t>(dcs)] + "N";
    if (dcs > kCodes && dcs <= 2 * kCodes) return DcsTexts()[static_cast<size_t>(dcs - kCodes)] + "I";
    return "";
}

std::string LcdText(std::string_view text) {
    std::string shown(text);
    for (char& c : shown)
        if (std::string_view("BDNOQRTY").find(c) != std::string_view::npos) c = static_cast<char>(c - 'A' + 'a');
    return shown;
}

}  // namespace kv
