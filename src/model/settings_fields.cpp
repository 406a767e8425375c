#include "model/settings_fields.h"

#include <array>
#include <charconv>
#include <limits>
#include <mutex>
#include <span>
#include <stdexcept>
#include <unordered_set>

#include "image/codec.h"
#include "image/defaults.h"
#include "model/field_table.h"

namespace kv {
namespace {

// A field as the walk names it.
template <class R>
struct WalkField {
    std::string_view name;
    Member<R> member;
};

// The walk lists a record's fields in the order the record declares them
// (kvtool show --json always has), whatever order the settings file keeps.
// Where the table's order is that order already, the walk takes it as it is.
template <class R, size_t P, size_t N>
constexpr std::array<WalkField<R>, N> InTableOrder(const std::array<FieldRow<R, P>, N>& rows) {
    std::array<WalkField<R>, N> walk{};
    for (size_t i = 0; i < N; ++i) walk[i] = {rows[i].WalkName(), rows[i].member};
    return walk;
}

// Else the record's members in their order name the rows: each one row,
// every row once, or the walk does not compile.
template <class R, size_t P, size_t N>
constexpr std::array<WalkField<R>, N> InOrder(const std::array<FieldRow<R, P>, N>& rows,
                                              const std::array<Member<R>, N>& order) {
    std::array<WalkField<R>, N> walk{};
    for (size_t i = 0; i < N; ++i) {
        for (size_t k = 0; k < i; ++k)
            if (order[k] == order[i]) throw std::logic_error("a member is named twice");
        size_t found = N;
        for (size_t r = 0; r < N; ++r)
            if (rows[r].member == order[i]) found = r;
        if (found == N) throw std::logic_error("a member has no row");
        walk[i] = {rows[found].WalkName(), rows[found].member};
    }
    return walk;
}

using Ch = ChannelRecord;
constexpr auto kChannelWalk = InOrder(kChannelRows, std::to_array<Member<Ch>>({
    &Ch::Position, &Ch::Enable, &Ch::LowPower, &Ch::TXPower, &Ch::ClockShift, &Ch::PowUp, &Ch::Duplex,
    &Ch::DuplexMask, &Ch::TxEnable, &Ch::DispayA, &Ch::ScanMemory, &Ch::ChTag, &Ch::Scramble, &Ch::TxDisabled,
    &Ch::Narrow, &Ch::TxDCS, &Ch::RxDCS, &Ch::TxCTCSS, &Ch::RxCTCSS, &Ch::RxComp, &Ch::CHDisplayL, &Ch::CHDisplayR,
    &Ch::Txfreq, &Ch::Rxfreq, &Ch::Sel1Copy, &Ch::LmrExp, &Ch::UsaGroup, &Ch::IntGroup, &Ch::CanGroup,
    &Ch::StatusNo, &Ch::BaseCh, &Ch::StatusIcon,
}));
using Common = CommonSetup;
constexpr auto kCommonWalk = InOrder(kCommonRows, std::to_array<Member<Common>>({
    &Common::TxPoDisplay, &Common::LastTxPower, &Common::SQL, &Common::LastChGroup, &Common::LastDisplayCh,
    &Common::MarineLmrCh, &Common::SCAN, &Common::ResumeTime, &Common::PttScanClear, &Common::DualWatch,
    &Common::OffsetTime, &Common::MagneticVariation, &Common::Weater, &Common::RotaryBeep,
}));
constexpr auto kGroupWalk = InTableOrder(kGroupRows);
constexpr auto kAtisWalk = InTableOrder(kAtisRows);
constexpr auto kCallSignWalk = InTableOrder(kCallSignRows);
constexpr auto kDirectoryWalk = InTableOrder(kDirectoryRows);
constexpr auto kDscBasicWalk = InTableOrder(kDscBasicRows);
constexpr auto kDscCallWalk = InTableOrder(kDscCallRows);
constexpr auto kDscDisplayWalk = InTableOrder(kDscDisplayRows);

constexpr std::array<std::string_view, 3> kDscCallNames{"All Ships Call", "Group Call", "Individual Call"};

template <class T>
SettingValue AsSetting(const T& value) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, double> || std::is_same_v<T, std::string>)
        return value;
    else
        return static_cast<int64_t>(value);
}

