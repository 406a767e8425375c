// The fields of the settings records, one table per record. A row names a
// field once: its key, its member, its kind (how the settings file writes
// and reads it) and the model types whose settings file has it. The
// settings file's writer and reader walk the rows in their order (the
// file's order); the settings walk (model/settings_fields: kvtool show
// --json, the difference of two programmings) walks the same rows in the
// order the record declares its members.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "image/address_map.h"
#include "model/model_traits.h"
#include "model/settings.h"
#include "model/tones.h"

namespace kv {

// A set of model types, one bit per code.
using ModelSet = uint8_t;
inline constexpr ModelSet kNoModels = 0;
inline constexpr ModelSet kAllModels = (1u << kModelCount) - 1;

constexpr bool InSet(ModelSet set, int model) { return IsValidModel(model) && ((set >> model) & 1u); }

template <class Has>
constexpr ModelSet ModelsWhere(Has has) {
    ModelSet set = kNoModels;
    for (int m = 0; m < kModelCount; ++m)
        if (has(kModelTraits[static_cast<size_t>(m)])) set |= static_cast<ModelSet>(1u << m);
    return set;
}
inline constexpr ModelSet kNamedModels = ModelsWhere([](const ModelTraits& t) { return t.names; });
inline constexpr ModelSet kToneModels = ModelsWhere([](const ModelTraits& t) { return t.toneBlock != 0; });
inline constexpr ModelSet kDscModels = ModelsWhere([](const ModelTraits& t) { return t.dsc; });
inline constexpr ModelSet kCallSignModels = ModelsWhere([](const ModelTraits& t) { return t.callSigns; });

// How the settings file writes a field and reads it back.
enum class Form : uint8_t {
    Unfiled,    // not in the settings file
    Flag,       // "1" or "0"; a number, nonzero sets it
    Whole,      // a decimal number; a whole number within lo..hi, else the field stays
    Frequency,  // MHz in its shortest form; a decimal number
    Marked,     // "#" and the text; the text, "" when the key is missing
    Plain,      // the text as it is; the text, "" when the key is missing
    Inverted,   // "0" when set, "1" when clear; set exactly when the value is "0"
};

struct Kind {
    Form form = Form::Unfiled;
    long lo = 0;  // Whole: the values the field takes
    long hi = 0;
};
inline constexpr Kind kUnfiled{};
inline constexpr Kind kFlag{Form::Flag};
inline constexpr Kind kFrequency{Form::Frequency};
inline constexpr Kind kMarked{Form::Marked};
inline constexpr Kind kPlain{Form::Plain};
inline constexpr Kind kInverted{Form::Inverted};
constexpr Kind Whole(long lo, long hi) { return {Form::Whole, lo, hi}; }
// A number the radio keeps in a field of `bits`: 0 up to the field's top.
constexpr Kind Whole(const Bits& bits) { return {Form::Whole, 0, (1L << bits.width) - 1}; }

// A member of record R.
template <class R>
using Member = std::variant<bool R::*, uint8_t R::*, int16_t R::*, uint16_t R::*, int32_t R::*, double R::*,
                            std::string R::*, std::array<bool, 3> R::*, std::array<bool, 4> R::*,
                            std::array<bool, 8> R::*>;

template <class T>
struct IsBoolArray : std::false_type {};
template <size_t N>
struct IsBoolArray<std::array<bool, N>> : std::true_type {};

// One field of record R. A record the file keeps in several kinds of
// section (the channel record) has a model set per kind of section.
template <class R, size_t Places = 1>
struct FieldRow {
    using Record = R;

    std::string_view key;
    Member<R> member;
    Kind kind = kUnfiled;
    std::array<ModelSet, Places> models = AllModels();  // the model types whose file has the key
    ModelSet alsoRead = kNoModels;  // model types whose reader takes the key though their writer leaves it out
    std::string_view walkName = {};  // the name in the settings walk, when it is not the key

    constexpr std::string_view WalkName() const { return walkName.empty() ? key : walkName; }
    constexpr bool Written(size_t place, int model) const {
        return kind.form != Form::Unfiled && InSet(models[place], model);
    }
    constexpr bool Read(size_t place, int model) const {
        return kind.form != Form::Unfiled && InSet(models[place] | alsoRead, model);
    }

private:
    static constexpr std::array<ModelSet, Places> AllModels() {
        std::array<ModelSet, Places> all{};
        all.fill(kAllModels);
        return all;
    }
};

// The row of `rows` named `key`; a name no row has does not compile.
template <class Row, size_t N>
constexpr const Row& RowNamed(const std::array<Row, N>& rows, std::string_view key) {
    for (const Row& row : rows)
        if (row.key == key) return row;
    throw std::logic_error("no row of the table has this key");
}

// Whether each row's kind suits its member: a flag is a bool (or a row of
// them), a whole number an integer whose type holds lo..hi, a frequency a
// double, a text a string. The tables below are checked when compiled.
template <class Rows>
constexpr bool KindsFitMembers(const Rows& rows) {
    using R = typename Rows::value_type::Record;
    for (const auto& row : rows) {
        const bool fits = std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(std::declval<R&>().*member)>;
                switch (row.kind.form) {
                    case Form::Unfiled: return true;
                    case Form::Flag: return std::is_same_v<T, bool> || IsBoolArray<T>::value;
                    case Form::Inverted: return std::is_same_v<T, bool>;
                    case Form::Frequency: return std::is_same_v<T, double>;
                    case Form::Marked:
                    case Form::Plain: return std::is_same_v<T, std::string>;
                    case Form::Whole:
                        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>)
                            return row.kind.lo <= row.kind.hi && row.kind.lo >= long{std::numeric_limits<T>::min()} &&
                                   row.kind.hi <= long{std::numeric_limits<T>::max()};
                        return false;
                }
                return false;
            },
            row.member);
        if (!fits) return false;
    }
    return true;
}

