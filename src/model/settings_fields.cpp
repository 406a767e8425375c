#include "model/settings_fields.h"

#include <array>
#include <charconv>
#include <limits>
#include <span>

namespace kv {
namespace {

// A member of record R and how it reads as a setting.
template <class R>
using Member = std::variant<bool R::*, uint8_t R::*, int16_t R::*, uint16_t R::*, int32_t R::*, double R::*,
                            std::string R::*, std::array<bool, 3> R::*, std::array<bool, 4> R::*,
                            std::array<bool, 8> R::*>;

template <class R>
struct Field {
    std::string_view key;
    Member<R> member;
};

using Ch = ChannelRecord;
constexpr std::array<Field<Ch>, 32> kChannelFields{{
    {"Position", &Ch::Position},     {"Enable", &Ch::Enable},         {"LowPower", &Ch::LowPower},
    {"TXPower", &Ch::TXPower},       {"ClockShift", &Ch::ClockShift}, {"PowUp", &Ch::PowUp},
    {"Duplex", &Ch::Duplex},         {"DuplexMask", &Ch::DuplexMask}, {"TxEnable", &Ch::TxEnable},
    {"DispayA", &Ch::DispayA},       {"ScanMemory", &Ch::ScanMemory}, {"ChTag", &Ch::ChTag},
    {"Scramble", &Ch::Scramble},     {"TxDisabled", &Ch::TxDisabled}, {"Narrow", &Ch::Narrow},
    {"TxDCS", &Ch::TxDCS},           {"RxDCS", &Ch::RxDCS},           {"TxCTCSS", &Ch::TxCTCSS},
    {"RxCTCSS", &Ch::RxCTCSS},       {"RxComp", &Ch::RxComp},         {"CHDisplayL", &Ch::CHDisplayL},
    {"CHDisplayR", &Ch::CHDisplayR}, {"Txfreq", &Ch::Txfreq},         {"Rxfreq", &Ch::Rxfreq},
    {"Sel1Copy", &Ch::Sel1Copy},     {"LMR EXP", &Ch::LmrExp},        {"USA Group", &Ch::UsaGroup},
    {"INT Group", &Ch::IntGroup},    {"CAN Group", &Ch::CanGroup},    {"StatusNo", &Ch::StatusNo},
    {"BaseCh", &Ch::BaseCh},         {"StatusIcon", &Ch::StatusIcon},
}};

using Group = UsableGroupSetup;
constexpr std::array<Field<Group>, 6> kGroupFields{{
    {"Enable", &Group::Enable},         {"TX TOT", &Group::TxTot},           {"Priority CH", &Group::PriorityCh},
    {"Status Icon", &Group::StatusIcon}, {"Status name", &Group::StatusName}, {"Backup", &Group::Backup},
}};

using Common = CommonSetup;
constexpr std::array<Field<Common>, 14> kCommonFields{{
    {"TX Po Display", &Common::TxPoDisplay},     {"Last TX Power", &Common::LastTxPower},
    {"SQL", &Common::SQL},                       {"Last CH Group", &Common::LastChGroup},
    {"Last Display CH", &Common::LastDisplayCh}, {"Marine_LMR CH", &Common::MarineLmrCh},
    {"SCAN", &Common::SCAN},                     {"Resume Time", &Common::ResumeTime},
    {"PTT SCAN Clear", &Common::PttScanClear},   {"Dual Watch", &Common::DualWatch},
    {"Offset Time", &Common::OffsetTime},        {"Magnetic Variation", &Common::MagneticVariation},
    {"Weater", &Common::Weater},                 {"RotaryBeep", &Common::RotaryBeep},
}};

using Basic = DscBasicSetup;
constexpr std::array<Field<Basic>, 9> kDscBasicFields{{
    {"DscGroupUsable", &Basic::DscGroupUsable},   {"User MMSI", &Basic::UserMMSI},
    {"DistressCancelCall", &Basic::DistressCancelCall}, {"StanbyMode", &Basic::StanbyMode},
    {"PosRequest", &Basic::PosRequest},           {"PosSend", &Basic::PosSend},
    {"PosRequestLevel", &Basic::PosRequestLevel}, {"PosSendLevel", &Basic::PosSendLevel},
    {"BeepOut", &Basic::BeepOut},
}};

constexpr std::array<Field<DscCallSetup>, 2> kDscCallFields{{
    {"Enable", &DscCallSetup::Enable}, {"Level", &DscCallSetup::Level}}};
constexpr std::array<std::string_view, 3> kDscCallNames{"All Ships Call", "Group Call", "Individual Call"};

using Display = DscDisplaySetup;
constexpr std::array<Field<Display>, 3> kDscDisplayFields{{
    {"Individual ACK Menu", &Display::IndividualAckMenu},
    {"Individual ACK Message Menu", &Display::IndividualAckMessageMenu},
    {"POS Request ACK Menu", &Display::PosRequestAckMenu},
}};

constexpr std::array<Field<AtisSetup>, 3> kAtisFields{{
    {"Usable ATIS CH Group", &AtisSetup::UsableAtisChGroup},
    {"Atis Code", &AtisSetup::AtisCode},
    {"Usable ATIS Killer CH Group", &AtisSetup::UsableAtisKillerChGroup},
}};
constexpr std::array<Field<AtisCallSign>, 2> kCallSignFields{{
    {"MID", &AtisCallSign::MID}, {"Display", &AtisCallSign::Display}}};

constexpr std::array<Field<DirectoryEntry>, 3> kDirectoryFields{{
    {"Enable", &DirectoryEntry::Enable}, {"TagName", &DirectoryEntry::TagName}, {"Mmsid", &DirectoryEntry::Mmsid}}};

template <class T>
SettingValue AsSetting(const T& value) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, double> || std::is_same_v<T, std::string>)
        return value;
    else
        return static_cast<int64_t>(value);
}

