// The transfer flags shared by the protocol, the transfers, the dialog and
// the main window, and the outcome of every receive operation.
#pragma once

#include <string>

namespace kv {

enum class LinkResult { Received = 0, Cancelled = 1, TimedOut = 3, RadioError = 8, Mismatch = -1 };

inline constexpr int kModeRead = 0;
inline constexpr int kModeProgram = 1;

struct TransferState {
    bool ErrorFlag = false;   // set at the start of an exchange, cleared by a confirmed success
    bool CancelFlag = false;  // the user asked to cancel
    bool BusyFlag = false;    // a transfer runs: Cancel sets CancelFlag instead of closing
    int RetryBudget = 1;      // attempts per exchange
    bool DebugMode = false;   // "/D": progress notes are shown
    int PortNumber = 0;
    std::string PortName;     // the device the number stands for ("/dev/ttyUSB0")
    int TransferMode = kModeRead;
    bool TransferDone = false;
};

}  // namespace kv
