// The rules every free-text field of the editor obeys: which keys it takes,
// how a typed value is normalised, and the check that decides whether the
// value may reach the settings record. Widgets only wire these functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/advice.h"
#include "util/prompt.h"

namespace kv {

enum class Field {
    AtisCode,             // txtATIScode
    AtisMid,              // txtATISMid(i)
    AtisDisp,             // txtATISDisp(i)
    ChannelName,          // txtChName, txtCTag
    WeatherName,          // txtDTagName
    ChannelNumberFirst,   // txtCN(0)
    ChannelNumberSecond,  // txtCN(1)
    RxFrequency,          // txtCRF
    TxFrequency,          // txtCTF
    StatusName,           // txtUsable(i)
};

struct FieldRule {
    int maxLength;           // 0: no limit
    const char* hint;        // the status-bar hint shown on focus
    const char* errorTitle;  // the "Data Error!!" caption, or nullptr
};

const FieldRule& RuleOf(Field field);

inline constexpr char kBackspace = 8;

// The key filter: the character a key press inserts at `position`, or
// nothing when the key is refused. Backspace passes; lower case becomes
// upper case in channel names. `maxLength` is the field's current limit
// (the channel number's depends on the channel).
std::optional<char> FilterKey(Field field, char key, size_t position);

// Text pasted or set as a whole: the characters the filter would have let
// through, one by one from the start, cut to maxLength.
std::string FilterText(Field field, std::string_view text, int maxLength);

// The text a field takes after an edit turned `shown` into `edited` (a key
// typed or text pasted, over a selection or not). The inserted characters
// pass the key filter; when none of them passes, the edit has no effect at
// all (nothing: the field keeps its text and its selection). An edit of the
// no-frequency form "---.----" starts the field afresh: what was typed
// replaces the form, and a deletion empties the field.
std::optional<std::string> EditedText(Field field, std::string_view shown, std::string_view edited, int maxLength);

// The channel number's limit: 3 for a marine channel numbered 100 or more.
int ChannelNumberLength(bool marine, int baseChannel);

// Normalisation when a field is left.
std::string FormatMid(std::string_view text);            // "7" -> "007", "" stays ""
std::string PadChannelNumber(std::string_view text);     // "5" -> "5 "
std::string NormaliseStatusName(std::string_view text);  // "AB" -> "  AB"

// Validating mode keeps a refused value in the field and tells the user;
// restoring mode silently puts the stored value back.
enum class CheckMode { Validating, Restoring };

template <typename T>
struct CheckResult {
    bool valid = false;
    std::string fieldText;     // what the field shows afterwards
    std::optional<T> stored;   // the value for the target, when accepted
};

// The fixed-length check: empty or exactly n characters once trimmed of
// spaces; the text is stored as typed.
CheckResult<std::string> CheckFixedLength(std::string_view typed, size_t n, std::string_view stored,
                                          CheckMode mode);

// "Leading numeric part" of a text: "156.05x" reads 156.05, "" and "x" read 0.
double LeadingNumber(std::string_view text);

// The frequency text form: "000.0000", or "---.----" for no frequency.
std::string FrequencyText(double mhz);

// True when a non-zero frequency lies in the model's band (and raster).
bool FrequencyAllowed(int model, double mhz);

// The band (and raster) a model takes: "134.0000 - 174.0000 MHz".
std::string FrequencyBandText(int model);
// A row of the message table about the band, its ends after `values`: the
// row `inSteps` on a model with steps of 25 kHz, else `plain`.
std::string BandAdvice(int model, Advice plain, Advice inSteps, std::vector<std::string> values);

// The frequency check. An empty field stores 0 (no frequency). An accepted
// value is stored as shown, to the 100 Hz of the text form.
CheckResult<double> CheckFrequency(int model, std::string_view typed, double stored, CheckMode mode);

// The warning box of a refused field, captioned with its title.
Message DataErrorMessage(const char* title);
// A refused frequency: "Data Error!!" and the band the model takes
// ("134.0000 - 174.0000 MHz"), captioned with the field's title.
Message FrequencyErrorMessage(Field field, int model);

// An enabled channel needs a receive frequency (its field shows no "---")
// and a channel number (the first number field, trimmed, is not empty).
bool ChannelComplete(std::string_view rxText, std::string_view firstNumber);
// The refusal of an enabled channel without receive frequency or number;
// `channels`, when given, names them (before a program).
Message ChannelIncompleteMessage(std::string_view channels = {});
// The editor's refusal of the enabled `channel` ("LMR Channel 5"): the same
// text, then what the channel lacks and the ways on.
Message ChannelIncompleteMessage(std::string_view channel, std::string_view rxText, std::string_view firstNumber);

}  // namespace kv