// ---- The tables ------------------------------------------------------------

// The channel record. The file keeps it in three kinds of section: a
// marine channel, a weather channel, an EXP or RG channel.
enum ChannelPlace : size_t { kMarinePlace, kWeatherPlace, kLandMobilePlace, kChannelPlaces };

// The models of a row: in a marine section, a weather section, an EXP or RG section.
inline constexpr auto kChannelRows = [] {
    using Ch = ChannelRecord;
    constexpr ModelSet A = kAllModels, N = kNoModels, Named = kNamedModels, Tones = kToneModels;
    static_assert(map::marine::PowerCode.width == map::lmr::PowerCode.width);
    static_assert(map::marine::Scramble.width == map::lmr::Scramble.width);
    // DCS codes come in two modes; a CTCSS field's top value marks "no tone".
    constexpr Kind dcs = Whole(0, 2 * kSecondDcsOffset);
    constexpr Kind ctcss = Whole(0, Whole(map::tone::TxCtcss).hi - 1);
    return std::to_array<FieldRow<Ch, kChannelPlaces>>({
        {"Position", &Ch::Position, Whole(0, kMarineSlots - 1), {A, N, N}},
        {"Enable", &Ch::Enable, kFlag, {A, A, A}},
        {"LMR EXP", &Ch::LmrExp, kFlag, {N, N, A}},
        {"CHDisplayL", &Ch::CHDisplayL, kPlain, {N, N, A}},
        {"CHDisplayR", &Ch::CHDisplayR, kPlain, {N, N, A}},
        {"Rxfreq", &Ch::Rxfreq, kFrequency, {N, N, A}},
        {"Txfreq", &Ch::Txfreq, kFrequency, {N, N, A}},
        {"LowPower", &Ch::LowPower, kFlag, {A, N, A}},
        {"TXPower", &Ch::TXPower, Whole(map::marine::PowerCode), {A, N, A}},
        {"PowUp", &Ch::PowUp, kFlag, {A, N, A}},
        {"Duplex", &Ch::Duplex, Whole(map::marine::Duplex), {A, N, N}},
        {"TxEnable", &Ch::TxEnable, kFlag, {A, N, N}},
        {"DispayA", &Ch::DispayA, kFlag, {A, N, N}},
        {"ScanMemory", &Ch::ScanMemory, kFlag, {A, A, A}},
        {"ClockShift", &Ch::ClockShift, kFlag, {N, N, A}},
        {"USA Group", &Ch::UsaGroup, kInverted, {N, N, A}},
        {"INT Group", &Ch::IntGroup, kInverted, {N, N, A}},
        {"CAN Group", &Ch::CanGroup, kInverted, {N, N, A}},
        {"Scramble", &Ch::Scramble, Whole(map::marine::Scramble), {Named, N, Tones}},
        {"ChTag", &Ch::ChTag, kMarked, {Named, A, Tones}},
        {"Narrow", &Ch::Narrow, kFlag, {N, N, Tones}},
        {"TxDCS", &Ch::TxDCS, dcs, {N, N, Tones}},
        {"RxDCS", &Ch::RxDCS, dcs, {N, N, Tones}},
        {"RxComp", &Ch::RxComp, kFlag, {N, N, Tones}},
        {"TxCTCSS", &Ch::TxCTCSS, ctcss, {N, N, Tones}},
        {"RxCTCSS", &Ch::RxCTCSS, ctcss, {N, N, Tones}},
        {"StatusIcon", &Ch::StatusIcon, kPlain, {A, N, N}},
        {"StatusNo", &Ch::StatusNo, kPlain, {A, N, N}},
        {"BaseCh", &Ch::BaseCh, Whole(map::marine::BaseCh), {A, N, N}},
        {"DuplexMask", &Ch::DuplexMask},
        {"TxDisabled", &Ch::TxDisabled},
        {"Sel1Copy", &Ch::Sel1Copy},
    });
}();