constexpr std::string_view kNotARecordField = "it is not a setting of a record";
constexpr std::string_view kWeatherList = "CHWX";
constexpr std::string_view kWeatherAlert = "Common Setup.Weater";

// Whether a and b hold equal contents; one record walked against itself
// (a store, a look-up) is not compared field by field.
template <class R>
bool Same(const R& a, const R& b) {
    return &a == &b || a == b;
}

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
    void Object(std::string_view key, int index, R& a, R& b, const std::array<WalkField<std::remove_const_t<R>>, N>& fields) {
        if (!v_.Open(key, index, false, Same(a, b))) return;
        Fields(a, b, fields);
        v_.Close(false);
    }

    template <class R, size_t N>
    void Fields(R& a, R& b, const std::array<WalkField<std::remove_const_t<R>>, N>& fields) {
        for (const auto& f : fields)
            std::visit([&](auto member) { Value(f.name, a.*member, b.*member); }, f.member);
    }

    template <class A, size_t N>
    void Array(std::string_view key, A& a, A& b, const std::array<WalkField<typename std::remove_const_t<A>::value_type>, N>& fields) {
        if (!v_.Open(key, -1, true, Same(a, b))) return;
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
    void Value(std::string_view key, T& a, T& b) {
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
    w.Array("Usable CH Group Setup", a.UsableGroups, b.UsableGroups, kGroupWalk);
    w.Object("Common Setup", -1, a.Common, b.Common, kCommonWalk);
    w.Object("DSC Basic Setup", -1, a.DscBasic, b.DscBasic, kDscBasicWalk);
    w.Section("DSC Advanced Setup", Same(a.DscAdvanced, b.DscAdvanced), [&] {
        for (size_t k = 0; k < kDscCallNames.size(); ++k)
            w.Object(kDscCallNames[k], -1, a.DscAdvanced.Calls[k], b.DscAdvanced.Calls[k], kDscCallWalk);
    });
    w.Object("DSC Display Setup", -1, a.DscDisplay, b.DscDisplay, kDscDisplayWalk);
    w.Section("ATIS Setup", Same(a.Atis, b.Atis), [&] {
        w.Fields(a.Atis, b.Atis, kAtisWalk);
        w.Array("Call Sign", a.Atis.CallSign, b.Atis.CallSign, kCallSignWalk);
    });
    w.Array("CHUSA", a.CHUSA, b.CHUSA, kChannelWalk);
    w.Array("CHINT", a.CHINT, b.CHINT, kChannelWalk);
    w.Array("CHCAN", a.CHCAN, b.CHCAN, kChannelWalk);
    w.Array(kWeatherList, a.CHWX, b.CHWX, kChannelWalk);
    w.Array("CHEXP", a.CHEXP, b.CHEXP, kChannelWalk);
    w.Array("CHRG", a.CHRG, b.CHRG, kChannelWalk);
    w.Array("CHMMSID", a.CHMMSID, b.CHMMSID, kDirectoryWalk);
    w.Array("CHGRPID", a.CHGRPID, b.CHGRPID, kDirectoryWalk);
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

// A step of a path: a key after a dot, an array's element as its index.
void AppendStep(std::string& path, std::string_view key, int index) {
    if (index >= 0) {
        path += "[" + std::to_string(index) + "]";
        return;
    }
    if (!path.empty()) path += ".";
    path += key;
}

// The path as the walk writes it ("CHUSA[013].ChTag" is "CHUSA[13].ChTag").
std::string Canonical(const std::vector<Step>& steps) {
    std::string path;
    for (const Step& step : steps) AppendStep(path, step.key, step.index);
    return path;
}

// The path of the walk's position.
class PathStack {
public:
    void Push(std::string_view key, int index) {
        sizes_.push_back(path_.size());
        AppendStep(path_, key, index);
    }
    void Pop() {
        path_.resize(sizes_.back());
        sizes_.pop_back();
    }
    std::string With(std::string_view key, int index) const {
        std::string path = path_;
        AppendStep(path, key, index);
        return path;
    }

private:
    std::string path_;
    std::vector<size_t> sizes_;
};

// Every value of a walk made to differ: flags flipped, numbers moved by one
// (the lowest bit flipped, so a number stays within its type), text lengthened.
class Perturb : public SettingsVisitor, public ValueEditor {
public:
    bool Open(std::string_view, int, bool, bool) override { return true; }
    void Close(bool) override {}
    void Value(std::string_view, int, const SettingValue& a, const SettingValue&) override {
        struct Other {
            SettingValue operator()(bool b) const { return !b; }
            SettingValue operator()(int64_t n) const { return n ^ 1; }
            SettingValue operator()(double d) const { return d + 1; }
            SettingValue operator()(const std::string& t) const { return t + "x"; }
        };
        next_ = std::visit(Other{}, a);
    }
    const SettingValue* Replacement() override { return &next_; }
    void Stored(std::string_view) override {}

private:
    SettingValue next_;
};

// The paths whose values differ between two sessions.
class Differences : public SettingsVisitor {
public:
    explicit Differences(std::unordered_set<std::string>& out) : out_(out) {}
    bool Open(std::string_view key, int index, bool, bool same) override {
        if (same) return false;
        path_.Push(key, index);
        return true;
    }
    void Close(bool) override { path_.Pop(); }
    void Value(std::string_view key, int index, const SettingValue& a, const SettingValue& b) override {
        if (a != b) out_.insert(path_.With(key, index));
    }

private:
    std::unordered_set<std::string>& out_;
    PathStack path_;
};

// The settings the radios of a model type do not keep, by path. The decoder
// judges: what it takes from the image the radio keeps; what it leaves as it
// was, the radio has no place for. So two sessions that differ in every
// setting both decode one image, and the settings still different afterwards
// are the ones the image does not hold. Worked out once per model type.
const std::unordered_set<std::string>& NotKeptPaths(int model) {
    static std::array<std::once_flag, kModelCount> once;
    static std::array<std::unordered_set<std::string>, kModelCount> paths;
    const auto m = static_cast<size_t>(model);
    std::call_once(once[m], [&] {
        RadioSession a;
        a.model = model;
        ResetToDefaults(a);
        RadioSession b = a;
        Perturb perturb;
        WalkSettings<RadioSettings>(b, b, b.settings, b.settings, perturb, &perturb);
        DecodeImage(a);
        DecodeImage(b);
        Differences differences(paths[m]);
        VisitSettings(a, b, differences);
    });
    return paths[m];
}

// Why the radios of the session's model type do not keep the setting at a
// (canonical) path; "" when they do. A model type without weather channels
// still has their bytes in its image: it keeps neither the list nor the alert.
std::string NotKept(int model, const std::string& path) {
    if (!IsValidModel(model)) return "";
    const std::string type = "model type " + std::to_string(model) + " radios ";
    if (!TraitsOf(model).weather && (path.starts_with(std::string(kWeatherList) + "[") || path == kWeatherAlert))
        return type + "have no weather channels";
    if (NotKeptPaths(model).contains(path)) return type + "do not keep this setting";
    return "";
}

}  // namespace

void VisitSettings(const RadioSession& a, const RadioSession& b, SettingsVisitor& visitor) {
    WalkSettings<const RadioSettings>(a, b, a.settings, b.settings, visitor, nullptr);
}

SettingAt FindSetting(const RadioSession& session, std::string_view path) {
    PathFinder look(path, nullptr);
    VisitSettings(session, session, look);
    SettingAt at = look.result();
    if (!at.found) return at;
    // Every record's field lies inside a section; the scalars (MODELTYPE and
    // the like) stand alone.
    const std::vector<Step> steps = ParsePath(path);
    at.settable = steps.size() > 1;
    if (at.settable) at.notKept = NotKept(session.model, Canonical(steps));
    return at;
}

std::string StoreSetting(RadioSession& session, std::string_view path, const SettingValue& value) {
    if (const std::vector<Step> steps = ParsePath(path); steps.size() > 1)
        if (std::string why = NotKept(session.model, Canonical(steps)); !why.empty()) return why;
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
