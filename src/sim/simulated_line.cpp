#include "sim/simulated_line.h"

namespace kv::sim {

bool SimulatedLine::Open(LineError&) {
    open_ = true;
    ++opens_;
    input_.clear();
    return true;
}

bool SimulatedLine::Write(const uint8_t* data, size_t size) {
    if (Broken()) return false;
    sent_.append(reinterpret_cast<const char*>(data), size);
    std::string answer;
    radio_.Receive(data, size, answer);
    if (radio_.HungUp()) {
        input_.clear();  // the line is gone with whatever was on its way
        return true;
    }
    input_.insert(input_.end(), answer.begin(), answer.end());
    return true;
}

size_t SimulatedLine::Read(uint8_t* data, size_t size) {
    size_t n = 0;
    while (open_ && n < size && !input_.empty()) {
        data[n++] = input_.front();
        input_.pop_front();
        clock_.Advance(kByteTime);
    }
    return n;
}

void SimulatedLine::WaitForInput(std::chrono::microseconds timeout) {
    if (input_.empty() || !open_) clock_.Advance(timeout);
}

}  // namespace kv::sim
