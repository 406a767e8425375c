// The whole settings record as JSON under the settings file's names, and
// the same content as readable text.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/session.h"

namespace kv::cli {

nlohmann::ordered_json SettingsToJson(const RadioSession& session);

// One "key: value" line per scalar; a record of an array on one line.
std::string JsonToText(const nlohmann::ordered_json& json);

}  // namespace kv::cli
