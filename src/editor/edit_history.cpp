#include "editor/edit_history.h"

#include <algorithm>

#include "editor/channel_screens.h"
#include "editor/common_setup_options.h"
#include "report/converters.h"
#include "report/report.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

// Calls f(id, a, b) for every record of two settings, in one fixed order.
// Every member of RadioSettings appears here once.
template <class F>
void ForEachRecordPair(const RadioSettings& a, const RadioSettings& b, F&& f) {
    const auto all = [&](Section section, const auto& x, const auto& y) {
        for (size_t i = 0; i < x.size(); ++i) f(RecordId{section, static_cast<int>(i)}, x[i], y[i]);
    };
    const auto one = [&](Section section, const auto& x, const auto& y) { f(RecordId{section, 0}, x, y); };
    all(Section::UsableGroup, a.UsableGroups, b.UsableGroups);
    one(Section::Common, a.Common, b.Common);
    one(Section::DscBasic, a.DscBasic, b.DscBasic);
    one(Section::DscAdvanced, a.DscAdvanced, b.DscAdvanced);
    one(Section::DscDisplay, a.DscDisplay, b.DscDisplay);
    one(Section::AtisGroups, a.Atis.UsableAtisChGroup, b.Atis.UsableAtisChGroup);
    one(Section::AtisKillerGroups, a.Atis.UsableAtisKillerChGroup, b.Atis.UsableAtisKillerChGroup);
    one(Section::AtisCode, a.Atis.AtisCode, b.Atis.AtisCode);
    all(Section::AtisCallSign, a.Atis.CallSign, b.Atis.CallSign);
    all(Section::ChUsa, a.CHUSA, b.CHUSA);
    all(Section::ChInt, a.CHINT, b.CHINT);
    all(Section::ChCan, a.CHCAN, b.CHCAN);
    all(Section::ChWx, a.CHWX, b.CHWX);
    all(Section::ChExp, a.CHEXP, b.CHEXP);
    all(Section::ChRg, a.CHRG, b.CHRG);
    all(Section::ChMmsid, a.CHMMSID, b.CHMMSID);
    all(Section::ChGrpid, a.CHGRPID, b.CHGRPID);
}

// Calls f(record) on the one record an id names.
template <class F>
void VisitRecord(RadioSettings& s, RecordId id, F&& f) {
    const auto i = static_cast<size_t>(id.index);
    switch (id.section) {
        case Section::UsableGroup: return f(s.UsableGroups.at(i));
        case Section::Common: return f(s.Common);
        case Section::DscBasic: return f(s.DscBasic);
        case Section::DscAdvanced: return f(s.DscAdvanced);
        case Section::DscDisplay: return f(s.DscDisplay);
        case Section::AtisGroups: return f(s.Atis.UsableAtisChGroup);
        case Section::AtisKillerGroups: return f(s.Atis.UsableAtisKillerChGroup);
        case Section::AtisCode: return f(s.Atis.AtisCode);
        case Section::AtisCallSign: return f(s.Atis.CallSign.at(i));
        case Section::ChUsa: return f(s.CHUSA.at(i));
        case Section::ChInt: return f(s.CHINT.at(i));
        case Section::ChCan: return f(s.CHCAN.at(i));
        case Section::ChWx: return f(s.CHWX.at(i));
        case Section::ChExp: return f(s.CHEXP.at(i));
        case Section::ChRg: return f(s.CHRG.at(i));
        case Section::ChMmsid: return f(s.CHMMSID.at(i));
        case Section::ChGrpid: return f(s.CHGRPID.at(i));
    }
}

void Store(RadioSettings& settings, RecordId id, const RecordValue& value) {
    VisitRecord(settings, id, [&](auto& record) { record = std::get<std::decay_t<decltype(record)>>(value); });
}

// ---------------------------------------------------------------- names

template <class T>
struct FieldName {
    const char* caption;
    bool (*same)(const T&, const T&);
};

