// Settings compared through their JSON form, so that a failure names the
// fields that differ.
#pragma once

#include <string>

#include "cli/settings_json.h"

namespace kv::test {

inline std::string SettingsDiff(const RadioSettings& want, const RadioSettings& got) {
    RadioSession a, b;
    a.settings = want;
    b.settings = got;
    return nlohmann::ordered_json::diff(cli::SettingsToJson(a), cli::SettingsToJson(b))
        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace kv::test

#define EXPECT_SAME_SETTINGS(want, got) EXPECT_TRUE((want) == (got)) << kv::test::SettingsDiff((want), (got))
