#include "cli/settings_json.h"

#include <sstream>

namespace kv::cli {
namespace {

using Json = nlohmann::ordered_json;

Json ChannelToJson(const ChannelRecord& ch) {
    return Json{
        {"Position", ch.Position},     {"Enable", ch.Enable},         {"LowPower", ch.LowPower},
        {"TXPower", ch.TXPower},       {"ClockShift", ch.ClockShift}, {"PowUp", ch.PowUp},
        {"Duplex", ch.Duplex},         {"DuplexMask", ch.DuplexMask}, {"TxEnable", ch.TxEnable},
        {"DispayA", ch.DispayA},       {"ScanMemory", ch.ScanMemory}, {"ChTag", ch.ChTag},
        {"Scramble", ch.Scramble},     {"TxDisabled", ch.TxDisabled}, {"Narrow", ch.Narrow},
        {"TxDCS", ch.TxDCS},           {"RxDCS", ch.RxDCS},           {"TxCTCSS", ch.TxCTCSS},
        {"RxCTCSS", ch.RxCTCSS},       {"RxComp", ch.RxComp},         {"CHDisplayL", ch.CHDisplayL},
        {"CHDisplayR", ch.CHDisplayR}, {"Txfreq", ch.Txfreq},         {"Rxfreq", ch.Rxfreq},
        {"Sel1Copy", ch.Sel1Copy},     {"LMR EXP", ch.LmrExp},        {"USA Group", ch.UsaGroup},
        {"INT Group", ch.IntGroup},    {"CAN Group", ch.CanGroup},    {"StatusNo", ch.StatusNo},
        {"BaseCh", ch.BaseCh},         {"StatusIcon", ch.StatusIcon},
    };
}

template <class Range, class Convert>
Json ArrayOf(const Range& range, Convert convert) {
    Json array = Json::array();
    for (const auto& item : range) array.push_back(convert(item));
    return array;
}

Json UsableGroupToJson(const UsableGroupSetup& g) {
    return Json{{"Enable", g.Enable},         {"TX TOT", g.TxTot},           {"Priority CH", g.PriorityCh},
                {"Status Icon", g.StatusIcon}, {"Status name", g.StatusName}, {"Backup", g.Backup}};
}

Json CommonToJson(const CommonSetup& c) {
    return Json{
        {"TX Po Display", c.TxPoDisplay},   {"Last TX Power", c.LastTxPower},
        {"SQL", c.SQL},                     {"Last CH Group", c.LastChGroup},
        {"Last Display CH", c.LastDisplayCh}, {"Marine_LMR CH", c.MarineLmrCh},
        {"SCAN", c.SCAN},                   {"Resume Time", c.ResumeTime},
        {"PTT SCAN Clear", c.PttScanClear}, {"Dual Watch", c.DualWatch},
        {"Offset Time", c.OffsetTime},      {"Magnetic Variation", c.MagneticVariation},
        {"Weater", c.Weater},               {"RotaryBeep", c.RotaryBeep},
    };
}

Json DscBasicToJson(const DscBasicSetup& b) {
    return Json{
        {"DscGroupUsable", b.DscGroupUsable}, {"User MMSI", b.UserMMSI},
        {"DistressCancelCall", b.DistressCancelCall}, {"StanbyMode", b.StanbyMode},
        {"PosRequest", b.PosRequest},         {"PosSend", b.PosSend},
        {"PosRequestLevel", b.PosRequestLevel}, {"PosSendLevel", b.PosSendLevel},
        {"BeepOut", b.BeepOut},
    };
}

Json DscCallToJson(const DscCallSetup& c) { return Json{{"Enable", c.Enable}, {"Level", c.Level}}; }

Json AtisToJson(const AtisSetup& a) {
    return Json{
        {"Usable ATIS CH Group", a.UsableAtisChGroup},
        {"Atis Code", a.AtisCode},
        {"Usable ATIS Killer CH Group", a.UsableAtisKillerChGroup},
        {"Call Sign", ArrayOf(a.CallSign, [](const AtisCallSign& c) { return Json{{"MID", c.MID}, {"Display", c.Display}}; })},
    };
}

Json DirectoryToJson(const DirectoryEntry& e) {
    return Json{{"Enable", e.Enable}, {"TagName", e.TagName}, {"Mmsid", e.Mmsid}};
}

std::string Scalar(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    return value.dump();
}

bool IsFlat(const Json& value) {
    if (value.is_object()) return false;
    if (value.is_array())
        for (const Json& item : value)
            if (item.is_structured()) return false;
    return true;
}

std::string Inline(const Json& value) {
    if (!value.is_object()) return value.is_array() ? value.dump() : Scalar(value);
    std::string line;
    for (const auto& [key, item] : value.items()) {
        if (!line.empty()) line += ", ";
        line += key + "=" + Inline(item);
    }
    return line;
}

void WriteText(std::ostringstream& out, const Json& json, const std::string& indent) {
    for (const auto& [key, value] : json.items()) {
        if (IsFlat(value)) {
            out << indent << key << ": " << Inline(value) << "\n";
        } else if (value.is_object()) {
            out << indent << key << ":\n";
            WriteText(out, value, indent + "  ");
        } else {
            out << indent << key << ":\n";
            for (size_t i = 0; i < value.size(); ++i) out << indent << "  [" << i << "] " << Inline(value[i]) << "\n";
        }
    }
}

}  // namespace

Json SettingsToJson(const RadioSession& s) {
    const RadioSettings& r = s.settings;
    Json json;
    json["MODELTYPE"] = s.model;
    json["MODEL"] = s.ModelName();
    json["SEL1"] = s.Sel1();
    json["SEL2"] = s.Sel2();
    json["REGION"] = s.region;
    json["Usable CH Group Setup"] = ArrayOf(r.UsableGroups, UsableGroupToJson);
    json["Common Setup"] = CommonToJson(r.Common);
    json["DSC Basic Setup"] = DscBasicToJson(r.DscBasic);
    json["DSC Advanced Setup"] = Json{{"All Ships Call", DscCallToJson(r.DscAdvanced.Calls[kAllShipsCall])},
                                      {"Group Call", DscCallToJson(r.DscAdvanced.Calls[kGroupCall])},
                                      {"Individual Call", DscCallToJson(r.DscAdvanced.Calls[kIndividualCall])}};
    json["DSC Display Setup"] = Json{{"Individual ACK Menu", r.DscDisplay.IndividualAckMenu},
                                     {"Individual ACK Message Menu", r.DscDisplay.IndividualAckMessageMenu},
                                     {"POS Request ACK Menu", r.DscDisplay.PosRequestAckMenu}};
    json["ATIS Setup"] = AtisToJson(r.Atis);
    json["CHUSA"] = ArrayOf(r.CHUSA, ChannelToJson);
    json["CHINT"] = ArrayOf(r.CHINT, ChannelToJson);
    json["CHCAN"] = ArrayOf(r.CHCAN, ChannelToJson);
    json["CHWX"] = ArrayOf(r.CHWX, ChannelToJson);
    json["CHEXP"] = ArrayOf(r.CHEXP, ChannelToJson);
    json["CHRG"] = ArrayOf(r.CHRG, ChannelToJson);
    json["CHMMSID"] = ArrayOf(r.CHMMSID, DirectoryToJson);
    json["CHGRPID"] = ArrayOf(r.CHGRPID, DirectoryToJson);
    return json;
}

std::string JsonToText(const Json& json) {
    std::ostringstream out;
    WriteText(out, json, "");
    return out.str();
}

}  // namespace kv::cli
