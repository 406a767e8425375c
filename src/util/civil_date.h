// A calendar date, so that code which depends on "today" can be handed one.
#pragma once

#include <optional>
#include <string>

namespace kv {

struct CivilDate {
    int year = 1970;
    unsigned month = 1;
    unsigned day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Whole days from a to b (positive when b lies after a).
long DaysBetween(const CivilDate& a, const CivilDate& b);

// The computer's local calendar date.
CivilDate LocalToday();

// "YYYY-MM-DD"; nullopt for anything else or an impossible date.
std::optional<CivilDate> ParseIsoDate(const std::string& text);

}  // namespace kv