template <class M>
struct MemberOf;
template <class C, class V>
struct MemberOf<V C::*> {
    using Owner = C;
};

template <auto Member>
constexpr auto Named(const char* caption) {
    using T = typename MemberOf<decltype(Member)>::Owner;
    return FieldName<T>{caption, [](const T& a, const T& b) { return a.*Member == b.*Member; }};
}

// The fields as the screens name them; the first that differs names a change.
constexpr FieldName<ChannelRecord> kChannelFields[] = {
    Named<&ChannelRecord::Enable>(KV_TEXT("Undo", "Enable")),
    Named<&ChannelRecord::LmrExp>("LMR/EXP"),
    Named<&ChannelRecord::BaseCh>(KV_TEXT("Undo", "Base CH")),
    Named<&ChannelRecord::ChTag>(KV_TEXT("Undo", "Name")),
    Named<&ChannelRecord::CHDisplayL>(KV_TEXT("Undo", "CH Number")),
    Named<&ChannelRecord::CHDisplayR>(KV_TEXT("Undo", "CH Number")),
    Named<&ChannelRecord::Rxfreq>(KV_TEXT("Undo", "RX Frequency")),
    Named<&ChannelRecord::Txfreq>(KV_TEXT("Undo", "TX Frequency")),
    Named<&ChannelRecord::Duplex>("SIMP/DUP"),
    Named<&ChannelRecord::TxEnable>("TX"),
    Named<&ChannelRecord::TXPower>(KV_TEXT("Undo", "TX Power")),
    Named<&ChannelRecord::LowPower>(KV_TEXT("Undo", "Low Power Only")),
    Named<&ChannelRecord::PowUp>(KV_TEXT("Undo", "Power Up")),
    Named<&ChannelRecord::ScanMemory>(KV_TEXT("Undo", "Scan Memory")),
    Named<&ChannelRecord::Narrow>(KV_TEXT("Undo", "Bandwidth")),
    Named<&ChannelRecord::TxCTCSS>("TX CTCSS"),
    Named<&ChannelRecord::RxCTCSS>("RX CTCSS"),
    Named<&ChannelRecord::TxDCS>("TX DCS"),
    Named<&ChannelRecord::RxDCS>("RX DCS"),
    Named<&ChannelRecord::RxComp>(KV_TEXT("Undo", "Compander")),
    Named<&ChannelRecord::Scramble>(KV_TEXT("Undo", "Scrambler")),
    Named<&ChannelRecord::UsaGroup>("USA"),
    Named<&ChannelRecord::IntGroup>("INTL"),
    Named<&ChannelRecord::CanGroup>("CAN"),
    Named<&ChannelRecord::StatusNo>(KV_TEXT("Undo", "Status No.")),
    Named<&ChannelRecord::StatusIcon>(KV_TEXT("Undo", "Status Icon")),
};
constexpr FieldName<UsableGroupSetup> kGroupFields[] = {
    Named<&UsableGroupSetup::Enable>(KV_TEXT("Undo", "Usable")),
    Named<&UsableGroupSetup::PriorityCh>(KV_TEXT("Undo", "Priority CH")),
    Named<&UsableGroupSetup::TxTot>("TX TOT"),
    Named<&UsableGroupSetup::StatusIcon>(KV_TEXT("Undo", "Status Icon")),
    Named<&UsableGroupSetup::StatusName>(KV_TEXT("Undo", "Status Name")),
    Named<&UsableGroupSetup::Backup>(KV_TEXT("Undo", "Backup")),
};
constexpr FieldName<AtisCallSign> kCallSignFields[] = {
    Named<&AtisCallSign::MID>("MID"),
    Named<&AtisCallSign::Display>(KV_TEXT("Undo", "Display")),
};
constexpr FieldName<DirectoryEntry> kDirectoryFields[] = {
    Named<&DirectoryEntry::Enable>(KV_TEXT("Undo", "Enable")),
    Named<&DirectoryEntry::TagName>(KV_TEXT("Undo", "Name")),
    Named<&DirectoryEntry::Mmsid>("MMSI"),
};

