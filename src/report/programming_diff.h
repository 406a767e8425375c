// What differs between two programmings of one model: every setting of the
// settings record, named as kvtool's JSON view names it ("CHUSA[13].ChTag"),
// and every image byte no setting covers ("image[0x01F5]"). It tells a user
// what a file holds that another does not, and what a write would change in
// a radio before anything is written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/session.h"
#include "model/settings_fields.h"

namespace kv {

struct SettingChange {
    std::string path;  // "Common Setup.SQL", "CHUSA[13].ChTag", "image[0x01F5]"
    SettingValue before;
    SettingValue after;
    std::string line;  // for people: "USA channel 16 (row 14) name: DISTRESS -> CALL"
};

struct ProgrammingDiff {
    std::string error;  // why the two cannot be compared; then no changes
    std::vector<SettingChange> changes;
};

ProgrammingDiff DiffProgrammings(const RadioSession& before, const RadioSession& after);

// Brings a loaded programming into the form a radio would hold: encoded into
// its image and decoded again, so that a settings file and the image made
// from it compare equal.
void AsProgrammed(RadioSession& session);

}  // namespace kv
