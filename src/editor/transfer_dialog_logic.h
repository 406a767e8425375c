// The transfer dialog without its widgets: the job it runs on a worker
// thread, its busy and cancel semantics, its instruction text and the
// progress bar's geometry. The radio link plugs in as a TransferJob.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "link/transfer_state.h"
#include "link/transfer_worker.h"
#include "util/texts.h"

namespace kv {

// How the window programs a radio: read it into a backup first (and show
// what the write changes, then write only that), and read it back
// afterwards to compare. Both on by default; every block written only when
// asked. Remembered in the settings store.
struct ProgramChoices {
    bool backup = true;
    bool verify = true;
    bool everyBlock = false;
};
class ConfigStore;
ProgramChoices LoadProgramChoices(const ConfigStore& store);
void SaveProgramChoices(ConfigStore& store, const ProgramChoices& choices);
inline constexpr const char* kBackupChoice = KV_TEXT("Messages", "Back up the radio before programming");
inline constexpr const char* kVerifyChoice = KV_TEXT("Messages", "Verify after programming");
inline constexpr const char* kEveryBlockChoice = KV_TEXT("Messages", "Write every block");

// One transfer, read or program, run when OK is pressed: prepared and
// finished on the window's thread, run on a worker thread of its own.
class TransferJob {
public:
    virtual ~TransferJob() = default;
    // Before the worker starts: takes what the transfer needs (a copy of the data).
    virtual void Prepare(TransferMode) {}
    // On the worker's thread: reports through events, asks and tells through
    // prompt (the dialog shows each message and answers for the user).
    virtual TransferOutcome Run(TransferMode mode, TransferEvents& events, Prompt& prompt) = 0;
    // Once the worker ended: takes the result into the window's data.
    virtual void Finish(TransferMode, TransferOutcome) {}
    // Where the worker's messages are shown (none: each gets its safe answer).
    virtual Prompt* prompt() { return nullptr; }
    // How the worker's thread starts (a std::thread when empty), and the
    // clock its waits run on (for the time left; the machine's when none).
    virtual StartThread threadStarter() { return {}; }
    virtual Clock* clock() { return nullptr; }
};

std::string TransferInstructions();  // the three steps, joined by CR LF

// The dialog's flags and its worker: OK starts the job on a worker thread,
// the dialog's timer polls it; Cancel closes an idle dialog and asks a
// running transfer to stop; the close box is refused while busy.
class TransferDialogState {
public:
    enum class CancelAction { Close, RequestCancel };
    ~TransferDialogState();  // a transfer still running is cancelled and waited for

    CancelAction Cancel();
    bool MayClose() const { return !busy_; }

    // Prepares the job on this thread and starts it on its own.
    void Start(TransferJob& job, TransferMode mode);
    // The timer's tick, in two halves: what the worker reported last (to be
    // shown before any message), then Serve: a message it waits on is shown
    // through the job's prompt and answered; once the worker has ended, the
    // job finishes here and its outcome is given.
    WorkerStatus Status() const { return worker_ ? worker_->Status() : last_; }
    std::optional<TransferOutcome> Serve();

    bool busy() const { return busy_; }
    bool cancelRequested() const { return cancel_; }

private:
    bool busy_ = false;
    bool cancel_ = false;
    bool asking_ = false;
    TransferJob* job_ = nullptr;
    TransferMode mode_ = TransferMode::Read;
    SteadyClock steady_;
    std::unique_ptr<WorkerLink> worker_;
    WorkerStatus last_;
    std::function<void()> join_;
    std::atomic<bool> ended_{false};
    TransferOutcome outcome_ = TransferOutcome::Failed;
};

// The left edge of the progress fill in a frame of width w: w / 100 *
// percent - w, with percent held to 0..100 so the fill never leaves the frame.
int ProgressFillLeft(int width, int percent);

}  // namespace kv