template <class T, size_t N>
const char* FirstDifference(const FieldName<T> (&fields)[N], const T& a, const T& b) {
    for (const FieldName<T>& field : fields)
        if (!field.same(a, b)) return field.caption;
    return nullptr;
}

const char* FirstDifference(const CommonSetup& a, const CommonSetup& b) {
    for (const CommonList list : kCommonLists)
        if (EntryFor(list, a) != EntryFor(list, b)) return LayoutOf(list).label;
    return nullptr;
}

const char* FirstDifference(const RecordValue& before, const RecordValue& after) {
    return std::visit(
        [&](const auto& a) -> const char* {
            using T = std::decay_t<decltype(a)>;
            const T& b = std::get<T>(after);
            if constexpr (std::is_same_v<T, ChannelRecord>) return FirstDifference(kChannelFields, a, b);
            else if constexpr (std::is_same_v<T, UsableGroupSetup>) return FirstDifference(kGroupFields, a, b);
            else if constexpr (std::is_same_v<T, AtisCallSign>) return FirstDifference(kCallSignFields, a, b);
            else if constexpr (std::is_same_v<T, DirectoryEntry>) return FirstDifference(kDirectoryFields, a, b);
            else if constexpr (std::is_same_v<T, CommonSetup>) return FirstDifference(a, b);
            else return nullptr;
        },
        before);
}

constexpr std::pair<Section, const char*> kMarineSections[] = {
    {Section::ChUsa, "USA"}, {Section::ChInt, "INTL"}, {Section::ChCan, "CANADA"}};

// A text of the names in the user's language (English without a wording), filled.
std::string Said(const UndoWording& say, const char* english, const std::vector<std::string>& values = {}) {
    return Filled(say ? say(english) : english, values);
}

std::string Numbered(const UndoWording& say, const char* what, int index) {
    return Said(say, what, {std::to_string(index + 1)});
}

// Where a record is, as the user knows it: "USA channel 16", "RG channel 3".
std::string Where(RecordId id, const RecordValue& value, int model, const UndoWording& say) {
    const auto* channel = std::get_if<ChannelRecord>(&value);
    for (const auto& [section, name] : kMarineSections)
        if (id.section == section) return Said(say, KV_TEXT("Undo", "%1 channel %2"), {name, MarineChannelLabel(*channel)});
    switch (id.section) {
        case Section::UsableGroup: {
            static const char* const names[] = {"USA CH", "INTL CH", "CANADA CH"};
            if (id.index < 3) return names[id.index];
            return id.index == kLmrGroup ? FourthGroupName(model) : "EXP CH";
        }
        case Section::Common: return Said(say, KV_TEXT("Undo", "Common Setup"));
        case Section::DscBasic: return Said(say, KV_TEXT("Undo", "DSC Basic Setup"));
        case Section::DscAdvanced: return Said(say, KV_TEXT("Undo", "DSC Advanced Setup"));
        case Section::DscDisplay: return Said(say, KV_TEXT("Undo", "DSC Display Setup"));
        case Section::AtisGroups: return Said(say, KV_TEXT("Undo", "Usable ATIS CH Group"));
        case Section::AtisKillerGroups: return Said(say, KV_TEXT("Undo", "Usable ATIS Killer CH Group"));
        case Section::AtisCode: return Said(say, KV_TEXT("Undo", "ATIS Code"));
        case Section::AtisCallSign: return Numbered(say, KV_TEXT("Undo", "ATIS Call Sign %1"), id.index);
        case Section::ChWx: return Numbered(say, KV_TEXT("Undo", "WX channel %1"), id.index);
        case Section::ChExp:
            return Said(say, KV_TEXT("Undo", "%1 channel %2"), {LmrName(channel->LmrExp, model), std::to_string(id.index + 1)});
        case Section::ChRg: return Numbered(say, KV_TEXT("Undo", "RG channel %1"), id.index);
        case Section::ChMmsid: return Numbered(say, KV_TEXT("Undo", "Individual Directory entry %1"), id.index);
        case Section::ChGrpid: return Numbered(say, KV_TEXT("Undo", "Group Directory entry %1"), id.index);
        default: return Said(say, KV_TEXT("Undo", "settings"));
    }
}

}  // namespace

