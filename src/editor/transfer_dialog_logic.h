// The transfer dialog without its widgets: the job it runs, its busy and
// cancel semantics, its instruction text and the progress bar's geometry.
// The radio link plugs in as a TransferJob.
#pragma once

#include <string>

#include "link/transfer_state.h"
#include "util/texts.h"

namespace kv {

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
inline constexpr const char* kBackupChoice = KV_TEXT("Messages", "Back up the radio before programming");
inline constexpr const char* kVerifyChoice = KV_TEXT("Messages", "Verify after programming");

// One transfer, read or program, run when OK is pressed. Messages go
// through the job's own prompt with the dialog's title.
class TransferJob {
public:
    virtual ~TransferJob() = default;
    virtual TransferOutcome Run(TransferMode mode, TransferEvents& events) = 0;
};

std::string TransferInstructions();  // the three steps, joined by CR LF

// The dialog's flags: Cancel closes an idle dialog and asks a running
// transfer to stop; the close box is refused while busy.
class TransferDialogState {
public:
    enum class CancelAction { Close, RequestCancel };

    CancelAction Cancel();
    bool MayClose() const { return !busy_; }

    // Runs the job with the busy flag set (cleared on every path).
    TransferOutcome Start(TransferJob& job, TransferMode mode, TransferEvents& events);

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
