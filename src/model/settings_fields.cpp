#include "model/settings_fields.h"

#include <array>
#include <charconv>
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

class Walk {
public:
    explicit Walk(SettingsVisitor& v) : v_(v) {}

    void Scalar(std::string_view key, const SettingValue& a, const SettingValue& b) { v_.Value(key, -1, a, b); }

    template <class R, size_t N>
    void Object(std::string_view key, int index, const R& a, const R& b, const std::array<Field<R>, N>& fields) {
        if (!v_.Open(key, index, false, a == b)) return;
        Fields(a, b, fields);
        v_.Close(false);
    }

    template <class R, size_t N>
    void Fields(const R& a, const R& b, const std::array<Field<R>, N>& fields) {
        for (const Field<R>& f : fields)
            std::visit([&](auto member) { Member(f.key, a.*member, b.*member); }, f.member);
    }

    template <class R, size_t M, size_t N>
    void Array(std::string_view key, const std::array<R, M>& a, const std::array<R, M>& b,
               const std::array<Field<R>, N>& fields) {
        if (!v_.Open(key, -1, true, a == b)) return;
        for (size_t i = 0; i < M; ++i) Object("", static_cast<int>(i), a[i], b[i], fields);
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
    void Member(std::string_view key, const T& a, const T& b) {
        v_.Value(key, -1, AsSetting(a), AsSetting(b));
    }
    template <size_t N>
    void Member(std::string_view key, const std::array<bool, N>& a, const std::array<bool, N>& b) {
        if (!v_.Open(key, -1, true, a == b)) return;
        for (size_t i = 0; i < N; ++i) v_.Value("", static_cast<int>(i), a[i], b[i]);
        v_.Close(true);
    }

    SettingsVisitor& v_;
};

}  // namespace

void VisitSettings(const RadioSession& sa, const RadioSession& sb, SettingsVisitor& visitor) {
    const RadioSettings& a = sa.settings;
    const RadioSettings& b = sb.settings;
    Walk w(visitor);
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
