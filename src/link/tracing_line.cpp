#include "link/tracing_line.h"

#include <cstdio>

namespace kv {

bool TracingLine::Write(const uint8_t* data, size_t size) {
    observer_(TraceDirection::ToRadio, data, size);
    return inner_.Write(data, size);
}

size_t TracingLine::Read(uint8_t* data, size_t size) {
    const size_t got = inner_.Read(data, size);
    if (got > 0) observer_(TraceDirection::FromRadio, data, got);
    return got;
}

std::string FormatTraceLine(double seconds, TraceDirection direction, const uint8_t* data, size_t size) {
    char head[32];
    std::snprintf(head, sizeof head, "%11.6f %s", seconds, direction == TraceDirection::ToRadio ? ">" : "<");
    std::string hex, text;
    for (size_t i = 0; i < size; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02X", data[i]);
        hex += byte;
        text += data[i] >= 0x20 && data[i] < 0x7F ? static_cast<char>(data[i]) : '.';
    }
    return std::string(head) + hex + "  " + text;
}

}  // namespace kv
