#include <iostream>

#include "cli/kvtool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return kv::cli::RunKvtool(args, std::cout, std::cerr);
}
