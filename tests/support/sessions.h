// Sessions for tests: a model's defaults, on a fixed date.
#pragma once

#include "image/defaults.h"

namespace kv::test {

inline constexpr CivilDate kTestToday{2026, 12, 6};

inline RadioSession FreshSession(int model, CivilDate today = kTestToday) {
    RadioSession s;
    s.model = model;
    s.today = [today] { return today; };
    ResetToDefaults(s);
    return s;
}

}  // namespace kv::test
