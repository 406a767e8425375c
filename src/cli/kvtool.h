// kvtool's commands, runnable in-process: the arguments (without the program
// name), where to print, and the exit status as the result.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

int RunKvtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
