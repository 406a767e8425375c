#include "util/civil_date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace kv {
namespace {

std::chrono::sys_days ToDays(const CivilDate& d) {
    return std::chrono::year{d.year} / std::chrono::month{d.month} / std::chrono::day{d.day};
}

}  // namespace

long DaysBetween(const CivilDate& a, const CivilDate& b) { return (ToDays(b) - ToDays(a)).count(); }

CivilDate LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday)};
}

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    int y = 0;
    unsigned m = 0, d = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!ymd.ok()) return std::nullopt;
    return CivilDate{y, m, d};
}

}  // namespace kv
