#include "gui/link_transfer_job.h"

#include "files/backups.h"
#include "link/safe_program.h"
#include "link/transfers.h"
#include "qt/qt_platform.h"
#include "qt/qt_serial_line.h"
#include "util/advice.h"

namespace kv {

LinkTransferJob::LinkTransferJob(RadioSession& session, Prompt& prompt, std::function<std::string()> port,
                                 ErrorLog* log, bool debug, Clock* clock)
    : session_(session),
      prompt_(prompt),
      port_(std::move(port)),
      log_(log),
      debug_(debug),
      clock_(clock ? *clock : steadyClock_) {}

void LinkTransferJob::Prepare(TransferMode) {
    work_ = session_;
    device_ = port_();
    if (choices_) workChoices_ = *choices_;
}

StartThread LinkTransferJob::threadStarter() { return qt::StartQtThread; }

TransferOutcome LinkTransferJob::Run(TransferMode mode, TransferEvents& events, Prompt& prompt) {
    qt::QtSerialLine line(device_);
    TransferState state;
    state.DebugMode = debug_;
    state.PortName = device_;
    state.TransferMode = mode;
    CloneLink link(LinkContext{line, clock_, prompt, events, log_, true}, state);
    TransferOutcome outcome;
    if (mode == TransferMode::Program && choices_) {
        SafeProgramPlan plan;
        plan.backup = workChoices_.backup && !backupFolder_.empty();
        plan.verify = workChoices_.verify;
        plan.everyBlock = workChoices_.everyBlock;
        plan.keep = [this](const RadioSession& s, const std::vector<uint8_t>& radio) {
            return SaveBackup(backupFolder_, s, radio, std::chrono::system_clock::now());
        };
        outcome = ProgramSafely(link, work_, plan).outcome;
    } else {
        outcome = TransferRunner(link, work_).Run();
    }
    if (outcome == TransferOutcome::Completed && mode == TransferMode::Read && !backupFolder_.empty()) {
        const SavedBackup kept = SaveReadBackup(backupFolder_, work_, std::chrono::system_clock::now());
        if (!kept.error.empty())
            prompt.Show(Advised(Advice::BackupNotKept,
                          TransferTitle(TransferMode::Read), MessageIcon::Exclamation, Buttons::Ok, {kept.error}));
    }
    return outcome;
}

// The data as the transfer left them: a read's when it completed (a failed
// one changed nothing), the encoded image of a program.
void LinkTransferJob::Finish(TransferMode, TransferOutcome) { session_ = work_; }

}  // namespace kv
