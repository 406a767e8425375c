// kvtool run in-process, without the link's settling pauses: its exit status and what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/kvtool.h"
#include "support/doubles.h"

namespace kv::test {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun Kvtool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    UnpausedClock clock;
    const int status = cli::RunKvtool(args, out, err, &clock);
    return {status, out.str(), err.str()};
}

}  // namespace kv::test
