// A serial line wired in-process to a RadioSimulator, on a virtual clock:
// waiting for input that never comes moves the clock instead of sleeping,
// and each byte read costs its wire time at 28800 baud.
#pragma once

#include <deque>
#include <string>

#include "link/serial_line.h"
#include "sim/radio_simulator.h"

namespace kv::sim {

class SimulatedLine : public SerialLine {
public:
    static constexpr Clock::Duration kByteTime{347};  // 10 bits at 28800 baud, in microseconds

    SimulatedLine(RadioSimulator& radio, VirtualClock& clock) : radio_(radio), clock_(clock) {}

    bool Open(LineError& error) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(const uint8_t* data, size_t size) override;
    size_t BytesWaiting() override { return open_ ? input_.size() : 0; }
    size_t Read(uint8_t* data, size_t size) override;
    void WaitForInput(std::chrono::microseconds timeout) override;
    bool Broken() const override { return !open_ || radio_.HungUp(); }
    void SetDtr(bool on) override { dtr_ = on; }
    void SetRts(bool on) override { rts_ = on; }

    // For tests: refuse to open, with this description.
    // Everything the tool sent, in order.
    const std::string& sent() const { return sent_; }
    int opens() const { return opens_; }
    bool dtr() const { return dtr_; }
    bool rts() const { return rts_; }

private:
    RadioSimulator& radio_;
    VirtualClock& clock_;
    std::deque<uint8_t> input_;
    std::string sent_;
    bool open_ = false;
    bool dtr_ = false, rts_ = false;
    int opens_ = 0;
};

}  // namespace kv::sim