template <class T>
struct IsBoolArray : std::false_type {};
template <size_t N>
struct IsBoolArray<std::array<bool, N>> : std::true_type {};

constexpr std::string_view kNotARecordField = "it is not a setting of a record";

// What a walk over one session that may change it asks at each value: the
// value to store there, if any, and whether it could be stored.
class ValueEditor {
public:
    virtual ~ValueEditor() = default;
    virtual const SettingValue* Replacement() = 0;
    virtual void Stored(std::string_view refusal) = 0;
};

template <class T>
std::string StoreAs(T& member, const SettingValue& value) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
        const T* typed = std::get_if<T>(&value);
        if (!typed) return "the value is not of the setting's kind";
        member = *typed;
    } else {
        const int64_t* number = std::get_if<int64_t>(&value);
        if (!number) return "the value is not a whole number";
        if (*number < std::numeric_limits<T>::min() || *number > std::numeric_limits<T>::max())
            return "the value must lie between " + std::to_string(std::numeric_limits<T>::min()) + " and " +
                   std::to_string(std::numeric_limits<T>::max());
        member = static_cast<T>(*number);
    }
    return "";
}

// Walks the records of two sessions side by side (S: const RadioSettings),
// or of one session that an editor may change (S: RadioSettings, a and b
// the same record).
template <class S>
class Walk {
public:
    explicit Walk(SettingsVisitor& v, ValueEditor* editor = nullptr) : v_(v), editor_(editor) {}

    void Scalar(std::string_view key, const SettingValue& a, const SettingValue& b) {
        v_.Value(key, -1, a, b);
        if (editor_ && editor_->Replacement()) editor_->Stored(kNotARecordField);
    }

    template <class R, size_t N>
    void Object(std::string_view key, int index, R& a, R& b, const std::array<Field<std::remove_const_t<R>>, N>& fields) {
        if (!v_.Open(key, index, false, a == b)) return;
        Fields(a, b, fields);
        v_.Close(false);
    }

    template <class R, size_t N>
    void Fields(R& a, R& b, const std::array<Field<std::remove_const_t<R>>, N>& fields) {
        for (const auto& f : fields)
            std::visit([&](auto member) { Member(f.key, a.*member, b.*member); }, f.member);
    }

