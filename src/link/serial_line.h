// The small interfaces the clone protocol talks through: the serial line
// and the monotonic clock (the transfer's events are in transfer_state.h).
// The GUI, kvtool and the tests each supply their own.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kv {

// A failure of the platform, as a number and a readable description.
struct LineError {
    int number = 0;
    std::string description;
};

// One serial port at 28800 baud, 8 data bits, no parity, 1 stop bit.
class SerialLine {
public:
    virtual ~SerialLine() = default;
    virtual bool Open(LineError& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The settings text of the open port ("28800,N,8,1").
    virtual std::string Settings() const { return "28800,N,8,1"; }
    virtual bool Write(const uint8_t* data, size_t size) = 0;
    virtual size_t BytesWaiting() = 0;
    // Reads up to size bytes of what waits; never blocks.
    virtual size_t Read(uint8_t* data, size_t size) = 0;
    // Blocks until input waits, the line fails or the timeout passes.
    virtual void WaitForInput(std::chrono::microseconds timeout) = 0;
    // True once the device is gone (the cable was pulled): waits then end at once.
    virtual bool Broken() const = 0;
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
};

// A monotonic clock with sleep; it does not jump at midnight.
class Clock {
public:
    using Duration = std::chrono::microseconds;
    virtual ~Clock() = default;
    virtual Duration Now() = 0;
    virtual void Sleep(Duration duration) = 0;
};

// The machine's steady clock.
class SteadyClock : public Clock {
public:
    Duration Now() override;
    void Sleep(Duration duration) override;
};

// A clock that only moves when told to, for tests.
class VirtualClock : public Clock {
public:
    Duration Now() override { return now_; }
    void Sleep(Duration duration) override { now_ += duration; }
    void Advance(Duration duration) { now_ += duration; }

private:
    Duration now_{0};
};

}  // namespace kv