// The usable-group setup. The file keys a group's flags by index ("TX TOT 2"),
// its usable flag by the group's name ("USA", "LMR CH"), its backup by its
// priority key ("Priority CH 1Backup").
inline constexpr auto kGroupRows = std::to_array<FieldRow<UsableGroupSetup>>({
    {"Enable", &UsableGroupSetup::Enable, kFlag},
    {"TX TOT", &UsableGroupSetup::TxTot, kFlag},
    {"Priority CH", &UsableGroupSetup::PriorityCh, Whole(-1, 0xFFFF)},  // -1: none
    {"Status Icon", &UsableGroupSetup::StatusIcon, kFlag},
    {"Status name", &UsableGroupSetup::StatusName, kPlain, {kNamedModels}},
    {"Backup", &UsableGroupSetup::Backup, Whole(0, 255)},
});

inline constexpr auto kCommonRows = std::to_array<FieldRow<CommonSetup>>({
    {"TX Po Display", &CommonSetup::TxPoDisplay, Whole(map::TxPoDisplay)},
    {"Last TX Power", &CommonSetup::LastTxPower, Whole(map::LastTxPower)},
    {"Last CH Group", &CommonSetup::LastChGroup, Whole(map::LastChGroup)},
    {"SQL", &CommonSetup::SQL, Whole(map::SQL)},
    {"Last Display CH", &CommonSetup::LastDisplayCh, Whole(0, 0xFFFF)},
    {"Marine_LMR CH", &CommonSetup::MarineLmrCh, Whole(0, 0xFFFF)},
    {"SCAN", &CommonSetup::SCAN, kFlag},
    {"Resume Time", &CommonSetup::ResumeTime, Whole(map::ResumeTime)},
    {"PTT SCAN Clear", &CommonSetup::PttScanClear, kFlag},
    {"Dual Watch", &CommonSetup::DualWatch, kFlag},
    {"Offset Time", &CommonSetup::OffsetTime, Whole(0, 24)},  // -12..+12 hours
    {"Magnetic Variation", &CommonSetup::MagneticVariation, Whole(map::MagneticVariation)},
    {"Weater", &CommonSetup::Weater, Whole(map::Weater)},
    {"RotaryBeep", &CommonSetup::RotaryBeep},
});

// The killer groups are written for the model type with call signs only,
// and read on every DSC model type: a DSC file that carries them is taken
// at its word, one without them leaves the flags as they were.
inline constexpr auto kAtisRows = std::to_array<FieldRow<AtisSetup>>({
    {"Usable ATIS CH Group", &AtisSetup::UsableAtisChGroup, kFlag},
    {"Atis Code", &AtisSetup::AtisCode, kMarked},
    {"Usable ATIS Kikker CH Group", &AtisSetup::UsableAtisKillerChGroup, kFlag, {kCallSignModels}, kDscModels,
     "Usable ATIS Killer CH Group"},
});

inline constexpr auto kCallSignRows = std::to_array<FieldRow<AtisCallSign>>({
    {"MID", &AtisCallSign::MID},
    {"Display", &AtisCallSign::Display},
});

inline constexpr auto kDirectoryRows = std::to_array<FieldRow<DirectoryEntry>>({
    {"Enable", &DirectoryEntry::Enable, kFlag},
    {"TagName", &DirectoryEntry::TagName, kMarked},  // the mark keeps leading spaces
    {"Mmsid", &DirectoryEntry::Mmsid, kPlain},
});

inline constexpr auto kDscBasicRows = std::to_array<FieldRow<DscBasicSetup>>({
    {"DscGroupUsable", &DscBasicSetup::DscGroupUsable},
    {"User MMSI", &DscBasicSetup::UserMMSI},
    {"DistressCancelCall", &DscBasicSetup::DistressCancelCall},
    {"StanbyMode", &DscBasicSetup::StanbyMode},
    {"PosRequest", &DscBasicSetup::PosRequest},
    {"PosSend", &DscBasicSetup::PosSend},
    {"PosRequestLevel", &DscBasicSetup::PosRequestLevel},
    {"PosSendLevel", &DscBasicSetup::PosSendLevel},
    {"BeepOut", &DscBasicSetup::BeepOut},
});

inline constexpr auto kDscCallRows = std::to_array<FieldRow<DscCallSetup>>({
    {"Enable", &DscCallSetup::Enable},
    {"Level", &DscCallSetup::Level},
});

inline constexpr auto kDscDisplayRows = std::to_array<FieldRow<DscDisplaySetup>>({
    {"Individual ACK Menu", &DscDisplaySetup::IndividualAckMenu},
    {"Individual ACK Message Menu", &DscDisplaySetup::IndividualAckMessageMenu},
    {"POS Request ACK Menu", &DscDisplaySetup::PosRequestAckMenu},
});

static_assert(KindsFitMembers(kChannelRows) && KindsFitMembers(kGroupRows) && KindsFitMembers(kCommonRows) &&
              KindsFitMembers(kAtisRows) && KindsFitMembers(kCallSignRows) && KindsFitMembers(kDirectoryRows) &&
              KindsFitMembers(kDscBasicRows) && KindsFitMembers(kDscCallRows) && KindsFitMembers(kDscDisplayRows));

}  // namespace kv