    template <class A, size_t N>
    void Array(std::string_view key, A& a, A& b, const std::array<Field<typename std::remove_const_t<A>::value_type>, N>& fields) {
        if (!v_.Open(key, -1, true, a == b)) return;
        for (size_t i = 0; i < a.size(); ++i) Object("", static_cast<int>(i), a[i], b[i], fields);
        v_.Close(true);
    }

    template <class Inner>
    void Section(std::string_view key, bool same, Inner inner) {
        if (!v_.Open(key, -1, false, same)) return;
        inner();
        v_.Close(false);
    }

private:
    template <class T>
    void Member(std::string_view key, T& a, T& b) {
        if constexpr (IsBoolArray<std::remove_const_t<T>>::value) {
            if (!v_.Open(key, -1, true, a == b)) return;
            for (size_t i = 0; i < a.size(); ++i) {
                v_.Value("", static_cast<int>(i), a[i], b[i]);
                Edit(b[i]);
            }
            v_.Close(true);
        } else {
            v_.Value(key, -1, AsSetting(a), AsSetting(b));
            Edit(b);
        }
    }
    template <class T>
    void Edit(T& member) {
        if constexpr (!std::is_const_v<T>) {
            if (!editor_) return;
            if (const SettingValue* value = editor_->Replacement()) editor_->Stored(StoreAs(member, *value));
        }
    }

    SettingsVisitor& v_;
    ValueEditor* editor_;
};

// Every setting of a and b; S is const for a plain walk.
template <class S>
void WalkSettings(const RadioSession& sa, const RadioSession& sb, S& a, S& b, SettingsVisitor& visitor,
                  ValueEditor* editor) {
    Walk<S> w(visitor, editor);
    w.Scalar("MODELTYPE", int64_t{sa.model}, int64_t{sb.model});
    w.Scalar("MODEL", sa.ModelName(), sb.ModelName());
    w.Scalar("SEL1", sa.Sel1(), sb.Sel1());
    w.Scalar("SEL2", sa.Sel2(), sb.Sel2());
    w.Scalar("REGION", int64_t{sa.region}, int64_t{sb.region});
    w.Array("Usable CH Group Setup", a.UsableGroups, b.UsableGroups, kGroupFields);
    w.Object("Common Setup", -1, a.Common, b.Common, kCommonFields);
    w.Object("DSC Basic Setup", -1, a.DscBasic, b.DscBasic, kDscBasicFields);
    w.Section("DSC Advanced Setup", a.DscAdvanced == b.DscAdvanced, [&] {
        for (size_t k = 0; k < kDscCallNames.size(); ++k)
            w.Object(kDscCallNames[k], -1, a.DscAdvanced.Calls[k], b.DscAdvanced.Calls[k], kDscCallFields);
    });
    w.Object("DSC Display Setup", -1, a.DscDisplay, b.DscDisplay, kDscDisplayFields);
    w.Section("ATIS Setup", a.Atis == b.Atis, [&] {
        w.Fields(a.Atis, b.Atis, kAtisFields);
        w.Array("Call Sign", a.Atis.CallSign, b.Atis.CallSign, kCallSignFields);
    });
    w.Array("CHUSA", a.CHUSA, b.CHUSA, kChannelFields);
    w.Array("CHINT", a.CHINT, b.CHINT, kChannelFields);
    w.Array("CHCAN", a.CHCAN, b.CHCAN, kChannelFields);
    w.Array("CHWX", a.CHWX, b.CHWX, kChannelFields);
    w.Array("CHEXP", a.CHEXP, b.CHEXP, kChannelFields);
    w.Array("CHRG", a.CHRG, b.CHRG, kChannelFields);
    w.Array("CHMMSID", a.CHMMSID, b.CHMMSID, kDirectoryFields);
    w.Array("CHGRPID", a.CHGRPID, b.CHGRPID, kDirectoryFields);
}

