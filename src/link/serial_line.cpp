#include "link/serial_line.h"

#include <thread>

namespace kv {

Clock::Duration SteadyClock::Now() {
    return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::Sleep(Duration duration) {
    if (duration > Duration::zero()) std::this_thread::sleep_for(duration);
}

}  // namespace kv
