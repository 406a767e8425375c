// Serves a RadioSimulator on a POSIX pseudo-terminal until SIGTERM or
// SIGINT, or until a hangup fault closes the line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sim/radio_simulator.h"

namespace kv::sim {

struct PtyOptions {
    std::vector<std::string> links;  // a symlink to make to each radio's device, if any
    bool paced = false;              // send at 28800 baud, 10 bits a byte
};

// A radio on a pseudo-terminal of its own.
class PtyRadio {
public:
    PtyRadio(RadioSimulator& radio, bool paced);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Opens the pseudo-terminal, raw at once; false when the system refuses.
    bool Open();
    const std::string& path() const { return path_; }
    // Echoes and answers until stop() is true or a hangup fault closes the line.
    void Serve(const std::function<bool()>& stop);

private:
    RadioSimulator& radio_;
    bool paced_;
    int master_ = -1;
    int slave_ = -1;  // held open so the line survives the tool closing and reopening it
    std::string path_;
};

// kvradio-sim: each radio on a pseudo-terminal of its own, served on a
// thread of its own; prints the device paths on stdout, one a line, then
// serves until SIGTERM or SIGINT (or every radio hung up). Returns the exit status.
int ServeOnPtys(const std::vector<RadioSimulator*>& radios, const PtyOptions& options);

}  // namespace kv::sim
