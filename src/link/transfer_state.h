// The words of a transfer, shared by the protocol, the transfers, the
// dialog, the main window and kvtool: which way it goes, its flags, how it
// ended, and the events it reports while it runs.
#pragma once

#include <string>

#include "util/texts.h"

namespace kv {

enum class LinkResult { Received = 0, Cancelled = 1, TimedOut = 3, RadioError = 8, Mismatch = -1 };

// Which way the data flow: from the radio, or to it.
enum class TransferMode { Read = 0, Program = 1 };

// How a transfer ended. NotConnected: the radio never answered the
// synchronisation; Declined: the user said No before anything was written.
enum class TransferOutcome { Completed, NotConnected, Declined, Failed, Cancelled };

// "Read from Radio" or "Program to Radio": the dialog's title and the caption of its messages.
inline std::string TransferTitle(TransferMode mode) {
    return mode == TransferMode::Program ? text::kProgramToRadio : text::kReadFromRadio;
}

// Who advises the user after a refusal: the window names its menus, kvtool its options.
enum class Frontend { Window, Kvtool };

struct TransferState {
    bool ErrorFlag = false;   // set at the start of an exchange, cleared by a confirmed success
    bool CancelFlag = false;  // the user asked to cancel
    bool BusyFlag = false;    // a transfer runs: Cancel sets CancelFlag instead of closing
    int RetryBudget = 1;      // attempts per exchange
    bool DebugMode = false;   // "/D": progress notes are shown
    int PortNumber = 0;
    std::string PortName;     // the device the number stands for ("/dev/ttyUSB0")
    kv::TransferMode TransferMode = TransferMode::Read;
    bool TransferDone = false;
    kv::Frontend Frontend = Frontend::Window;
};

struct TransferProgress {
    int percent = 0;  // 0..100
    int step = 0;     // 16-byte steps done
    int steps = 0;    // steps of the whole transfer
};

// What a transfer reports while it runs, and where it hears of a cancel.
// The transfer dialog, kvtool's terminal and the tests each implement it.
class TransferEvents {
public:
    virtual ~TransferEvents() = default;
    virtual void Progress(const TransferProgress& progress) = 0;
    // A debug note (only sent in debug mode); an empty note clears the line.
    virtual void Note(const std::string& text) = 0;
    // The step a program with backup and verify begins ("Step 1 of 3: ...").
    virtual void Phase(const std::string&) {}
    // What the transfer waits for ("Waiting for the radio on ... to
    // answer..."), in every mode; empty once the blocks move.
    virtual void Waiting(const std::string&) {}
    // Runs inside every wait of the link: the window serves its Cancel
    // button there, kvtool notices Ctrl-C. True when the user asks to cancel.
    virtual bool Pump() { return false; }
};

class NullEvents : public TransferEvents {
public:
    void Progress(const TransferProgress&) override {}
    void Note(const std::string&) override {}
};

}  // namespace kv