SettingsChange SettingsChange::Between(const RadioSettings& before, const RadioSettings& after, std::string label) {
    SettingsChange change;
    change.label_ = std::move(label);
    ForEachRecordPair(before, after, [&](RecordId id, const auto& a, const auto& b) {
        if (!(a == b)) change.parts_.push_back({id, a, b});
    });
    return change;
}

void SettingsChange::Apply(RadioSettings& settings) const {
    for (const Part& part : parts_) Store(settings, part.id, part.after);
}

void SettingsChange::Revert(RadioSettings& settings) const {
    for (const Part& part : parts_) Store(settings, part.id, part.before);
}

bool SettingsChange::ChangesNothing() const {
    return std::all_of(parts_.begin(), parts_.end(), [](const Part& part) { return part.before == part.after; });
}

bool SettingsChange::SameRecords(const SettingsChange& next) const {
    return std::equal(parts_.begin(), parts_.end(), next.parts_.begin(), next.parts_.end(),
                      [](const Part& a, const Part& b) { return a.id == b.id; });
}

void SettingsChange::MergeWith(const SettingsChange& next) {
    for (size_t i = 0; i < parts_.size() && i < next.parts_.size(); ++i) parts_[i].after = next.parts_[i].after;
}

std::string SettingsChange::DescribeOne(const Part& part, int model, const UndoWording& say) const {
    // A channel is named as the user knew it; an EXP record by the group
    // (LMR or EXP) that an enable box claims it for.
    const std::string where = Where(part.id, part.id.section == Section::ChExp ? part.after : part.before, model, say);
    const char* field = FirstDifference(part.before, part.after);
    return field ? Said(say, KV_TEXT("Undo", "%1 of %2"), {Said(say, field), where}) : where;
}

std::string SettingsChange::Describe(int model, const UndoWording& say) const {
    if (parts_.empty()) return {};
    // A channel added to or deleted from a marine list moves the records
    // after it: the first record that differs is the one added or deleted.
    for (const auto& [section, name] : kMarineSections) {
        int added = 0;
        const Part* first = nullptr;
        for (const Part& part : parts_) {
            if (part.id.section != section) continue;
            if (!first) first = &part;
            added += std::get<ChannelRecord>(part.after).Enable - std::get<ChannelRecord>(part.before).Enable;
        }
        if (added > 0) return Said(say, KV_TEXT("Undo", "Add %1"), {Where(first->id, first->after, model, say)});
        if (added < 0) return Said(say, KV_TEXT("Undo", "Delete %1"), {Where(first->id, first->before, model, say)});
    }
    // Switching a group changes the records that follow it too.
    for (const Part& part : parts_)
        if (part.id.section == Section::UsableGroup &&
            std::get<UsableGroupSetup>(part.before).Enable != std::get<UsableGroupSetup>(part.after).Enable)
            return DescribeOne(part, model, say);
    return DescribeOne(parts_.front(), model, say);
}

std::optional<SettingsChange> ChangeRecorder::Take(const RadioSettings& now, int model, std::string label) {
    SettingsChange change = SettingsChange::Between(baseline_, now, std::move(label));
    if (change.empty()) return std::nullopt;
    if (change.label_.empty()) change.label_ = change.Describe(model, say_);
    change.Apply(baseline_);  // only the records that changed are copied
    return change;
}

}  // namespace kv
