// The transfer dialog without its widgets: the job it runs, its busy and
// cancel semantics, its instruction text and the progress bar's geometry.
// The radio link plugs in as a TransferJob.
#pragma once

#include <functional>
#include <string>

namespace kv {

inline constexpr int kTransferRead = 0;
inline constexpr int kTransferProgram = 1;

// What a transfer reports while it runs.
class TransferEvents {
public:
    virtual ~TransferEvents() = default;
    virtual void Progress(int percent) = 0;
    // A debug note; the dialog shows it only in debug mode.
    virtual void Note(const std::string& text) = 0;
    // Runs pending window events; the Cancel button is served here.
    virtual void Pump() = 0;
    virtual bool CancelRequested() const = 0;
    // The step a program with backup and verify is in ("Step 1 of 3: ...").
    virtual void Phase(const std::string&) {}
};

enum class TransferEnd { Completed, Failed, Cancelled };

// How the window programs a radio: read it into a backup first (and show
// what the write changes), and read it back afterwards to compare. Both on
// by default; remembered in the settings store.
struct ProgramChoices {
    bool backup = true;
    bool verify = true;
};
class ConfigStore;
ProgramChoices LoadProgramChoices(const ConfigStore& store);
void SaveProgramChoices(ConfigStore& store, const ProgramChoices& choices);
inline constexpr const char* kBackupChoice = "Back up the radio before programming";
inline constexpr const char* kVerifyChoice = "Verify after programming";

// One transfer, read or program, run when OK is pressed. Messages go
// through the job's own prompt with the dialog's title.
class TransferJob {
public:
    virtual ~TransferJob() = default;
    virtual TransferEnd Run(int mode, TransferEvents& events) = 0;
};

std::string TransferDialogTitle(int mode);   // "Read from Radio", "Program to Radio"
std::string TransferInstructions();          // the three steps, joined by CR LF

// The dialog's flags: Cancel closes an idle dialog and asks a running
// transfer to stop; the close box is refused while busy.
class TransferDialogState {
public:
    enum class CancelAction { Close, RequestCancel };

    CancelAction Cancel();
    bool MayClose() const { return !busy_; }

    // Runs the job with the busy flag set (cleared on every path).
    TransferEnd Start(TransferJob& job, int mode, TransferEvents& events);

    bool busy() const { return busy_; }
    bool cancelRequested() const { return cancel_; }

private:
    bool busy_ = false;
    bool cancel_ = false;
};

// The left edge of the progress fill in a frame of width w: w / 100 *
// percent - w, with percent held to 0..100 so the fill never leaves the frame.
int ProgressFillLeft(int width, int percent);

}  // namespace kv
