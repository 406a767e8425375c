#include "rules/field_rules.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/model_traits.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

using namespace std::string_view_literals;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsAlnum(char c) { return IsDigit(c) || IsUpper(c) || IsLower(c); }
bool OneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// The letters the radio's seven-segment display can show, in these cases.
constexpr std::string_view kSegmentLetters = "AbCdEFGHIJLnoPqrtSUy";

constexpr std::array<FieldRule, 10> kRules{{
    {10, KV_TEXT("Messages", "Numeric Only. Indispensable 10 figures."), KV_TEXT("Messages", "ATISNo")},
    {3, KV_TEXT("Messages", "Numeric Only. Indispensable 3 figures."), nullptr},
    {3, KV_TEXT("Messages", "Indispensable 3 figures."), nullptr},
    {12, KV_TEXT("Messages", "A maximum of 12 characters"), nullptr},
    {12, KV_TEXT("Messages", "A maximum of 12 characters"), nullptr},
    {2, KV_TEXT("Messages", "Indispensable 2 figures."), nullptr},
    {2, KV_TEXT("Messages", "Indispensable 2 figures."), nullptr},
    {0, KV_TEXT("Messages", "Rx frequency"), KV_TEXT("Messages", "Rx frequency")},
    {0, KV_TEXT("Messages", "Tx frequency"), KV_TEXT("Messages", "Tx frequency")},
    {4, KV_TEXT("Messages", "max 4 charactors."), nullptr},
}};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool AcceptsKey(Field field, char c, size_t position) {
    switch (field) {
        case Field::AtisCode:
        case Field::AtisMid: return IsDigit(c);
        case Field::AtisDisp: return IsAlnum(c);
        case Field::ChannelName: return IsDigit(c) || IsUpper(c) || OneOf(c, "-/, _.");
        case Field::WeatherName: return true;
        case Field::ChannelNumberFirst:
            if (position == 0 && (c == 'M' || c == 'K')) return true;
            [[fallthrough]];
        case Field::ChannelNumberSecond: return IsDigit(c) || c == ' ' || OneOf(c, kSegmentLetters);
        case Field::RxFrequency:
        case Field::TxFrequency: return IsDigit(c) || c == '.';
        case Field::StatusName: return IsAlnum(c) || OneOf(c, "-+().*/ ");
    }
    return false;
}

}  // namespace

const FieldRule& RuleOf(Field field) { return kRules[static_cast<size_t>(field)]; }

std::optional<char> FilterKey(Field field, char key, size_t position) {
    if (key == kBackspace) return key;
    // Channel names are upper case on the radio: a typed letter is raised.
    if (field == Field::ChannelName && IsLower(key)) key = static_cast<char>(key - 'a' + 'A');
    if (!AcceptsKey(field, key, position)) return std::nullopt;
    return key;
}

namespace {

// The characters of `text` the key filter takes, typed from `position` on.
std::string Kept(Field field, std::string_view text, size_t position) {
    std::string kept;
    for (const char c : text)
        if (c != kBackspace)
            if (const auto accepted = FilterKey(field, c, position + kept.size())) kept += *accepted;
    return kept;
}

std::string CutTo(std::string text, int maxLength) {
    if (maxLength > 0 && text.size() > static_cast<size_t>(maxLength)) text.resize(static_cast<size_t>(maxLength));
    return text;
}

}  // namespace

std::string FilterText(Field field, std::string_view text, int maxLength) {
    return CutTo(Kept(field, text, 0), maxLength);
}

std::optional<std::string> EditedText(Field field, std::string_view shown, std::string_view edited, int maxLength) {
    // The edit is what lies between the common start and the common end.
    size_t start = 0;
    while (start < shown.size() && start < edited.size() && shown[start] == edited[start]) ++start;
    size_t end = 0;
    while (end < shown.size() - start && end < edited.size() - start &&
           shown[shown.size() - 1 - end] == edited[edited.size() - 1 - end])
        ++end;
    const std::string_view inserted = edited.substr(start, edited.size() - start - end);
    // The no-frequency form gives way whole: the field starts afresh.
    const bool frequency = field == Field::RxFrequency || field == Field::TxFrequency;
    if (frequency && shown == FrequencyText(0)) {
        shown = {};
        start = end = 0;
    }

    const std::string kept = Kept(field, inserted, start);
    if (!inserted.empty() && kept.empty()) return std::nullopt;
    return CutTo(std::string(shown.substr(0, start)) + kept + std::string(shown.substr(shown.size() - end)), maxLength);
}

int ChannelNumberLength(bool marine, int baseChannel) { return marine && baseChannel >= 100 ? 3 : 2; }

std::string FormatMid(std::string_view text) {
    const std::string_view digits = Trim(text);
    if (digits.empty()) return std::string(text);
    for (const char c : digits)
        if (!IsDigit(c)) return std::string(text);
    // The "000" pattern: the number with at least three digits.
    size_t first = digits.find_first_not_of('0');
    std::string number = first == std::string_view::npos ? "0" : std::string(digits.substr(first));
    if (number.size() < 3) number.insert(0, 3 - number.size(), '0');
    return number;
}

