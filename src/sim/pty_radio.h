// Serves a RadioSimulator on a POSIX pseudo-terminal until SIGTERM or
// SIGINT, or until a hangup fault closes the line.
#pragma once

#include <string>

#include "sim/radio_simulator.h"

namespace kv::sim {

struct PtyOptions {
    std::string link;     // a symlink to make to the device, if any
    bool paced = false;   // send at 28800 baud, 10 bits a byte
};

// Prints the device path on stdout, then serves. Returns the exit status.
int ServeOnPty(RadioSimulator& radio, const PtyOptions& options);

}  // namespace kv::sim
