// kvtool's commands, runnable in-process: the arguments (without the program
// name), where to print, and the exit status as the result.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv {
class Clock;
}

namespace kv::cli {

// The radio link's pauses and deadlines run on `linkClock`, the machine's
// steady clock when none is given (tests give one without the pauses).
int RunKvtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Clock* linkClock = nullptr);

}  // namespace kv::cli
