// The editor's changes as data, for undo and redo: a change holds, for each
// record of the settings it touched, the record before and after, and knows
// how to put either back. A recorder keeps the settings as of the last
// recorded change, so each edit is found as the records that differ from it;
// the edit screens need only say that they changed something.
#pragma once

#include <array>
#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/settings.h"

namespace kv {

// A record of the settings: a whole group setup, a channel, a call sign...
enum class Section : uint8_t {
    UsableGroup, Common, DscBasic, DscAdvanced, DscDisplay, AtisGroups, AtisKillerGroups, AtisCode, AtisCallSign,
    ChUsa, ChInt, ChCan, ChWx, ChExp, ChRg, ChMmsid, ChGrpid
};

struct RecordId {
    Section section = Section::Common;
    int index = 0;
    friend auto operator<=>(const RecordId&, const RecordId&) = default;
};

using RecordValue = std::variant<ChannelRecord, UsableGroupSetup, CommonSetup, DscBasicSetup, DscAdvancedSetup,
                                 DscDisplaySetup, std::array<bool, 4>, std::string, AtisCallSign, DirectoryEntry>;

// The words of Edit > Undo's names in the user's language: a text marked
// KV_TEXT("Undo", ...) (a field's name, a template with %1 and %2) or a
// field's label, in; its translation out. Without one the names are English.
using UndoWording = std::function<std::string(const char*)>;

class SettingsChange {
public:
    // The records in which `after` differs from `before`.
    static SettingsChange Between(const RadioSettings& before, const RadioSettings& after, std::string label);

    const std::string& label() const { return label_; }
    bool empty() const { return parts_.empty(); }
    size_t recordCount() const { return parts_.size(); }
    // Every record is as it was (typed and erased again).
    bool ChangesNothing() const;

    void Apply(RadioSettings& settings) const;   // redo: the records as after
    void Revert(RadioSettings& settings) const;  // undo: the records as before

    // Typing into one field: the next change touches the same records. The
    // merged change keeps this one's before and the next one's after.
    bool SameRecords(const SettingsChange& next) const;
    void MergeWith(const SettingsChange& next);

    // What the change did, as Edit > Undo names it: "Name of USA channel 16",
    // "Add USA channel 21", "Usable of INTL CH"; `model` names the fourth group.
    std::string Describe(int model, const UndoWording& say = {}) const;

private:
    friend class ChangeRecorder;
    struct Part {
        RecordId id;
        RecordValue before, after;
    };
    std::string DescribeOne(const Part& part, int model, const UndoWording& say) const;

    std::vector<Part> parts_;
    std::string label_;
};

// Keeps the settings as of the last recorded change (one copy, whatever the
// length of the history).
class ChangeRecorder {
public:
    explicit ChangeRecorder(const RadioSettings& current, UndoWording say = {})
        : baseline_(current), say_(std::move(say)) {}

    // What changed since the last call; nothing when nothing did. An empty
    // label is replaced by the change's description.
    std::optional<SettingsChange> Take(const RadioSettings& now, int model, std::string label = {});
    // The data were replaced, or changed outside the history: start from them.
    void Reset(const RadioSettings& now) { baseline_ = now; }
    // An undo or redo: the baseline follows the settings.
    void Undone(const SettingsChange& change) { change.Revert(baseline_); }
    void Redone(const SettingsChange& change) { change.Apply(baseline_); }

private:
    RadioSettings baseline_;
    UndoWording say_;
};

}  // namespace kv
