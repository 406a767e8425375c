// The settings walk: every setting of the record, by the rows of
// model/field_table.h (the tables the settings file walks too), a record's
// fields in the order the record declares them and with the names of
// kvtool's JSON view ("CHUSA[13].ChTag", "Common Setup.SQL"). One walk over
// two sessions at once serves the JSON view (the same session twice) and
// the difference of two programmings (which skips equal records).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/session.h"

namespace kv {

// A setting's value, typed as the JSON view types it.
using SettingValue = std::variant<bool, int64_t, double, std::string>;

class SettingsVisitor {
public:
    virtual ~SettingsVisitor() = default;
    // An object or array under key (an array's element: key "" and its
    // index). `same` tells whether both sessions hold equal contents there;
    // returning false skips it and its Close.
    virtual bool Open(std::string_view key, int index, bool isArray, bool same) = 0;
    virtual void Close(bool isArray) = 0;
    // A value under key (an array's element: key "" and its index).
    virtual void Value(std::string_view key, int index, const SettingValue& a, const SettingValue& b) = 0;
};

// Walks every setting of a and b side by side; a and b must be of one model.
void VisitSettings(const RadioSession& a, const RadioSession& b, SettingsVisitor& visitor);

// A setting named by its path in the JSON view: "CHUSA[13].ChTag",
// "Usable CH Group Setup[0].Priority CH", "ATIS Setup.Atis Code".
struct SettingAt {
    bool found = false;     // the path names a setting
    bool settable = false;  // it is a record's field (MODELTYPE and the like are not)
    std::string notKept;    // why the radios of the session's model type do not keep it; "" when they do
    SettingValue value;     // its value, typed as the JSON view types it
};
SettingAt FindSetting(const RadioSession& session, std::string_view path);

// Stores value at path. "" when stored, else why not: a setting the radios
// of the session's model type do not keep (the MMSI on a model without DSC,
// a weather channel on a model without them), no such setting, one that is
// not a record's field, a value of another kind, or a number the field
// cannot hold (a byte takes 0 to 255).
std::string StoreSetting(RadioSession& session, std::string_view path, const SettingValue& value);

// The value as the JSON view prints it: true, 12, 156.8, text as it is.
std::string SettingText(const SettingValue& value);

}  // namespace kv
