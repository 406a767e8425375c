// A simulated radio served on a pseudo-terminal from a thread of its own,
// so kvprog --demo can read and program without hardware.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "model/session.h"
#include "sim/pty_radio.h"
#include "sim/radio_simulator.h"

namespace kv::sim {

class DemoRadio {
public:
    // A radio holding the session's data as its own (identification included).
    explicit DemoRadio(const RadioSession& session);
    ~DemoRadio();
    DemoRadio(const DemoRadio&) = delete;
    DemoRadio& operator=(const DemoRadio&) = delete;

    // Opens the pseudo-terminal and starts answering; false when it cannot.
    bool Start();
    // The device to open ("/dev/pts/3").
    const std::string& path() const { return pty_.path(); }
    // Stops answering; the radio's memory can then be looked at.
    void Stop();
    const RadioImage& image() const { return radio_.image(); }

private:
    RadioSimulator radio_;
    PtyRadio pty_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace kv::sim
