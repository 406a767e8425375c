// A line whose far end follows a script: after each write it echoes what
// was written (or echoOverride) and then sends the next scripted reply.
#pragma once

#include <deque>
#include <string>

#include "link/serial_line.h"

namespace kv::test {

class ScriptLine : public SerialLine {
public:
    explicit ScriptLine(VirtualClock& clock) : clock_(clock) {}

    bool Open(LineError&) override { return open_ = true, ++opens, true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(const uint8_t* data, size_t size) override {
        const std::string bytes(reinterpret_cast<const char*>(data), size);
        sent += bytes;
        input += echoOverride.empty() ? bytes : echoOverride;
        if (!replies.empty()) {
            input += replies.front();
            replies.pop_front();
        }
        return true;
    }
    size_t BytesWaiting() override { return input.size(); }
    size_t Read(uint8_t* data, size_t size) override {
        size_t n = 0;
        for (; n < size && !input.empty(); ++n) {
            data[n] = static_cast<uint8_t>(input.front());
            input.erase(0, 1);
        }
        return n;
    }
    void WaitForInput(std::chrono::microseconds timeout) override {
        if (input.empty()) clock_.Advance(timeout);
    }
    bool Broken() const override { return !open_; }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}

    std::deque<std::string> replies;
    std::string input;
    std::string sent;
    std::string echoOverride;
    int opens = 0;

private:
    VirtualClock& clock_;
    bool open_ = false;
};

}  // namespace kv::test
