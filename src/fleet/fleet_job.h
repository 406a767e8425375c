// Programming a fleet: each radio's own data through the steps of a single
// program (identity checks, optional backup, write, optional verify), one
// worker thread per port, each port taking the next radio as the user
// connects it. A radio's failure never stops the others. The window and
// kvtool start the job, poll its reports and answer its connect requests.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "fleet/fleet_radios.h"
#include "link/safe_program.h"
#include "link/serial_line.h"
#include "link/transfer_worker.h"

namespace kv {

enum class FleetState {
    Waiting,     // not started
    Connecting,  // its port waits for the user to connect it
    Running,
    Verified,       // programmed and read back equal
    Programmed,     // programmed, not verified
    PartlyWritten,  // the write stopped after the radio may have stored a block, or the verify found other bytes
    Failed,         // see step and message; the radio holds what it held, or all that was written
    Cancelled,      // stopped by the user before its first write, or after the last (then not verified)
    Skipped,        // never started: its port failed, or the fleet was cancelled first
};

// "programmed and verified", "failed", ...: the log's words.
std::string FleetStateText(FleetState state);
bool Succeeded(FleetState state);

struct FleetReport {
    std::string label;
    std::string port;  // where it ran, or was to run
    FleetState state = FleetState::Waiting;
    SafeProgramStep step = SafeProgramStep::Backup;
    int percent = 0;          // of the current step
    std::string phase = {};   // the current step and what it costs, while it runs
    std::string message;      // why it failed, or what it is waiting for
    std::string backupPath;   // the radio's data before the write, when kept
    double seconds = 0;       // from its start to its end
    int blocksWritten = 0;    // write steps the radio may hold, of
    int blocksTotal = 0;      // the steps of its program transfer

    bool partlyWritten() const { return state == FleetState::PartlyWritten; }
    // "310 of 1021 blocks written", once the write began.
    std::string BlocksText() const;
};

struct FleetOptions {
    bool backup = false;
    bool verify = false;
    // Each port's next radio waits for Continue(port) (the user connected it);
    // without, it starts at once (the radios are on their own ports, or a script swaps them).
    bool askToConnect = true;
    // A port's line and the clock its waits run on (the machine's steady
    // clock when none is given); made in the port's own thread.
    struct PortLine {
        std::shared_ptr<Clock> clock;
        std::shared_ptr<SerialLine> line;
    };
    std::function<PortLine(const std::string& port)> openPort;
    // Starts a port's work on a thread of its own and gives back how to wait
    // for its end (a std::thread when not given; a platform whose ports
    // want threads of their own kind gives its own).
    StartThread startThread;
    // Keeps a radio's whole read before the write; called one radio at a time.
    std::function<SavedBackup(const RadioSession&, const std::vector<uint8_t>&)> keep;
    // Whose words a refusal's advice uses (a menu of the window, or kvtool's options).
    Frontend frontend = Frontend::Window;
};

class FleetJob {
public:
    // Each radio gets the template with its own values, made when its turn comes.
    FleetJob(RadioSession templ, FleetRadios fleet, std::vector<std::string> ports, FleetOptions options);
    ~FleetJob();  // cancels and joins
    FleetJob(const FleetJob&) = delete;
    FleetJob& operator=(const FleetJob&) = delete;

    // Which radio each port starts with (the user connects these before Start).
    std::vector<std::pair<std::string, std::string>> FirstRadios() const;

    void Start();
    // True once every port is done; waits up to `timeout` for it.
    bool WaitFor(std::chrono::milliseconds timeout);
    void Cancel();
    bool cancelled() const { return cancel_; }
    // A port waiting in Connecting may go on: its radio is connected. Told
    // false, the port stops: that radio and the port's others are skipped.
    void Continue(const std::string& port, bool connected = true);

    std::vector<FleetReport> Reports() const;
    const std::vector<std::string>& ports() const { return ports_; }

private:
    void Work(size_t port);
    // The next radio for the port, or -1 when none is left for it.
    int Take(size_t port);
    bool AwaitConnect(size_t port, int radio);
    // False when the port did not open: it takes no more radios.
    bool Program(size_t port, int radio, SerialLine& line, Clock& clock);
    template <class F>
    void Update(int radio, F change);
    void SkipRest(size_t port, const std::string& message);

    RadioSession templ_;
    FleetRadios fleet_;
    std::vector<std::string> ports_;
    FleetOptions options_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<FleetReport> reports_;
    std::vector<bool> taken_;
    std::vector<bool> connected_;  // per port: Continue was given
    std::vector<bool> stopped_;    // per port: Continue(false) was given
    std::vector<int> started_;     // per port: radios begun
    std::vector<int> firsts_;      // per port: its first radio, or -1
    std::vector<WorkerLink*> links_;  // per port: the running radio's link, or none
    std::vector<int> runningRadio_;  // per port: the radio it belongs to
    int running_ = 0;              // ports still working
    std::mutex keepMutex_;
    std::atomic<bool> cancel_{false};
    std::vector<std::function<void()>> joins_;
};

// The log of a fleet: a header line and one row per radio (label, port,
// result, message, backup, seconds, blocks written).
std::string FleetLogCsv(const std::vector<FleetReport>& reports);

}  // namespace kv
