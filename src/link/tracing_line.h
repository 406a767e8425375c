// A serial line that reports every byte both ways before passing it on, for
// kvtool --trace.
#pragma once

#include <functional>

#include "link/serial_line.h"

namespace kv {

enum class TraceDirection { ToRadio, FromRadio };

class TracingLine : public SerialLine {
public:
    using Observer = std::function<void(TraceDirection, const uint8_t*, size_t)>;
    TracingLine(SerialLine& inner, Observer observer) : inner_(inner), observer_(std::move(observer)) {}

    bool Open(LineError& error) override { return inner_.Open(error); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    std::string Settings() const override { return inner_.Settings(); }
    bool Write(const uint8_t* data, size_t size) override;
    size_t BytesWaiting() override { return inner_.BytesWaiting(); }
    size_t Read(uint8_t* data, size_t size) override;
    void WaitForInput(std::chrono::microseconds timeout) override { inner_.WaitForInput(timeout); }
    bool Broken() const override { return inner_.Broken(); }
    void SetDtr(bool on) override { inner_.SetDtr(on); }
    void SetRts(bool on) override { inner_.SetRts(on); }

private:
    SerialLine& inner_;
    Observer observer_;
};

// "12.345678 > 23 43 45 50  #CEP" style lines: seconds, direction, hex and text.
std::string FormatTraceLine(double seconds, TraceDirection direction, const uint8_t* data, size_t size);

}  // namespace kv