// A path cut into the keys and indexes the walk opens: "CHUSA[13].ChTag" is
// CHUSA, [13], ChTag. Empty when the text is no path.
struct Step {
    std::string key;
    int index = -1;
};
std::vector<Step> ParsePath(std::string_view path) {
    std::vector<Step> steps;
    size_t i = 0;
    while (i < path.size()) {
        if (!steps.empty() && path[i] == '.') ++i;
        const size_t keyEnd = std::min(path.find_first_of(".[", i), path.size());
        if (keyEnd == i) return {};
        steps.push_back({std::string(path.substr(i, keyEnd - i)), -1});
        i = keyEnd;
        while (i < path.size() && path[i] == '[') {
            const size_t close = path.find(']', i);
            int index = -1;
            const auto [end, error] = std::from_chars(path.data() + i + 1, path.data() + std::min(close, path.size()), index);
            if (close == std::string_view::npos || error != std::errc() || end != path.data() + close || index < 0)
                return {};
            steps.push_back({"", index});
            i = close + 1;
        }
        if (i < path.size() && path[i] != '.') return {};
    }
    return steps;
}

// Follows one path down the walk, skipping every other branch; may store a
// value at its end.
class PathFinder : public SettingsVisitor, public ValueEditor {
public:
    PathFinder(std::string_view path, const SettingValue* replacement)
        : steps_(ParsePath(path)), replacement_(replacement) {}

    bool Open(std::string_view key, int index, bool, bool) override {
        if (!Matches(key, index)) return false;
        ++depth_;
        return true;
    }
    void Close(bool) override { --depth_; }
    void Value(std::string_view key, int index, const SettingValue& a, const SettingValue&) override {
        atEnd_ = Matches(key, index) && depth_ + 1 == steps_.size();
        if (atEnd_) result_.found = true, result_.value = a;
    }
    const SettingValue* Replacement() override { return atEnd_ ? replacement_ : nullptr; }
    void Stored(std::string_view refusal) override {
        result_.settable = refusal != kNotARecordField;
        refusal_ = refusal;
        atEnd_ = false;
    }
    const SettingAt& result() const { return result_; }
    const std::string& refusal() const { return refusal_; }

private:
    bool Matches(std::string_view key, int index) const {
        if (depth_ >= steps_.size()) return false;
        const Step& step = steps_[depth_];
        return step.key == key && step.index == index;
    }

    std::vector<Step> steps_;
    const SettingValue* replacement_;
    size_t depth_ = 0;
    bool atEnd_ = false;
    SettingAt result_;
    std::string refusal_;
};

}  // namespace

void VisitSettings(const RadioSession& a, const RadioSession& b, SettingsVisitor& visitor) {
    WalkSettings<const RadioSettings>(a, b, a.settings, b.settings, visitor, nullptr);
}

SettingAt FindSetting(const RadioSession& session, std::string_view path) {
    // A copy stores a value of the setting's own kind: that tells a record's
    // field (which takes it) from a scalar such as MODELTYPE (which cannot).
    RadioSession probe = session;
    PathFinder look(path, nullptr);
    VisitSettings(session, session, look);
    SettingAt at = look.result();
    if (!at.found) return at;
    PathFinder store(path, &at.value);
    WalkSettings<RadioSettings>(probe, probe, probe.settings, probe.settings, store, &store);
    at.settable = store.result().settable;
    return at;
}

std::string StoreSetting(RadioSession& session, std::string_view path, const SettingValue& value) {
    PathFinder store(path, &value);
    WalkSettings<RadioSettings>(session, session, session.settings, session.settings, store, &store);
    if (!store.result().found) return "no setting is named \"" + std::string(path) + "\"";
    return store.refusal();
}

std::string SettingText(const SettingValue& value) {
    struct Text {
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(int64_t n) const { return std::to_string(n); }
        std::string operator()(double d) const {
            char text[32];
            const auto end = std::to_chars(text, text + sizeof text, d).ptr;
            return std::string(text, end);
        }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Text{}, value);
}

}  // namespace kv
