#include "cli/settings_json.h"

#include <sstream>
#include <vector>

#include "model/settings_fields.h"

namespace kv::cli {
namespace {

using Json = nlohmann::ordered_json;

// Builds the JSON view from the settings walk (one session, walked against itself).
class JsonBuilder : public SettingsVisitor {
public:
    JsonBuilder() { stack_.push_back(&root_); }
    Json Take() { return std::move(root_); }

    bool Open(std::string_view key, int, bool isArray, bool) override {
        Json& opened = Slot(key);
        opened = isArray ? Json::array() : Json::object();
        stack_.push_back(&opened);
        return true;
    }
    void Close(bool) override { stack_.pop_back(); }
    void Value(std::string_view key, int, const SettingValue& value, const SettingValue&) override {
        std::visit([&](const auto& v) { Slot(key) = v; }, value);
    }

private:
    // The new member of the open object, or the new element of the open array.
    Json& Slot(std::string_view key) {
        Json& open = *stack_.back();
        if (open.is_array()) return open.emplace_back();
        return open[std::string(key)];
    }

    Json root_ = Json::object();
    std::vector<Json*> stack_;
};

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
    JsonBuilder builder;
    VisitSettings(s, s, builder);
    return builder.Take();
}

std::string JsonToText(const Json& json) {
    std::ostringstream out;
    WriteText(out, json, "");
    return out.str();
}

}  // namespace kv::cli
