#include <unistd.h>

#include <iostream>

#include "cli/kvtool.h"
#include "cli/terminal_text.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    kv::cli::TerminalOutput out(std::cout, STDOUT_FILENO);
    kv::cli::TerminalOutput err(std::cerr, STDERR_FILENO, true);
    return kv::cli::RunKvtool(args, out.stream(), err.stream());
}