std::string PadChannelNumber(std::string_view text) {
    return text.size() == 1 ? std::string(text) + " " : std::string(text);
}

std::string NormaliseStatusName(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() == 4) return std::string(trimmed);
    const std::string padded = "    " + std::string(trimmed);
    return padded.substr(padded.size() - 4);
}

CheckResult<std::string> CheckFixedLength(std::string_view typed, size_t n, std::string_view stored,
                                          CheckMode mode) {
    const std::string_view trimmed = Trim(typed);
    if (trimmed.empty() || trimmed.size() == n) return {true, std::string(typed), std::string(typed)};
    return {false, std::string(mode == CheckMode::Restoring ? stored : typed), std::nullopt};
}

double LeadingNumber(std::string_view text) {
    size_t end = 0;
    bool dot = false;
    while (end < text.size() && (IsDigit(text[end]) || (text[end] == '.' && !dot))) {
        dot = dot || text[end] == '.';
        ++end;
    }
    const std::string number(text.substr(0, end));
    return number.empty() || number == "." ? 0.0 : std::strtod(number.c_str(), nullptr);
}

std::string FrequencyText(double mhz) {
    if (!(mhz > 0) || !std::isfinite(mhz) || mhz >= 1e6) return "---.----";
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%08.4f", mhz);
    return buffer.data();
}

namespace {

// Land-mobile models tune from 134 MHz, the others from 137 MHz; all up to 174 MHz.
double LowestFrequency(int model) { return TraitsOf(model).landMobileBand ? 134.0 : 137.0; }
constexpr double kHighestFrequency = 174.0;

}  // namespace

// Models 0 and 3 take 25 kHz steps only.
bool FrequencyAllowed(int model, double mhz) {
    if (!(mhz >= LowestFrequency(model) && mhz <= kHighestFrequency)) return false;
    return std::llround(mhz * 10000.0) % TraitsOf(model).frequencyStep == 0;
}

CheckResult<double> CheckFrequency(int model, std::string_view typed, double stored, CheckMode mode) {
    if (Trim(typed).empty()) return {true, FrequencyText(0), 0.0};
    const double value = LeadingNumber(Trim(typed));
    if (FrequencyAllowed(model, value)) {
        const double shown = std::round(value * 10000.0) / 10000.0;
        return {true, FrequencyText(shown), shown};
    }
    return {false, mode == CheckMode::Restoring ? FrequencyText(stored) : std::string(typed), std::nullopt};
}

Message DataErrorMessage(const char* title) {
    Message m{text::kFieldDataError, title ? title : "", MessageIcon::Exclamation, Buttons::Ok};
    // The ATIS code is the one field this box refuses alone; a frequency's box names its band.
    if (title && std::string_view(title) == RuleOf(Field::AtisCode).errorTitle) m.detail = AdviceText(Advice::AtisCode);
    return m;
}

std::string FrequencyBandText(int model) {
    std::string band = FrequencyText(LowestFrequency(model)) + " - " + FrequencyText(kHighestFrequency) + " MHz";
    if (TraitsOf(model).frequencyStep == kStep25kHz) band += ", in steps of 25 kHz";
    return band;
}

std::string BandAdvice(int model, Advice plain, Advice inSteps, std::vector<std::string> values) {
    values.push_back(FrequencyText(LowestFrequency(model)));
    values.push_back(FrequencyText(kHighestFrequency));
    return AdviceText(TraitsOf(model).frequencyStep == kStep25kHz ? inSteps : plain, values);
}

Message FrequencyErrorMessage(Field field, int model) {
    const char* title = RuleOf(field).errorTitle;
    Message m = DataErrorMessage(title);
    m.detail = BandAdvice(model, Advice::Frequency, Advice::FrequencyInSteps, {title});
    return m;
}

bool ChannelComplete(std::string_view rxText, std::string_view firstNumber) {
    return rxText.find("---") == std::string_view::npos && !Trim(firstNumber).empty();
}

Message ChannelIncompleteMessage(std::string_view channels) {
    Message m{text::kIncompleteChannel, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok};
    if (!channels.empty()) m.detail = AdviceText(Advice::ChannelsIncomplete, {std::string(channels)});
    return m;
}

Message ChannelIncompleteMessage(std::string_view channel, std::string_view rxText, std::string_view firstNumber) {
    const bool noRx = rxText.find("---") != std::string_view::npos, noNumber = Trim(firstNumber).empty();
    using enum Advice;
    Message m = ChannelIncompleteMessage();
    m.detail = AdviceText(noRx && noNumber ? ChannelNoReceiveNoNumber : noRx ? ChannelNoReceive : ChannelNoNumber,
                          {std::string(channel)});
    return m;
}

}  // namespace kv
