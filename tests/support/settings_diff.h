// Settings compared field by field, so that a failure names the fields that
// differ ("CHUSA[13].ChTag: DISTRESS -> CALL").
#pragma once

#include <string>

#include "report/programming_diff.h"

namespace kv::test {

inline std::string SettingsDiff(const RadioSettings& want, const RadioSettings& got) {
    RadioSession a, b;
    a.settings = want;
    b.settings = got;
    std::string text;
    for (const SettingChange& c : DiffProgrammings(a, b).changes)
        text += c.path + ": " + SettingText(c.before) + " -> " + SettingText(c.after) + "\n";
    return text;
}

}  // namespace kv::test

#define EXPECT_SAME_SETTINGS(want, got) EXPECT_TRUE((want) == (got)) << kv::test::SettingsDiff((want), (got))
