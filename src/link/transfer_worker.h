// A transfer on a thread of its own while another thread watches it: the
// window's transfer dialog and each radio of a fleet. The worker reports
// through the events and asks through the prompt of a WorkerLink; the
// watcher polls what it reported, answers its questions and may cancel.
// Nothing else is shared between the two threads.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "link/serial_line.h"
#include "link/transfer_state.h"
#include "util/prompt.h"

namespace kv {

// Starts work on a thread of its own and gives back how to wait for its end.
// A platform whose serial ports want threads of their own kind gives its own.
using StartThread = std::function<std::function<void()>(std::function<void()> work)>;
// A std::thread when `start` is empty.
std::function<void()> StartWorker(const StartThread& start, std::function<void()> work);

// What the worker reported last.
struct WorkerStatus {
    TransferProgress progress;
    std::string phase;        // "Step 3 of 4: writing 3 of 718 blocks"
    std::string waiting;      // what it waits for; empty once the blocks move
    std::string note;         // the last debug note
    int notes = 0;            // how many came
    double secondsLeft = -1;  // for the blocks to go of the current loop, from its pace so far; -1 unknown
};

// "0:25", "12:03"; "" for an unknown time.
std::string MinutesSeconds(double seconds);
// The phase and, once it can be told, the time left: "Step 3 of 4: writing 3 of 718 blocks, 0:02 left".
std::string PhaseLine(const WorkerStatus& status);

class WorkerLink : public TransferEvents, public Prompt {
public:
    // Ask: a message waits until the watcher has shown it and answered.
    // SafeAnswer: nobody watches one radio of a fleet; a message is kept
    // when it is the first trouble and gets the safe answer.
    enum class Questions { Ask, SafeAnswer };
    // clock: the worker's, for the time left.
    WorkerLink(Questions questions, Clock& clock) : questions_(questions), clock_(clock) {}

    // The worker's side.
    void Progress(const TransferProgress& progress) override;
    void Note(const std::string& text) override;
    void Phase(const std::string& text) override;
    void Waiting(const std::string& text) override;
    bool Pump() override { return cancel_; }
    kv::Answer Show(const Message& message) override;

    // The watcher's side.
    WorkerStatus Status() const;
    // The message the worker waits on, until answered.
    std::optional<Message> Question() const;
    void Reply(kv::Answer answer);
    // Reaches the worker's next wait; a message not yet answered gets its
    // safe answer (later ones are shown as before).
    void Cancel();
    bool cancelled() const { return cancel_; }
    // The first critical or exclamation message, on one line (SafeAnswer only).
    std::string FirstTrouble() const;

private:
    const Questions questions_;
    Clock& clock_;
    mutable std::mutex mutex_;
    std::condition_variable answered_;
    WorkerStatus status_;
    Clock::Duration loopStart_{0};
    std::optional<Message> question_;
    std::optional<kv::Answer> answer_;
    std::string firstTrouble_;
    std::atomic<bool> cancel_{false};
};

}  // namespace kv
